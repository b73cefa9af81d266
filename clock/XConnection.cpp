#include "clock/XConnection.h"

#include <QGuiApplication>

xcb_connection_t *XConnection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
