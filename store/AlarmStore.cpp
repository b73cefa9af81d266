#include "store/AlarmStore.h"

#include "app/Exception.h"
#include "app/StoreLog.h"
#include "app/TIniFile.h"
#include "app/TextFile.h"
#include "store/AlarmFiles.h"

#include <QCoreApplication>

#include <bitset>

namespace {
const QString kIndexSection = QStringLiteral("Alarms");

QString IndexKey(int position)
{
    return QStringLiteral("Alarm%1").arg(position);
}

// The identifier an index value names, or 0 when it names none.
int ParseId(const QString &text)
{
    for (QChar c : text)
        if (!c.isDigit() || c.unicode() > '9')
            return 0;
    bool ok = false;
    const int id = text.toInt(&ok, 10);
    return ok && id >= 1 && id <= AlarmStore::SlotCount ? id : 0;
}
} // namespace

AlarmStore::AlarmStore() = default;

QString AlarmStore::CaptionOf(const QStringList &messageLines)
{
    return messageLines.isEmpty() ? QString() : messageLines.first().left(MaxCaptionLength);
}

void AlarmStore::Load()
{
    rows_.clear();
    slots_.fill(AlarmSlot{});
    std::bitset<SlotCount + 1> used;

    // One reading of the index, so every key comes from the same file.
    const IniDocument index = TIniFile(AlarmFiles::IndexPath()).Snapshot();
    for (int i = 1; i <= Capacity; ++i) {
        const QString idText = index.ReadString(kIndexSection, IndexKey(i), QString());
        if (idText.isEmpty())
            break;
        const int id = ParseId(idText);
        if (id == 0 || used[id]) {
            qCInfo(lcStore, "index entry Alarm%d=%s skipped: %s", i, qUtf8Printable(idText),
                   id == 0 ? "not an identifier from 1 to 256" : "a repeat of an earlier entry");
            continue;
        }
        used[id] = true;

        AlarmRow row;
        try {
            row.Caption = CaptionOf(TextFile::ReadLines(AlarmFiles::MessagePath(idText)));
        } catch (const EFOpenError &e) {
            // A missing or unreadable message: the alarm is kept, with no caption.
            qCInfo(lcStore, "alarm %d has no caption: %s", id, qUtf8Printable(e.Message()));
        }
        const AlarmFiles::Settings settings = AlarmFiles::ReadSettings(idText);
        if (!settings.modes.isEmpty())
            row.ModeText = settings.modes.first();
        else
            qCInfo(lcStore, "alarm %d names no mode: it never goes off", id);

        rows_.append(row);
        slots_[rows_.size()] = AlarmSlot{id, settings.time};
    }
}

void AlarmStore::WriteIndex() const
{
    QList<TIniFile::Entry> entries;
    for (int k = 1; k <= Capacity; ++k)
        if (slots_[k].Id != 0)
            entries.append({kIndexSection, IndexKey(k), QString::number(slots_[k].Id)});
    TIniFile(AlarmFiles::IndexPath()).ReplaceSection(kIndexSection, entries);
}

int AlarmStore::AllocateId() const
{
    std::bitset<SlotCount + 1> used;
    for (int k = 1; k <= Count(); ++k)
        used[slots_[k].Id] = true;
    // An alarm the index on disk still names (a delete whose index write
    // failed) keeps its files: a new alarm must not write over them.
    std::bitset<SlotCount + 1> onDisk;
    const IniDocument index = TIniFile(AlarmFiles::IndexPath()).Snapshot();
    for (const QString &key : index.ReadSection(kIndexSection))
        onDisk[ParseId(index.ReadString(kIndexSection, key, QString()))] = true;
    for (const auto &taken : {used | onDisk, used})
        for (int id = 1; id <= SlotCount; ++id)
            if (!taken[id])
                return id;
    return 0; // cannot happen with at most 255 alarms
}

void AlarmStore::Append(int id, const AlarmRow &row, const AlarmTime &time)
{
    CheckAppend(id);
    rows_.append(row);
    slots_[rows_.size()] = AlarmSlot{id, time};
    WriteIndex();
}

void AlarmStore::CheckAppend(int id) const
{
    if (IsFull())
        throw Exception(QCoreApplication::translate("AlarmStore", "Tocsimo keeps at most %1 alarms: delete one before adding another")
                            .arg(Capacity));
    if (id < 1 || id > SlotCount)
        throw Exception(QCoreApplication::translate("AlarmStore", "Invalid alarm identifier %1").arg(id));
    for (int k = 1; k <= Count(); ++k)
        if (slots_[k].Id == id)
            throw Exception(QCoreApplication::translate("AlarmStore", "Alarm identifier %1 is already in use").arg(id));
}

void AlarmStore::CheckRow(int row) const
{
    if (row < 0 || row >= Count())
        throw Exception(QCoreApplication::translate("AlarmStore", "List index out of bounds (%1)").arg(row));
}

void AlarmStore::Replace(int row, const AlarmRow &newRow, const AlarmTime &time)
{
    CheckRow(row);
    rows_[row] = newRow;
    slots_[row + 1].Time = time;
    WriteIndex();
}

void AlarmStore::Remove(int row)
{
    CheckRow(row);
    for (int k = row + 1; k < SlotCount; ++k)
        slots_[k] = slots_[k + 1];
    slots_[SlotCount] = AlarmSlot{};
    rows_.removeAt(row);
    WriteIndex();
}
