#include "engine/protocol/SoundLog.h"

// Warnings and above only by default: the program logs nothing unasked.
Q_LOGGING_CATEGORY(lcSound, "tocsimo.sound", QtWarningMsg)
