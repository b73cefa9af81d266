#pragma once

#include "app/FileDescriptor.h"

#include <QByteArray>
#include <QString>

// A file replaced in two steps, so that several files can be replaced
// together: Stage writes the new contents to a hidden temporary beside the
// file and flushes it; Commit renames it over the file and flushes the folder.
// Until Commit the file is untouched, and a staged temporary that is never
// committed is removed when the object ends.
//
// A symbolic link is written through: the file it names is replaced, in its
// own folder, and the link stays. The file keeps its permissions (always
// readable to its owner) and, where we may, its owner. A file that is not a
// regular file, or that its owner made read-only, is refused. Failures are
// false; the reason goes to the tocsimo.store log.
class StagedFile {
public:
    explicit StagedFile(const QString &fileName);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    bool Stage(const QByteArray &contents);
    bool Commit();

    // For undoing a commit: KeepPrevious links the present file under a hidden
    // name beside it (true when there was none to keep); PutPreviousBack, after
    // Commit, returns the file to what it was, removing it if it did not exist.
    // The kept link is removed when the object ends.
    bool KeepPrevious();
    bool PutPreviousBack();

    // The hidden temporary Stage writes: one fixed name beside the file that
    // is really replaced, so kills never pile temporaries up.
    QString TemporaryPath() const;

private:
    bool Fail(const char *why) const;

    QString fileName_;
    QByteArray target_; // what the chain of links ends in; empty on a loop
    QByteArray base_, temporary_, previous_;
    FileDescriptor folder_{-1};
    bool exists_ = false;
    bool staged_ = false;
    bool keptPrevious_ = false;
};
