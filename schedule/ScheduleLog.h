#pragma once

#include <QLoggingCategory>

// "tocsimo.schedule": when each alarm fired, and for which second. Off unless
// turned on with Qt's logging rules, e.g. QT_LOGGING_RULES="tocsimo.schedule=true".
Q_DECLARE_LOGGING_CATEGORY(lcSchedule)
