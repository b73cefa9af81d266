#include "clock/TFormClock.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>

TFormClock *FormClock = nullptr;

TFormClock::TFormClock(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormClock"));
    // The title is never shown, but it names the window to the window manager.
    setWindowTitle(QStringLiteral("Tocsimo"));
    setFixedSize(168, 132);
}

void TFormClock::RaiseIfVisible()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

void TFormClock::closeEvent(QCloseEvent *event)
{
    event->accept();
    // The other windows are destroyed without their close handlers.
    QCoreApplication::quit();
}

void TFormClock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0));
}
