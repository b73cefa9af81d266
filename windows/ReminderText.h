#pragma once

#include "app/DateTime.h"

#include <QLocale>
#include <QString>

// The reminder's own date and time formatting, independent of any widget.
namespace ReminderText {

inline const QString TimeFormat12 = QStringLiteral("hh:mm:ss AM/PM");
inline const QString TimeFormat24 = QStringLiteral("hh:mm:ss");
inline const QString DateFormat = QStringLiteral("ddd, mmm dd, yyyy");

// Formats a moment with the letters the reminder uses:
//   hh    hour in two digits; on the 12-hour clock (12 for midnight and noon)
//         when the format holds "AM/PM", else on the 24-hour clock
//   mm    the minute when it follows an hour, else the month in two digits
//   ss    second in two digits
//   AM/PM "AM" before noon, "PM" from noon on
//   ddd   abbreviated weekday name of the locale
//   mmm   abbreviated month name of the locale
//   dd    day in two digits
//   yyyy  year in four digits
// Letters may be upper or lower case, except "AM/PM". Anything else is copied
// as it stands.
QString Format(const QString &format, const DateTimeParts &moment, const QLocale &locale);

// The time label: "hh:mm:ss AM/PM" or "hh:mm:ss".
QString TimeLabel(const DateTimeParts &moment, bool twelveHour);

// The time as a screen reader is told it, to the minute: "hh:mm AM/PM" or "hh:mm".
QString MinuteName(const DateTimeParts &moment, bool twelveHour);

// The date label: "ddd, mmm dd, yyyy".
QString DateLabel(const DateTimeParts &moment, const QLocale &locale);

} // namespace ReminderText
