#pragma once

#include <QString>
#include <exception>
#include <functional>

#include "app/Exception.h"

// The standard error box: an error icon, an OK button, titled "Tocsimo".
// A full stop is added when the message's last character sorts after '.'.
QString ErrorBoxText(const QString &message);

// Shows the box (modal). Every error shown to the user goes through here.
void ShowErrorBox(const QString &message);

// Tests capture the box instead of showing it. Pass an empty function to restore.
using ErrorBoxHandler = std::function<void(const QString &text)>;
void SetErrorBoxHandler(ErrorBoxHandler handler);

// Runs one event handler; an error that leaves it is shown in the error box and
// the program goes on. No exception ever reaches Qt's event loop.
template <class F>
bool Guarded(F &&handler)
{
    try {
        handler();
        return true;
    } catch (const Exception &e) {
        ShowErrorBox(e.Message());
    } catch (const std::exception &e) {
        ShowErrorBox(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unexpected error"));
    }
    return false;
}
