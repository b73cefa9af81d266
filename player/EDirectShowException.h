#pragma once

#include "app/Exception.h"

#include <cstdint>

// A failure of the sound player. The message is a readable text followed by the
// failure code in hexadecimal, e.g. "The sound file cannot be found: /a.mp3 ($80070002)."
class EDirectShowException : public Exception {
public:
    EDirectShowException(int32_t code, const QString &text);
    int32_t Code() const { return code_; }

    // The message for a code: text (at most 255 characters) + " ($HEX).".
    static QString MessageFor(int32_t code, const QString &text);

private:
    int32_t code_;
};
