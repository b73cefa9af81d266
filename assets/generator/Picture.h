#pragma once

#include <QImage>
#include <QString>

#include <functional>

// One picture the generator can make: its path relative to an output folder
// (which also tells the file format by its extension) and the code that draws it.
struct Picture {
    QString path;
    std::function<QImage()> draw;
};

// Every picture the generator knows, looked up by path.
const Picture *FindPicture(const QString &path);
