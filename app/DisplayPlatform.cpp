#include "app/DisplayPlatform.h"

#include <QtGlobal>

QByteArray PreferredPlatform(const QByteArray &qpaPlatform, const QByteArray &sessionType,
                             const QByteArray &waylandDisplay, const QByteArray &x11Display)
{
    if (!qpaPlatform.isEmpty())
        return {};
    const bool wayland = !waylandDisplay.isEmpty() || sessionType == "wayland";
    // Without an X server (no XWayland) Qt's Wayland platform is all there is.
    if (wayland && !x11Display.isEmpty())
        return QByteArrayLiteral("xcb");
    return {};
}

void ChooseDisplayPlatform()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    const QByteArray platform = PreferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                                                  qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}
