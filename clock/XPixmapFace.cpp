#include "clock/XPixmapFace.h"

#include "app/XConnection.h"

#include <QSysInfo>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace {
struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

// Whether the server took every request sent, in one round trip: the first
// check waits for an answer that comes after all of them.
bool Taken(xcb_connection_t *connection, const std::vector<xcb_void_cookie_t> &sent)
{
    bool taken = true;
    for (const xcb_void_cookie_t cookie : sent) {
        if (xcb_generic_error_t *error = xcb_request_check(connection, cookie)) {
            std::free(error);
            taken = false;
        }
    }
    return taken;
}

// Whether the pixels of a QImage in Format_RGB32 are, byte for byte, what
// the server keeps for this depth and visual.
bool SameLayout(const xcb_setup_t *setup, uint8_t depth, xcb_visualid_t visual)
{
    const uint8_t ourOrder =
        QSysInfo::ByteOrder == QSysInfo::LittleEndian ? XCB_IMAGE_ORDER_LSB_FIRST : XCB_IMAGE_ORDER_MSB_FIRST;
    if ((depth != 24 && depth != 32) || setup->image_byte_order != ourOrder)
        return false;
    bool fourBytes = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == depth)
            fourBytes = f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    if (!fourBytes)
        return false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s))
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == visual)
                    return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xff0000 &&
                           v.data->green_mask == 0xff00 && v.data->blue_mask == 0xff;
    return false;
}
} // namespace

std::unique_ptr<XPixmapFace> XPixmapFace::ForWindow(QWidget *window)
{
    xcb_connection_t *connection = XConnection();
    if (!connection)
        return nullptr;
    const auto id = xcb_window_t(window->winId());
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr));
    if (!geometry || !attributes || !SameLayout(xcb_get_setup(connection), geometry->depth, attributes->visual))
        return nullptr;
    return std::unique_ptr<XPixmapFace>(new XPixmapFace(connection, window, geometry->depth));
}

XPixmapFace::XPixmapFace(xcb_connection_t *connection, QWidget *window, uint8_t depth)
    : connection_(connection), window_(window), depth_(depth), gc_(xcb_generate_id(connection))
{
    // Opaque black where no picture lies. No exposure events after a copy:
    // nothing reads them, and each would wake the program.
    const uint32_t values[] = {depth == 32 ? 0xff000000u : 0u, 0};
    xcb_create_gc(connection_, gc_, xcb_window_t(window->winId()), XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES,
                  values);
}

XPixmapFace::~XPixmapFace()
{
    for (const uint32_t pixmap : std::as_const(pixmaps_))
        xcb_free_pixmap(connection_, pixmap);
    if (face_)
        xcb_free_pixmap(connection_, face_);
    xcb_free_gc(connection_, gc_);
    xcb_flush(connection_);
}

uint32_t XPixmapFace::Send(const QImage &picture, Sent &sent)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const xcb_pixmap_t pixmap = xcb_generate_id(connection_);
    sent.push_back(xcb_create_pixmap_checked(connection_, depth_, pixmap, xcb_window_t(window_->winId()),
                                             uint16_t(pixels.width()), uint16_t(pixels.height())));
    // As many rows a request as the server takes (a request's header is 24 bytes).
    const uint64_t maxBytes = uint64_t(xcb_get_maximum_request_length(connection_)) * 4;
    const int rowBytes = int(pixels.bytesPerLine());
    const int rowsEach = int(std::max<uint64_t>(1, (maxBytes - 24) / uint64_t(rowBytes)));
    for (int y = 0; y < pixels.height(); y += rowsEach) {
        const int rows = std::min(rowsEach, pixels.height() - y);
        sent.push_back(xcb_put_image_checked(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc_,
                                             uint16_t(pixels.width()), uint16_t(rows), 0, int16_t(y), 0, depth_,
                                             uint32_t(rows * rowBytes), pixels.constScanLine(y)));
    }
    return pixmap;
}

bool XPixmapFace::Hold(const QList<QImage> &pictures)
{
    QHash<qint64, uint32_t> held;
    Sent sent;
    for (const QImage &picture : pictures) {
        if (picture.isNull() || held.contains(picture.cacheKey()))
            continue;
        uint32_t pixmap = pixmaps_.take(picture.cacheKey());
        if (!pixmap)
            pixmap = Send(picture, sent);
        held.insert(picture.cacheKey(), pixmap);
    }
    for (const uint32_t pixmap : std::as_const(pixmaps_))
        xcb_free_pixmap(connection_, pixmap);
    pixmaps_ = held;
    return Taken(connection_, sent);
}

bool XPixmapFace::Resize(QSize size)
{
    if (face_)
        xcb_free_pixmap(connection_, face_);
    face_ = xcb_generate_id(connection_);
    size_ = size;
    const Sent sent{xcb_create_pixmap_checked(connection_, depth_, face_, xcb_window_t(window_->winId()),
                                              uint16_t(size.width()), uint16_t(size.height()))};
    if (!Taken(connection_, sent)) {
        face_ = 0;
        size_ = QSize();
        return false;
    }
    Clear(QRect(QPoint(), size));
    return true;
}

bool XPixmapFace::Draw(const QImage &picture, QPoint from, const QRect &to)
{
    if (picture.isNull())
        return true;
    uint32_t pixmap = pixmaps_.value(picture.cacheKey());
    if (!pixmap) {
        // Loaded since the last Hold: a new background, drawn as soon as it
        // loads, or a picture of a skin that failed to load part-way.
        Sent sent;
        pixmap = Send(picture, sent);
        pixmaps_.insert(picture.cacheKey(), pixmap);
        if (!Taken(connection_, sent))
            return false;
    }
    xcb_copy_area(connection_, pixmap, face_, gc_, int16_t(from.x()), int16_t(from.y()), int16_t(to.x()),
                  int16_t(to.y()), uint16_t(to.width()), uint16_t(to.height()));
    return true;
}

void XPixmapFace::Clear(const QRect &area)
{
    const xcb_rectangle_t r{int16_t(area.x()), int16_t(area.y()), uint16_t(area.width()), uint16_t(area.height())};
    xcb_poly_fill_rectangle(connection_, face_, gc_, 1, &r);
}

void XPixmapFace::Show(const QRegion &region)
{
    const auto window = xcb_window_t(window_->winId());
    for (const QRect &r : region & QRect(QPoint(), size_))
        xcb_copy_area(connection_, face_, window, gc_, int16_t(r.x()), int16_t(r.y()), int16_t(r.x()), int16_t(r.y()),
                      uint16_t(r.width()), uint16_t(r.height()));
    xcb_flush(connection_);
}
