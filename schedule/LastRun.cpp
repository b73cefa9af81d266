#include "schedule/LastRun.h"

#include "app/AtomicFile.h"
#include "app/IniDocument.h"
#include "app/TIniFile.h"
#include "app/TextCodec.h"
#include "schedule/RealTimeText.h"
#include "schedule/ScheduleLog.h"

namespace {
const QString kSection = QStringLiteral("LastRun");
const QString kTime = QStringLiteral("Time");
} // namespace

LastRun::LastRun(QString path) : path_(std::move(path))
{
    // One write at a time, in order.
    writer_.setMaxThreadCount(1);
}

LastRun::~LastRun()
{
    WaitForWrites();
}

std::optional<int64_t> LastRun::Read() const
{
    const QString text = TIniFile(path_).ReadString(kSection, kTime, QString());
    const std::optional<int64_t> time = RealTimeFromText(text);
    if (!time && !text.isEmpty())
        qCInfo(lcSchedule, "%s: %s is no time; no missed alarms are listed", qUtf8Printable(path_), qUtf8Printable(text));
    return time;
}

void LastRun::Note(int64_t utc, bool now)
{
    // A clock set back is written at once, so the file never stays ahead of it.
    if (!now && written_ != kNever && utc >= written_ && utc - written_ < WriteEverySeconds)
        return;
    written_ = utc;
    IniDocument ini;
    ini.WriteString(kSection, kTime, RealTimeText(utc));
    writer_.start([path = path_, bytes = EncodeFileText(ini.ToText())] {
        if (!WriteFileAtomically(path, bytes))
            qCInfo(lcSchedule, "%s not written: the next start may list missed alarms wrongly", qUtf8Printable(path));
    });
}

void LastRun::WaitForWrites()
{
    writer_.waitForDone();
}
