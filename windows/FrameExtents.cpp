#include "windows/FrameExtents.h"

#include "app/XConnection.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace {
// An answer comes within a millisecond or two, on a busy machine within a
// tenth of a second or more; a window manager that does not answer costs no
// more than this, once per window.
constexpr int kAnswerMs = 300;

// The CARDINAL[4] property left, right, top, bottom.
std::optional<QMargins> Extents(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t atom)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atom, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    if (!reply)
        return std::nullopt;
    std::optional<QMargins> margins;
    if (reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        const auto *v = static_cast<const uint32_t *>(xcb_get_property_value(reply));
        margins = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
    }
    std::free(reply);
    return margins;
}

bool Supported(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t feature)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, XAtom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096),
        nullptr);
    if (!reply)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
    const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
    bool found = false;
    for (int i = 0; i < count && !found; ++i)
        found = atoms[i] == feature;
    std::free(reply);
    return found;
}
} // namespace

QMargins ExpectedFrameMargins(QWidget *window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    if (inner != outer)
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());

    xcb_connection_t *connection = XConnection();
    if (!connection)
        return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t extents = XAtom("_NET_FRAME_EXTENTS");
    if (const auto known = Extents(connection, id, extents))
        return *known;
    const xcb_atom_t request = XAtom("_NET_REQUEST_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || !Supported(connection, root, request))
        return {};

    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
    const QDeadlineTimer deadline(kAnswerMs);
    while (!deadline.hasExpired()) {
        if (const auto answer = Extents(connection, id, extents))
            return *answer;
        QThread::msleep(1);
    }
    return {};
}
