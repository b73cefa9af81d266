#include "windows/TFormAlarm.h"

TFormAlarm *FormAlarm = nullptr;

// The alarm properties editor.
TFormAlarm::TFormAlarm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAlarm"));
    setWindowTitle(QStringLiteral("Alarm Properties"));
}
