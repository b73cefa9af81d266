#pragma once

#include <QString>

// The files file_writer rewrites besides the index, and what each holds at
// step n of the writer, so a test can tell a whole file of one step from a
// torn one. Paths are those of the program folder in force.
namespace WriterStates {

// "settings", "message" or "options".
bool IsKnownKind(const QString &kind);
QString PathOf(const QString &kind);
// Writes the file as it stands after step n, as the program writes it.
void Write(const QString &kind, qint64 step);

// Saves alarm id as the editor does, its settings and its message both marked
// with save n, so that a pair mixed from two saves shows.
void SaveAlarm(int id, qint64 n);
// The save each of the alarm's two files is marked with; -1 for a file that
// is missing or unmarked.
struct Saves {
    qint64 settings = -1, message = -1;
};
Saves SavesOf(int id);

} // namespace WriterStates
