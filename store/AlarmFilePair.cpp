#include "store/AlarmFilePair.h"

#include "app/Exception.h"
#include "app/StagedFile.h"
#include "app/StoreLog.h"

#include <QCoreApplication>

bool AlarmFilePair::Run(Step, const std::function<bool()> &write)
{
    return write();
}

void AlarmFilePair::Write(const QString &settingsFile, const QByteArray &settings, const QString &messageFile,
                          const QByteArray &message)
{
    const auto failSettings = [&] {
        throw EIniFileException(QCoreApplication::translate("TIniFile", "Unable to write to %1").arg(settingsFile));
    };
    const auto failMessage = [&] {
        throw EFCreateError(QCoreApplication::translate("TextFile", "Cannot create file %1").arg(messageFile));
    };
    // Whatever is left staged or kept when this ends is removed with them.
    StagedFile s(settingsFile, StagedFile::Staging::InSet), m(messageFile, StagedFile::Staging::InSet);
    if (!Run(StageSettings, [&] { return s.Stage(settings); }))
        failSettings();
    if (!Run(StageMessage, [&] { return m.Stage(message); }))
        failMessage();

    // The old settings stay reachable until the message is in place too. Where
    // the file system has no hard links, a failed rename of the message (rare:
    // both files are written by then) cannot put them back.
    s.KeepPrevious();
    if (!Run(PlaceSettings, [&] { return s.FlushFolder() && m.FlushFolder() && s.Commit(); }))
        failSettings();
    if (!Run(PlaceMessage, [&] { return m.Commit(); })) {
        s.PutPreviousBack();
        failMessage();
    }
}

void AlarmFilePair::Finish(const QString &settingsFile, const QString &messageFile)
{
    // What is taken over and not used is removed as these end.
    StagedFile s(settingsFile, StagedFile::Staging::InSet), m(messageFile, StagedFile::Staging::InSet);
    if (!s.TakeOverLeftovers())
        return;
    if (!m.TakeOverLeftovers()) {
        s.LetGo();
        return;
    }
    if (s.IsStaged()) {
        qCInfo(lcStore, "a save of %s cut short before its settings were placed: undone", qUtf8Printable(settingsFile));
    } else if (m.IsStaged()) {
        if (m.Commit())
            qCInfo(lcStore, "a save of %s cut short between its two renames: completed", qUtf8Printable(settingsFile));
        else if (s.HasPrevious() && s.PutPreviousBack())
            qCInfo(lcStore, "a save of %s cut short between its two renames: undone", qUtf8Printable(settingsFile));
        else
            qCInfo(lcStore, "a save of %s cut short between its two renames: its message cannot be placed",
                   qUtf8Printable(settingsFile));
    }
}
