#include "app/FolderEntries.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

QList<FolderEntry> FolderEntries(const QString &folder)
{
    QList<FolderEntry> entries;
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(QFile::encodeName(folder).constData()), ::closedir);
    if (!dir)
        return entries;
    while (const dirent *e = ::readdir(dir.get())) {
        const QByteArray name(e->d_name);
        if (name == "." || name == "..")
            continue;
        bool isLink = e->d_type == DT_LNK;
        if (e->d_type == DT_UNKNOWN) { // some file systems do not say: look
            struct stat st {};
            isLink = ::fstatat(::dirfd(dir.get()), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
        }
        entries.append({name, isLink});
    }
    return entries;
}
