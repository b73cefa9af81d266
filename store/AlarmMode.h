#pragma once

#include <QString>
#include <array>

// How an alarm recurs. The names are the keys of the settings file, the texts
// of the list's "Mode" column (translated there, in the "AlarmMode" context)
// and the texts the scheduler compares.
enum class AlarmMode { Once, Hourly, Daily, Weekly, Monthly, Yearly };

inline constexpr std::array<AlarmMode, 6> kAllAlarmModes = {
    AlarmMode::Once, AlarmMode::Hourly, AlarmMode::Daily,
    AlarmMode::Weekly, AlarmMode::Monthly, AlarmMode::Yearly,
};

const QString &AlarmModeName(AlarmMode mode);

// Exact, case-sensitive match; false for any other text (such a row is never due).
bool AlarmModeFromText(const QString &text, AlarmMode &mode);
