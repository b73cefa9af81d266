#pragma once

#include <cstdint>

// Local wall-clock time as a count of days since 1899-12-30; the fraction is
// the time of day. Dates follow the proleptic Gregorian calendar, years 1..9999.
using TDateTime = double;

struct DateTimeParts {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, msec = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second, int msec);

// Composing an impossible date or time raises EConvertError.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec);

DateTimeParts DecodeDateTime(TDateTime value);

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back.
int64_t DaysFromCivil(int64_t year, int month, int day);
void CivilFromDays(int64_t days, int &year, int &month, int &day);

// Whole seconds on one running count (days since 1970-01-01 times 86400 plus
// the time of day), and back; milliseconds are dropped.
int64_t SecondCount(const DateTimeParts &p);
DateTimeParts PartsOfSecondCount(int64_t seconds);

// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime value);
int DayOfWeek(int year, int month, int day); // the date must be valid
