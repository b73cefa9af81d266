#pragma once

#include "app/FileDescriptor.h"

#include <QByteArray>
#include <QString>

// A file replaced in two steps, so that several files can be replaced
// together: Stage writes the new contents to a hidden file beside the file and
// flushes it; Commit renames it over the file and flushes the folder. Until
// Commit the file is untouched, and a staged file that is never committed is
// removed when the object ends.
//
// A symbolic link is written through: the file it names is replaced, in its
// own folder, and the link stays. The file keeps its permissions (always
// readable to its owner) and, where we may, its owner. A file that is not a
// regular file, or that its owner made read-only, is refused. Failures are
// false; the reason goes to the tocsimo.store log.
class StagedFile {
public:
    // Where the new contents wait. A lone write stages ".<name>.tmp": one that
    // a kill cut short was never reported written, so it is only ever removed
    // (RemoveLeftoverTemporaries). A file of a set replaced together stages
    // ".<name>.new": the set's own rule decides at the next start whether it
    // is put in place or removed (AlarmFilePair).
    enum class Staging { Alone, InSet };

    explicit StagedFile(const QString &fileName, Staging staging = Staging::Alone);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    bool Stage(const QByteArray &contents);
    bool Commit();
    // Puts what Stage (and KeepPrevious) made in the folder on disk, so that a
    // rename that follows never reaches the disk before them.
    bool FlushFolder();

    // For undoing a commit: KeepPrevious links the present file under the
    // hidden name ".<name>.old" beside it (true when there was none to keep);
    // PutPreviousBack, after Commit, returns the file to what it was, removing
    // it if it did not exist. The kept link is removed when the object ends.
    bool KeepPrevious();
    bool PutPreviousBack();

    // For finishing, at the next start, a write of a set that a kill cut
    // short: takes over the staged and the kept file it left, so that Commit
    // places the one and PutPreviousBack puts back the other, and whatever is
    // left unused is removed when the object ends. False, taking over nothing,
    // when either name holds what no write of ours leaves: a file that is not
    // a regular file, or another user's.
    bool TakeOverLeftovers();
    bool IsStaged() const { return staged_; }
    bool HasPrevious() const { return keptPrevious_; }
    // Leaves what was taken over where it is.
    void LetGo();

    // The hidden file Stage writes: one fixed name beside the file that is
    // really replaced, so kills never pile staged files up.
    QString StagedPath() const;

    // Removes the temporaries of lone writes that a kill or a power cut left
    // in the folder. Only a regular file of ours is removed; anything else
    // under such a name is left alone and logged. Run only while no write is
    // under way (at start, once this copy holds the single-instance lock).
    static void RemoveLeftoverTemporaries(const QString &folder);

private:
    bool Fail(const char *why) const;
    bool OpenFolder();

    QString fileName_;
    QByteArray target_; // what the chain of links ends in; empty on a loop
    QByteArray base_, stagedName_, previous_;
    FileDescriptor folder_{-1};
    bool exists_ = false;
    bool staged_ = false;
    bool keptPrevious_ = false;
};
