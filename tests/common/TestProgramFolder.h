#pragma once

#include "app/DateTime.h"

#include <QTemporaryDir>

#include <functional>

// A fresh program folder for a test: an empty temporary folder holding an
// empty alarm/ folder, where the program reads and writes its files while the
// fixture lives; and, when one is given, a fake clock in place of the real
// one. The real folder and clock come back when the fixture ends.
class TestProgramFolder {
public:
    explicit TestProgramFolder(std::function<TDateTime()> clock = {});
    ~TestProgramFolder();
    Q_DISABLE_COPY_MOVE(TestProgramFolder)

    // As QTemporaryDir's: the folder (without a last "/"), and a path in it.
    QString path() const { return dir_.path(); }
    QString filePath(const QString &relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
};
