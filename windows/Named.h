#pragma once

#include <QLatin1String>

// A new widget (or timer) with its control name, which tests find it by.
template <class W>
W *Named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
