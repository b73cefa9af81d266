#pragma once

#include <QString>

// The user's options as the options file holds them. The options page's
// controls are the live state; this is what goes to and from "Options.ini".
enum class ChimeInterval { None, Hourly, HalfHourly, QuarterHourly };

struct Options {
    static constexpr int DefaultSnoozeMinutes = 10;
    static constexpr int MinSnoozeMinutes = 1;
    static constexpr int MaxSnoozeMinutes = 60;

    bool AutoRun = true;
    bool AutoHide = true;
    bool AMPM = true;
    bool Repeat = true;
    bool ShowMissed = true;
    int SnoozeMinutes = DefaultSnoozeMinutes;
    bool EnableChimes = true;
    ChimeInterval Interval = ChimeInterval::Hourly;
    int ChimeSound = 0; // position in the chime list; -1 (or anything outside it) for none

    bool operator==(const Options &) const = default;
};

namespace OptionsFile {
QString Path();
// Missing file, keys or malformed values give the defaults; a snooze outside
// 1 to 60 minutes is brought to the nearer end. Of the three interval keys
// the last that reads true wins; none true selects none.
Options Read(const QString &path);
// All eleven keys, every time, in one atomic replace. Raises "Unable to write to %s".
void Write(const QString &path, const Options &options);
} // namespace OptionsFile
