#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <xcb/xcb.h>

#include <cstdint>
#include <memory>
#include <vector>

class QWidget;

// The clock face drawn by the X server from pictures it already holds. Each
// picture goes to the server once, as a pixmap; the face is put together from
// them in a pixmap of the window's size and copied to the window where it
// changed. A tick then sends a few small copy requests and no pixels, and
// asks for nothing back, so no answer wakes the program.
class XPixmapFace {
public:
    // Null unless the window is an X11 window whose pixels this class writes
    // as they are: a true-colour visual 24 or 32 bits deep, stored in 32 bits
    // a pixel in this machine's byte order. Creates the native window.
    static std::unique_ptr<XPixmapFace> ForWindow(QWidget *window);
    ~XPixmapFace();
    XPixmapFace(const XPixmapFace &) = delete;
    XPixmapFace &operator=(const XPixmapFace &) = delete;

    // Sends the server the pictures the face may show that it does not hold
    // yet, and lets go of every other. False when the server could not take them.
    bool Hold(const QList<QImage> &pictures);
    // A face of a new size, black until pictures are drawn into it. False
    // when the server could not take it.
    bool Resize(QSize size);
    QSize Size() const { return size_; }
    // Draws part of a picture into the face: its pixel `from` lands at the
    // top-left of `to`. A picture not held yet is sent first; false when the
    // server could not take it.
    bool Draw(const QImage &picture, QPoint from, const QRect &to);
    // Makes part of the face black.
    void Clear(const QRect &area);
    // Copies the face to the window where it lies in the region.
    void Show(const QRegion &region);

private:
    XPixmapFace(xcb_connection_t *connection, QWidget *window, uint8_t depth);
    // Requests sent and not yet known to be taken.
    using Sent = std::vector<xcb_void_cookie_t>;
    // Sends a picture to a new pixmap.
    uint32_t Send(const QImage &picture, Sent &sent);

    xcb_connection_t *connection_;
    QWidget *window_;
    uint8_t depth_;
    uint32_t gc_ = 0;
    uint32_t face_ = 0;
    QSize size_;
    // The pictures held, by their cache key: copies of a picture share one pixmap.
    QHash<qint64, uint32_t> pixmaps_;
};
