#include "windows/TFormReminder.h"

TFormReminder *FormReminder = nullptr;

// The window that shows a due alarm (being written).
TFormReminder::TFormReminder(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormReminder"));
    setWindowTitle(QStringLiteral("Alarm"));
}

void TFormReminder::Button1Click()
{
    exec();
}
