#include "clock/ProgramIcon.h"

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128})
        icon.addFile(QStringLiteral(":/pictures/icons/tocsimo-%1.png").arg(size), QSize(size, size));
    return icon;
}
