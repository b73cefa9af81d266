#include "windows/ReminderText.h"

namespace {
const QString kAmPm = QStringLiteral("AM/PM");

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Our weekday runs 1 = Sunday .. 7 = Saturday; QLocale's runs 1 = Monday .. 7 = Sunday.
int QtDayOfWeek(const DateTimeParts &moment)
{
    if (!IsValidDate(moment.year, moment.month, moment.day))
        return 0;
    const int sundayFirst = DayOfWeek(moment.year, moment.month, moment.day);
    return sundayFirst == 1 ? 7 : sundayFirst - 1;
}

// How many times the letter at position i repeats, case-insensitively.
int RunLength(const QString &format, qsizetype i)
{
    const QChar letter = format.at(i).toLower();
    int n = 1;
    while (i + n < format.size() && format.at(i + n).toLower() == letter)
        ++n;
    return n;
}
} // namespace

QString ReminderText::Format(const QString &format, const DateTimeParts &moment, const QLocale &locale)
{
    const bool twelveHour = format.contains(kAmPm);
    QString out;
    out.reserve(format.size() + 8);
    bool afterHour = false; // decides whether "mm" is a minute or a month

    qsizetype i = 0;
    while (i < format.size()) {
        if (QStringView(format).mid(i, kAmPm.size()) == kAmPm) {
            out += moment.hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
            i += kAmPm.size();
            continue;
        }
        const QChar c = format.at(i).toLower();
        const int run = RunLength(format, i);
        if (c == QLatin1Char('h') && run == 2) {
            int hour = moment.hour;
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += TwoDigits(hour);
            afterHour = true;
        } else if (c == QLatin1Char('m') && run == 2) {
            out += TwoDigits(afterHour ? moment.minute : moment.month);
            afterHour = false;
        } else if (c == QLatin1Char('m') && run == 3) {
            out += locale.monthName(moment.month, QLocale::ShortFormat);
            afterHour = false;
        } else if (c == QLatin1Char('s') && run == 2) {
            out += TwoDigits(moment.second);
        } else if (c == QLatin1Char('d') && run == 3) {
            out += locale.dayName(QtDayOfWeek(moment), QLocale::ShortFormat);
        } else if (c == QLatin1Char('d') && run == 2) {
            out += TwoDigits(moment.day);
        } else if (c == QLatin1Char('y') && run == 4) {
            out += QStringLiteral("%1").arg(moment.year, 4, 10, QLatin1Char('0'));
        } else {
            out += format.mid(i, run); // not a field: literal text
        }
        i += run;
    }
    return out;
}

QString ReminderText::TimeLabel(const DateTimeParts &moment, bool twelveHour)
{
    return Format(twelveHour ? TimeFormat12 : TimeFormat24, moment, QLocale());
}

QString ReminderText::MinuteName(const DateTimeParts &moment, bool twelveHour)
{
    return Format(twelveHour ? QStringLiteral("hh:mm AM/PM") : QStringLiteral("hh:mm"), moment, QLocale());
}

QString ReminderText::DateLabel(const DateTimeParts &moment, const QLocale &locale)
{
    return Format(DateFormat, moment, locale);
}
