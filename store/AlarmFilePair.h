#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The settings file and the message file of one alarm, replaced together or
// not at all. Both new versions are first written and flushed beside the
// files they replace; only then is each renamed over its file. A failure at
// any step leaves both old files (the settings file is put back from a link
// to its old version when the message file cannot be renamed into place) and
// removes everything the save made.
//
// Each file keeps what a single atomic write would keep for it: a link is
// written through, the permissions stay, and a file that is not a regular
// file or that its owner made read-only is refused.
class AlarmFilePair {
public:
    enum Step { StageSettings, StageMessage, PlaceSettings, PlaceMessage };

    virtual ~AlarmFilePair() = default;

    // Raises EIniFileException "Unable to write to <settings>" when the settings
    // file is what failed, EFCreateError "Cannot create file <message>" when the
    // message file is.
    void Write(const QString &settingsFile, const QByteArray &settings, const QString &messageFile,
               const QByteArray &message);

protected:
    // Every write the save makes passes through here, so a test can fail one.
    virtual bool Run(Step step, const std::function<bool()> &write);
};
