#include "clock/TImage.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget *parent, const char *name) : QWidget(parent)
{
    setObjectName(QLatin1String(name));
    // Every pixel is drawn: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(0, 0);
}

void TImage::SetPicture(const QPixmap &picture)
{
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    resize(picture_.size());
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    if (OnMouseDown)
        OnMouseDown(event);
    // Other buttons go on to the window (the right button's menu).
    event->setAccepted(event->button() == Qt::LeftButton);
}

void TImage::mouseMoveEvent(QMouseEvent *event)
{
    if (OnMouseMove)
        OnMouseMove(event);
    event->ignore();
}
