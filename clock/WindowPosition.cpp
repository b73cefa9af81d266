#include "clock/WindowPosition.h"

#include "app/XConnection.h"

#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

void SyncWindowPosition(QWidget *window)
{
    xcb_connection_t *connection = XConnection();
    QWindow *handle = window->windowHandle();
    if (!connection || !handle)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, xcb_window_t(window->winId()), root, 0, 0), nullptr);
    if (!reply)
        return;
    // The server counts the screen's pixels; Qt counts its own, which are
    // larger when Qt scales windows.
    const QPoint actual = QPoint(reply->dst_x, reply->dst_y) / handle->devicePixelRatio();
    std::free(reply);
    if (handle->position() != actual)
        handle->setPosition(actual);
}

bool LeftButtonHeld()
{
    xcb_connection_t *connection = XConnection();
    if (!connection)
        return true;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_query_pointer_reply_t *reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    if (!reply)
        return false;
    const bool held = reply->mask & XCB_BUTTON_MASK_1;
    std::free(reply);
    return held;
}
