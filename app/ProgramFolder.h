#pragma once

#include <QByteArray>
#include <QString>

// The folder of the running executable, absolute, ending in "/". Never the
// working directory. Every data path is this folder plus a fixed relative part.
QString ProgramFolder();

// Empty when the program can run where it is. Otherwise the executable's
// folder as the system names it, which cannot be held as text (a name that is
// not valid UTF-8, e.g. Latin-1): every path formed from it would name some
// other place, so the program must not start there.
QByteArray UnusableProgramFolder();

// Tests point the program at a folder of their own; an empty string restores it.
void SetProgramFolderOverride(const QString &folder);

// Relative parts of the program's files.
namespace RelPath {
inline const QString Options = QStringLiteral("Options.ini");
inline const QString AlarmIndex = QStringLiteral("alarm/Alarms.ini");
inline const QString AlarmFolder = QStringLiteral("alarm/");
inline const QString SoundFolder = QStringLiteral("sound/");
inline const QString SkinName = QStringLiteral("skinname.ini");
inline const QString Help = QStringLiteral("help.chm");
} // namespace RelPath
