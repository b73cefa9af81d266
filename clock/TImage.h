#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

class QMouseEvent;

// One picture slot of the clock face: a picture at a position, sized to the
// picture, drawn opaque by the window that owns it. The owner hears of every
// change with the slot's place before and after it; putting in the picture it
// already shows, or setting the place it already has, is no change.
class TImage {
public:
    using Changed = std::function<void(const QRect &before, const QRect &after)>;
    TImage(const char *name, Changed changed) : name_(QLatin1String(name)), changed_(std::move(changed)) {}

    const QString &Name() const { return name_; }
    const QImage &Picture() const { return picture_; }
    QPoint Pos() const { return pos_; }
    bool Visible() const { return visible_; }
    QRect Rect() const { return visible_ ? QRect(pos_, picture_.size()) : QRect(); }

    void SetPicture(const QImage &picture);
    void Move(QPoint pos);
    void SetVisible(bool visible);

    std::function<void(QMouseEvent *)> OnMouseDown;

    // A skin's Windows bitmap, or a null picture when the file cannot be
    // opened: missing, not a regular file, too large, not a bitmap, or with
    // less pixel data than its header promises (a cut-off file would show
    // whatever memory held).
    static QImage LoadBitmap(const QString &path);

private:
    template <class Change>
    void Changing(Change change);

    QString name_;
    Changed changed_;
    QImage picture_;
    QPoint pos_;
    bool visible_ = true;
};
