#include "app/DateTime.h"

#include "app/Exception.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdint>

namespace {
// Day 0 of TDateTime is 1899-12-30; days_from_civil counts from 1970-01-01.
constexpr int64_t kEpochShift = 25569;
constexpr int64_t kMsPerDay = 86400000;
} // namespace

// Howard Hinnant's days_from_civil / civil_from_days.
int64_t DaysFromCivil(int64_t y, int month, int day)
{
    const unsigned m = static_cast<unsigned>(month), d = static_cast<unsigned>(day);
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int &year, int &month, int &day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

int64_t SecondCount(const DateTimeParts &p)
{
    return DaysFromCivil(p.year, p.month, p.day) * 86400 + p.hour * 3600 + p.minute * 60 + p.second;
}

DateTimeParts PartsOfSecondCount(int64_t seconds)
{
    int64_t days = seconds / 86400;
    int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    DateTimeParts p;
    CivilFromDays(days, p.year, p.month, p.day);
    p.hour = static_cast<int>(rest / 3600);
    p.minute = static_cast<int>(rest / 60 % 60);
    p.second = static_cast<int>(rest % 60);
    return p;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1
        && day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int msec)
{
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60
        && msec >= 0 && msec < 1000;
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (!IsValidDate(year, month, day))
        throw EConvertError(QCoreApplication::translate("DateTime", "Invalid argument to date encode"));
    return static_cast<double>(DaysFromCivil(year, month, day) + kEpochShift);
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    if (!IsValidTime(hour, minute, second, msec))
        throw EConvertError(QCoreApplication::translate("DateTime", "Invalid argument to time encode"));
    return (((hour * 60 + minute) * 60 + second) * 1000 + msec) / static_cast<double>(kMsPerDay);
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec)
{
    const TDateTime date = EncodeDate(year, month, day);
    const TDateTime time = EncodeTime(hour, minute, second, msec);
    // Before day 0 the fraction still counts forward from midnight.
    return date >= 0 ? date + time : date - time;
}

DateTimeParts DecodeDateTime(TDateTime value)
{
    // Round to the millisecond first, so 0.99999999 of a day is not 23:59:59.999 by accident.
    int64_t days = static_cast<int64_t>(std::trunc(value));
    int64_t ms = std::llround(std::fabs(value - static_cast<double>(days)) * kMsPerDay);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        days += value >= 0 ? 1 : -1;
    }
    DateTimeParts p;
    CivilFromDays(days - kEpochShift, p.year, p.month, p.day);
    p.hour = static_cast<int>(ms / 3600000);
    p.minute = static_cast<int>(ms / 60000 % 60);
    p.second = static_cast<int>(ms / 1000 % 60);
    p.msec = static_cast<int>(ms % 1000);
    return p;
}

int DayOfWeek(TDateTime value)
{
    const int64_t days = static_cast<int64_t>(std::trunc(value));
    // 1899-12-30 (day 0) was a Saturday, which is 7.
    return static_cast<int>(((days - 1) % 7 + 7) % 7) + 1;
}

int DayOfWeek(int year, int month, int day)
{
    return DayOfWeek(EncodeDate(year, month, day));
}
