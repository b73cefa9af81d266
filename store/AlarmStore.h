#pragma once

#include "store/AlarmTime.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// One row of the alarm list: the caption (first line of the message) and the mode text.
struct AlarmRow {
    QString Caption;
    QString ModeText;

    bool operator==(const AlarmRow &) const = default;
};

// The alarm table and the rows of the alarm list, kept parallel: row r belongs
// to slot r + 1, and the slots after the last row hold identifier 0. Every
// change rewrites the index file "alarm/Alarms.ini" to list the same
// identifiers in the same order.
class AlarmStore {
public:
    static constexpr int Capacity = 255;  // keys Alarm1..Alarm255 of the index
    static constexpr int SlotCount = 256; // identifiers 1..256
    static constexpr int MaxCaptionLength = 4096;

    AlarmStore();

    // Reads the index and each listed alarm's files. Entries that cannot name an
    // alarm (not a decimal number, outside 1..256, a repeat) are skipped; the
    // first missing or empty key ends the list.
    void Load();
    // Raises "Unable to write to %s"; the table keeps its state.
    void WriteIndex() const;

    // The smallest identifier that neither a listed alarm nor the index on
    // disk holds (else the smallest no listed alarm holds).
    int AllocateId() const;
    // Each change is made in memory, then the index is written.
    void Append(int id, const AlarmRow &row, const AlarmTime &time); // refuses a 256th alarm
    // Raises what Append would refuse, changing nothing.
    void CheckAppend(int id) const;
    void Replace(int row, const AlarmRow &newRow, const AlarmTime &time);
    void Remove(int row);

    int Count() const { return static_cast<int>(rows_.size()); }
    bool IsFull() const { return Count() >= Capacity; }
    const AlarmRow &Row(int row) const { return rows_.at(row); }
    // k from 1 to 256.
    const AlarmSlot &Slot(int k) const { return slots_.at(k); }

    // The caption a message gives: its first line, cut at MaxCaptionLength.
    static QString CaptionOf(const QStringList &messageLines);

private:
    void CheckRow(int row) const;

    QList<AlarmRow> rows_;
    std::array<AlarmSlot, SlotCount + 1> slots_{}; // slot 0 is unused
};
