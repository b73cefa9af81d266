#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// A real time (seconds since 1970 UTC) as the program's files hold it, in
// ISO 8601 form ("2027-03-01T06:10:00Z"), and back. Text that is no such
// time, or a time without its zone, reads as nothing.
QString RealTimeText(int64_t utcSecond);
std::optional<int64_t> RealTimeFromText(const QString &text);
