#include "player/EDirectShowException.h"

namespace {
constexpr int kMaxTextLength = 255;
}

QString EDirectShowException::MessageFor(int32_t code, const QString &text)
{
    const QString hex = QString::number(static_cast<quint32>(code), 16).toUpper();
    return text.left(kMaxTextLength) + QStringLiteral(" ($") + hex + QStringLiteral(").");
}

EDirectShowException::EDirectShowException(int32_t code, const QString &text)
    : Exception(MessageFor(code, text)), code_(code)
{
}
