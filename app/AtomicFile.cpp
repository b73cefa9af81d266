#include "app/AtomicFile.h"

#include <QSaveFile>

bool WriteFileAtomically(const QString &fileName, const QByteArray &contents)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit(); // fsyncs, then renames; removes the temporary on failure
}
