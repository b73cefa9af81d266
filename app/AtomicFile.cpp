#include "app/AtomicFile.h"

#include "app/StagedFile.h"

bool WriteFileAtomically(const QString &fileName, const QByteArray &contents)
{
    StagedFile file(fileName);
    return file.Stage(contents) && file.Commit();
}

QString TemporaryFileFor(const QString &fileName)
{
    return StagedFile(fileName).StagedPath();
}
