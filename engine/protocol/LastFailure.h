#pragma once

#include "engine/protocol/EngineCodes.h"

#include <QString>

#include <cstdint>

// An engine's last failure: its code and the text that says what went wrong
// with which file, which ErrorText gives for that code (our own text for
// any other).
class LastFailure {
public:
    // Keeps the failure; returns its code.
    int32_t Set(int32_t code, const QString &text)
    {
        code_ = code;
        text_ = text;
        return code;
    }
    int32_t Code() const { return code_; }
    QString TextFor(int32_t code) const { return code == code_ && !text_.isEmpty() ? text_ : EngineCodeText(code); }

private:
    int32_t code_ = 0;
    QString text_;
};
