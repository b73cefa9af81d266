#pragma once

#include "store/AlarmMode.h"
#include "store/AlarmTime.h"

#include <QString>
#include <QStringList>

#include <optional>

// The files of the alarm store, all in the folder "alarm" of the program folder:
// the index "Alarms.ini", and per alarm "<id>.ini" (settings) and "<id>Memo.ini"
// (the message, a text file of lines).
namespace AlarmFiles {

QString IndexPath();
// idText is the identifier as written in the index ("7", or "007" from a hand-edited file).
QString SettingsPath(const QString &idText);
QString MessagePath(const QString &idText);
QString SettingsPath(int id);
QString MessagePath(int id);

struct Settings {
    QStringList modes; // names of the mode keys that read true, in key order
    AlarmTime time;
    QString soundFile;
};

// All thirteen keys, in one atomic replace; no mode writes six falses.
// Raises "Unable to write to %s".
void WriteSettings(int id, std::optional<AlarmMode> mode, const AlarmTime &time, const QString &soundFile);
// Missing file or keys give the defaults: all zeros, no sound, and no mode
// unless a missing mode key is to read as set (modeDefault).
Settings ReadSettings(const QString &idText, bool modeDefault = false);
Settings ReadSettings(int id, bool modeDefault = false);
// Only the sound file, as the reminder needs it.
QString ReadSoundFile(int id);

// The settings (keys as WriteSettings writes them, other keys kept) and the
// message of one alarm, replaced together or not at all. Raises what
// WriteSettings or WriteMessage would for the file that failed.
void WriteAlarm(int id, std::optional<AlarmMode> mode, const AlarmTime &time, const QString &soundFile,
                const QStringList &lines);

// Raise "Cannot open file %s" / "Cannot create file %s".
QStringList ReadMessage(int id);
void WriteMessage(int id, const QStringList &lines);

} // namespace AlarmFiles
