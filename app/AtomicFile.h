#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file as a whole: the new contents go to a temporary beside it,
// which is flushed to disk and renamed over the file, and the folder is
// flushed after the rename. A crash, a kill, a power cut or a full disk
// leaves the old file or the new one, never a torn one.
//
// A symbolic link is written through: the file it names is replaced, in its
// own folder, and the link stays. The file keeps its permissions (always
// readable to its owner). A file that is not a regular file, or that its
// owner made read-only, is refused. False on any failure; the reason goes
// to the tocsimo.store log.
bool WriteFileAtomically(const QString &fileName, const QByteArray &contents);

// The temporary a write of fileName goes through: a hidden file beside the
// file that is really replaced (the target of a link). One fixed name, so
// kills never pile temporaries up; a leftover is removed, never reused.
QString TemporaryFileFor(const QString &fileName);
