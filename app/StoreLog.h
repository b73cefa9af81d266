#pragma once

#include <QLoggingCategory>

// "tocsimo.store": why a file was refused or an alarm entry skipped. Silent
// unless turned on with Qt's logging rules (QT_LOGGING_RULES="tocsimo.store=true").
Q_DECLARE_LOGGING_CATEGORY(lcStore)
