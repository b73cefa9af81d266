#include "schedule/RealTimeText.h"

#include <QDateTime>

QString RealTimeText(int64_t utcSecond)
{
    return QDateTime::fromSecsSinceEpoch(utcSecond, Qt::UTC).toString(Qt::ISODate);
}

std::optional<int64_t> RealTimeFromText(const QString &text)
{
    const QDateTime time = QDateTime::fromString(text.trimmed(), Qt::ISODate);
    // Without a zone the text names a local time, which is not what we wrote.
    if (!time.isValid() || time.timeSpec() == Qt::LocalTime)
        return std::nullopt;
    return time.toSecsSinceEpoch();
}
