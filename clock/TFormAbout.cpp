#include "clock/TFormAbout.h"

#include "clock/ProgramIcon.h"
#include "windows/FitCaptions.h"

#include <QLabel>
#include <QPushButton>

TFormAbout *FormAbout = nullptr;

TFormAbout::TFormAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(tr("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(255, 137);

    // The picture is drawn when the box first shows, not at start-up.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 32, 32);

    Label1 = new QLabel(QStringLiteral("Tocsimo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 241, 24);
    Label1->setAlignment(Qt::AlignCenter);
    QFont title = font();
    title.setPixelSize(19);
    title.setBold(true);
    Label1->setFont(title);

    Label3 = new QLabel(tr("Version %1").arg(QStringLiteral(TOCSIMO_VERSION)), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(6, 32, 243, 13);
    Label3->setAlignment(Qt::AlignCenter);

    ButtonOK = new QPushButton(tr("&OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setGeometry(88, 96, 73, 25);
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormAbout::ButtonOKClick);
    FitCaptions(this);
}

void TFormAbout::ButtonOKClick()
{
    accept();
}

void TFormAbout::showEvent(QShowEvent *event)
{
    if (Image1->pixmap().isNull())
        Image1->setPixmap(ProgramIcon().pixmap(32, 32));
    QDialog::showEvent(event);
}
