#include "store/AlarmFilePair.h"

#include "app/Exception.h"
#include "app/StagedFile.h"

bool AlarmFilePair::Run(Step, const std::function<bool()> &write)
{
    return write();
}

void AlarmFilePair::Write(const QString &settingsFile, const QByteArray &settings, const QString &messageFile,
                          const QByteArray &message)
{
    const auto failSettings = [&] {
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(settingsFile));
    };
    const auto failMessage = [&] {
        throw EFCreateError(QStringLiteral("Cannot create file %1").arg(messageFile));
    };
    // Whatever is left staged or kept when this ends is removed with them.
    StagedFile s(settingsFile), m(messageFile);
    if (!Run(StageSettings, [&] { return s.Stage(settings); }))
        failSettings();
    if (!Run(StageMessage, [&] { return m.Stage(message); }))
        failMessage();

    // The old settings stay reachable until the message is in place too. Where
    // the file system has no hard links, a failed rename of the message (rare:
    // both files are written by then) cannot put them back.
    s.KeepPrevious();
    if (!Run(PlaceSettings, [&] { return s.Commit(); }))
        failSettings();
    if (!Run(PlaceMessage, [&] { return m.Commit(); })) {
        s.PutPreviousBack();
        failMessage();
    }
}
