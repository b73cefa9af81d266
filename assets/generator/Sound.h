#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// One sound the generator can make: its path relative to an output folder and
// the code that synthesises it (the whole file, ready to write).
struct Sound {
    QString path;
    std::function<QByteArray()> make;
};

// Every sound the generator knows, looked up by path.
const Sound *FindSound(const QString &path);
