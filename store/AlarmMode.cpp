#include "store/AlarmMode.h"

#include <QtGlobal>

namespace {
// Built once: the scheduler compares against these on every tick.
const std::array<QString, 6> &Names()
{
    // Marked for translation for the list, which shows them in the user's language.
    static const std::array<QString, 6> names = {
        QStringLiteral(QT_TRANSLATE_NOOP("AlarmMode", "Once")), QStringLiteral(QT_TRANSLATE_NOOP("AlarmMode", "Hourly")),
        QStringLiteral(QT_TRANSLATE_NOOP("AlarmMode", "Daily")), QStringLiteral(QT_TRANSLATE_NOOP("AlarmMode", "Weekly")),
        QStringLiteral(QT_TRANSLATE_NOOP("AlarmMode", "Monthly")), QStringLiteral(QT_TRANSLATE_NOOP("AlarmMode", "Yearly")),
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
