#include "store/AlarmMode.h"

namespace {
// Built once: the scheduler compares against these on every tick.
const std::array<QString, 6> &Names()
{
    static const std::array<QString, 6> names = {
        QStringLiteral("Once"), QStringLiteral("Hourly"), QStringLiteral("Daily"),
        QStringLiteral("Weekly"), QStringLiteral("Monthly"), QStringLiteral("Yearly"),
    };
    return names;
}
} // namespace

const QString &AlarmModeName(AlarmMode mode)
{
    return Names()[static_cast<size_t>(mode)];
}

bool AlarmModeFromText(const QString &text, AlarmMode &mode)
{
    for (AlarmMode m : kAllAlarmModes)
        if (text == AlarmModeName(m)) {
            mode = m;
            return true;
        }
    return false;
}
