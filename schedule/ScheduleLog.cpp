#include "schedule/ScheduleLog.h"

// Warnings and above only by default: the program logs nothing unasked.
Q_LOGGING_CATEGORY(lcSchedule, "tocsimo.schedule", QtWarningMsg)
