#pragma once

#include <QByteArray>
#include <QString>

// Writes a temporary file beside the target, flushes it to disk and renames it
// over the target: a crash, a kill or a full disk leaves the old file or the
// new one, never a torn one, and no temporary behind. False on any failure.
bool WriteFileAtomically(const QString &fileName, const QByteArray &contents);

// The temporary beside fileName that the write goes through (a hidden file).
QString TemporaryFileFor(const QString &fileName);
