// Build-time generator of the program's artwork. Every picture is drawn in code,
// so nothing is downloaded or kept as a binary in the repository.
//
//   tocsimo_assets <output folder> <picture or sound path>...
//
// writes each named picture (e.g. "ClockFace.png") or sound (e.g.
// "sound/Chime.wav") below the output folder.
#include "generator/Picture.h"
#include "generator/Sound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    // Drawing text needs a GUI application; the offscreen platform needs no display.
    std::vector<char *> args(argv, argv + argc);
    char platformOption[] = "-platform";
    char platformName[] = "offscreen";
    args.insert(args.begin() + 1, {platformOption, platformName});
    int qtArgc = static_cast<int>(args.size());
    QGuiApplication app(qtArgc, args.data());

    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: tocsimo_assets <output folder> <picture or sound path>...\n");
        return 2;
    }
    const QDir outputFolder(arguments.at(1));
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString target = outputFolder.filePath(arguments.at(i));
        const Picture *picture = FindPicture(arguments.at(i));
        const Sound *sound = picture ? nullptr : FindSound(arguments.at(i));
        if (!picture && !sound) {
            std::fprintf(stderr, "tocsimo_assets: no picture or sound named %s\n", qPrintable(arguments.at(i)));
            return 1;
        }
        bool written = QDir().mkpath(QFileInfo(target).absolutePath());
        if (written && picture) {
            written = picture->draw().save(target, nullptr, picture->quality);
        } else if (written) {
            QFile file(target);
            written = file.open(QIODevice::WriteOnly) && file.write(sound->make()) >= 0 && file.flush();
        }
        if (!written) {
            std::fprintf(stderr, "tocsimo_assets: cannot write %s\n", qPrintable(target));
            return 1;
        }
    }
    return 0;
}
