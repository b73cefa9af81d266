// The store loader: an index, one alarm's settings and its message, all from
// the input, load without failing and leave the table and the list parallel.
// Input: the three files' bytes, parted by NUL bytes.
#include "FuzzCheck.h"

#include "app/ProgramFolder.h"
#include "store/AlarmStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
void Put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    static const bool made = QDir(folder.path()).mkpath(QStringLiteral("alarm"));
    if (!made)
        return 0;
    SetProgramFolderOverride(folder.path());
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)).split('\0');
    Put(folder.filePath(QStringLiteral("alarm/Alarms.ini")), parts.value(0));
    Put(folder.filePath(QStringLiteral("alarm/1.ini")), parts.value(1));
    Put(folder.filePath(QStringLiteral("alarm/1Memo.ini")), parts.value(2));

    AlarmStore store;
    store.Load();
    FUZZ_CHECK(store.Count() <= AlarmStore::Capacity);
    for (int k = 1; k <= AlarmStore::SlotCount; ++k) {
        const int id = store.Slot(k).Id;
        FUZZ_CHECK((k <= store.Count()) == (id != 0));
        FUZZ_CHECK(id >= 0 && id <= AlarmStore::SlotCount);
        if (k <= store.Count())
            FUZZ_CHECK(store.Row(k - 1).Caption.size() <= AlarmStore::MaxCaptionLength);
    }
    if (!store.IsFull())
        FUZZ_CHECK(store.AllocateId() >= 1);
    return 0;
}
