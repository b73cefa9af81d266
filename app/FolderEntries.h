#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One name in a folder, as the file system holds it.
struct FolderEntry {
    QByteArray name;
    bool isLink = false; // a symbolic link, which is not followed
};

// The names in a folder, without "." and "..", read once; empty when the
// folder cannot be read. Nothing is opened or followed.
QList<FolderEntry> FolderEntries(const QString &folder);
