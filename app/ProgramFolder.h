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
// The override is then the user's folder too.
void SetProgramFolderOverride(const QString &folder);

// The folder of the user's own files (alarm/, Options.ini, skinname.ini,
// Snoozed.ini, LastRun.ini), absolute, ending in "/". Skins, sounds, help and
// the sound engine are always read from ProgramFolder(). Until
// ChooseUserFolder has run: ProgramFolder().
QString UserFolder();

// Decides, once at start, where the user's files live, and makes that folder
// and its alarm/ (mode 0700: alarm messages are private) when missing. Returns
// an error text naming the folder when it cannot be made, else empty.
QString ChooseUserFolder();

// Makes FOLDER and its alarm/ as ChooseUserFolder does; the error text or empty.
QString MakeUserFolder(const QString &folder);

// The rule: the program folder itself when the user can write to it (a home
// install, an unpacked archive, the build), else "Tocsimo/" in the user's data
// folder (XDG_DATA_HOME). A folder under /usr/ is the system's even for root,
// whose files would otherwise outlive the package that owns it.
QString UserFolderFor(const QString &programFolder, bool writable, const QString &dataHome);

// Relative parts of the program's files.
namespace RelPath {
inline const QString Options = QStringLiteral("Options.ini");
inline const QString AlarmIndex = QStringLiteral("alarm/Alarms.ini");
inline const QString AlarmFolder = QStringLiteral("alarm/");
inline const QString SoundFolder = QStringLiteral("sound/");
inline const QString SkinName = QStringLiteral("skinname.ini");
inline const QString Help = QStringLiteral("help.chm");
inline const QString Snoozed = QStringLiteral("Snoozed.ini");
inline const QString LastRun = QStringLiteral("LastRun.ini");
} // namespace RelPath
