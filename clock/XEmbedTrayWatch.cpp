#include "clock/XEmbedTrayWatch.h"

#include "app/XConnection.h"

#include <QByteArray>
#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>

std::unique_ptr<XEmbedTrayWatch> XEmbedTrayWatch::Create()
{
    xcb_connection_t *connection = XConnection();
    if (!connection)
        return nullptr;
    const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    // Qt has agreed on the extension's version for this connection already.
    if (!xfixes || !xfixes->present)
        return nullptr;

    // The tray of the screen the program's windows are on.
    const int screen = XScreenNumber();
    xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screen && roots.rem > 1; ++i)
        xcb_screen_next(&roots);
    const xcb_atom_t selection = XAtom("_NET_SYSTEM_TRAY_S" + QByteArray::number(screen));
    if (selection == XCB_ATOM_NONE)
        return nullptr;

    // Notices first, then the owner now: a tray that comes in between is told of too.
    xcb_xfixes_select_selection_input(connection, roots.data->root, selection,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool present = owner && owner->owner != XCB_NONE;
    std::free(owner);

    std::unique_ptr<XEmbedTrayWatch> watch(
        new XEmbedTrayWatch(selection, quint8(xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY), present));
    qGuiApp->installNativeEventFilter(watch.get());
    return watch;
}

XEmbedTrayWatch::XEmbedTrayWatch(quint32 selection, quint8 notifyEvent, bool present)
    : selection_(selection), notifyEvent_(notifyEvent), present_(present)
{
}

bool XEmbedTrayWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != notifyEvent_)
        return false;
    const auto *notice = reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event);
    if (notice->selection != selection_)
        return false;
    const bool present = notice->owner != XCB_NONE;
    if (present != present_) {
        present_ = present;
        emit Changed();
    }
    // Qt handles the notice as well.
    return false;
}
