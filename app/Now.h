#pragma once

#include "app/DateTime.h"

#include <functional>

// The current local date and time. Every reading of the clock goes through here.
TDateTime Now();

// The current local time, already decomposed (cheap: safe to call per alarm row).
DateTimeParts NowParts();

// Tests replace the clock; an empty function restores the real one.
void SetNowOverride(std::function<TDateTime()> clock);
