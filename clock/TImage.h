#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

class QMouseEvent;

// One picture slot of the clock face: shows its picture opaque and sizes
// itself to it. Putting in the picture it already shows repaints nothing.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget *parent, const char *name);

    void SetPicture(const QPixmap &picture);
    const QPixmap &Picture() const { return picture_; }

    std::function<void(QMouseEvent *)> OnMouseDown;
    std::function<void(QMouseEvent *)> OnMouseMove;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap picture_;
};
