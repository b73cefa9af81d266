#include "clock/TFormAbout.h"

TFormAbout *FormAbout = nullptr;

// The About box.
TFormAbout::TFormAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("About Tocsimo"));
}
