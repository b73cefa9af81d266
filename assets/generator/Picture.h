#pragma once

#include <QImage>
#include <QString>

#include <functional>

// One picture the generator can make: its path relative to an output folder
// (which also tells the file format by its extension) and the code that draws it.
struct Picture {
    QString path;
    std::function<QImage()> draw;
    int quality = -1; // for lossy formats; -1 is the writer's default
};

// Every picture the generator knows, looked up by path.
const Picture *FindPicture(const QString &path);
