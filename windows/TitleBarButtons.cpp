#include "windows/TitleBarButtons.h"

#include "app/XConnection.h"

#include <QWidget>

#include <xcb/xcb.h>

#include <array>

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
    xcb_connection_t *connection = XConnection();
    if (!connection || !window)
        return;
    const xcb_atom_t hints = XAtom("_MOTIF_WM_HINTS");
    if (hints == XCB_ATOM_NONE)
        return;
    const std::array<uint32_t, 5> value = {kHintsFunctions | kHintsDecorations, kFunctionMove,
                                           kDecorBorder | kDecorTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), hints, hints, 32,
                        uint32_t(value.size()), value.data());
    xcb_flush(connection);
}
