#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The settings file and the message file of one alarm, replaced together or
// not at all, also across a kill or a power cut.
//
// A save goes in this order (N.ini and NMemo.ini stand for the two files, or
// for what their links name; each hidden file lies beside its own file):
//   1. the new settings are written to ".N.ini.new" and flushed;
//   2. the new message is written to ".NMemo.ini.new" and flushed;
//   3. the old settings get a second name, ".N.ini.old" (when there are any);
//   4. the folders are flushed, so that 1 to 3 are on disk before 5;
//   5. ".N.ini.new" is renamed over N.ini: the commit point of the save;
//   6. ".NMemo.ini.new" is renamed over NMemo.ini;
//   7. ".N.ini.old" is removed.
// Each rename is flushed before the next step. A failure at any step leaves
// both old files (after 5, the old settings are put back from ".N.ini.old")
// and removes everything the save made.
//
// Finish, run at the next start, decides from what a save cut short left:
//   - ".N.ini.new" is there: the save stopped before its commit point, so the
//     old pair stands; both ".new" files and ".N.ini.old" are removed.
//   - only ".NMemo.ini.new" is there: the save passed its commit point, and
//     the new message was whole and on disk before it; it is renamed over
//     NMemo.ini (if that fails, ".N.ini.old" is put back over N.ini), and
//     ".N.ini.old" is removed.
//   - only ".N.ini.old" is there: the save was done but for step 7, which is
//     finished.
// Nothing is touched when one of these names holds what no save of ours
// leaves (not a regular file, or another user's); that is logged.
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

    // Completes or undoes a save of this pair that a kill or a power cut
    // stopped, as above. Only while no save is under way: at start.
    static void Finish(const QString &settingsFile, const QString &messageFile);

protected:
    // Every write the save makes passes through here, so a test can fail one.
    virtual bool Run(Step step, const std::function<bool()> &write);
};
