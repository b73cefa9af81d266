#include "windows/TitleBarButtons.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>

namespace {
// The Motif window manager hints: flags, functions, decorations, input mode, status.
constexpr uint32_t kHintsFunctions = 1u << 0;
constexpr uint32_t kHintsDecorations = 1u << 1;
constexpr uint32_t kFunctionMove = 1u << 2;
constexpr uint32_t kDecorBorder = 1u << 1;
constexpr uint32_t kDecorTitle = 1u << 3;
} // namespace

void AskForTitleBarWithoutButtons(QWidget *window)
{
    // (The offscreen platform answers for X11 too, without a connection.)
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window)
        return;
    static constexpr char kName[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(kName)), kName), nullptr);
    if (!reply)
        return;
    const xcb_atom_t hints = reply->atom;
    std::free(reply);
    const std::array<uint32_t, 5> value = {kHintsFunctions | kHintsDecorations, kFunctionMove,
                                           kDecorBorder | kDecorTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), hints, hints, 32,
                        uint32_t(value.size()), value.data());
    xcb_flush(connection);
}
