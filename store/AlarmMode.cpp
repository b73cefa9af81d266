#include "store/AlarmMode.h"

QString AlarmModeName(AlarmMode mode)
{
    switch (mode) {
    case AlarmMode::Once: return QStringLiteral("Once");
    case AlarmMode::Hourly: return QStringLiteral("Hourly");
    case AlarmMode::Daily: return QStringLiteral("Daily");
    case AlarmMode::Weekly: return QStringLiteral("Weekly");
    case AlarmMode::Monthly: return QStringLiteral("Monthly");
    case AlarmMode::Yearly: return QStringLiteral("Yearly");
    }
    return {};
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
