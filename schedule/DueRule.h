#pragma once

#include "app/DateTime.h"
#include "store/AlarmMode.h"
#include "store/AlarmTime.h"

#include <QString>

// Whether an alarm of the given mode is due at the given local second. Only
// the fields the mode names take part; nothing below the second is compared.
bool IsDue(AlarmMode mode, const AlarmTime &alarm, const DateTimeParts &now);

// The same for a list row's mode text; a text that is no mode name is never due.
bool IsDue(const QString &modeText, const AlarmTime &alarm, const DateTimeParts &now);
