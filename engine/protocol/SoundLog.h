#pragma once

#include <QLoggingCategory>

// "tocsimo.sound": why a sound stayed silent, with GStreamer's own error text
// and debug detail. Off unless turned on with Qt's logging rules, e.g.
// QT_LOGGING_RULES="tocsimo.sound=true". The program and the sound engine's
// process log under it alike.
Q_DECLARE_LOGGING_CATEGORY(lcSound)
