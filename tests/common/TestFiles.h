#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// Writes `bytes` to `path`; the running test fails when the file cannot be opened.
inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The bytes of `path`, or "<missing>" when it cannot be read (so a missing
// file never compares equal to an empty one).
inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
