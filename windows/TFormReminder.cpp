#include "windows/TFormReminder.h"

TFormReminder *FormReminder = nullptr;

// The window that shows a due alarm.
TFormReminder::TFormReminder(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormReminder"));
    setWindowTitle(QStringLiteral("Alarm"));
}
