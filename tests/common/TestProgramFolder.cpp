#include "TestProgramFolder.h"

#include "app/Now.h"
#include "app/ProgramFolder.h"

#include <QDir>

TestProgramFolder::TestProgramFolder(std::function<TDateTime()> clock)
{
    QDir(dir_.path()).mkpath(QStringLiteral("alarm"));
    SetProgramFolderOverride(dir_.path());
    if (clock)
        SetNowOverride(std::move(clock));
}

TestProgramFolder::~TestProgramFolder()
{
    SetNowOverride({});
    SetProgramFolderOverride({});
}
