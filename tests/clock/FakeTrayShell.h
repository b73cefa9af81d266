#pragma once

#include "clock/TrayShell.h"

#include <QList>

// A desktop shell that records what the tray icon asks of it.
class FakeTrayShell : public ITrayShell {
public:
    struct Call {
        TNotifyCommand command;
        QString tip;
        bool hasIcon;
    };
    struct Popup {
        QMenu *menu;
        QPoint at;
        TPopupAlign align;
    };
    // Shared with the test, since the tray icon owns the shell.
    struct Log {
        QList<Call> calls;
        QList<Popup> popups;
        int foregrounds = 0;
        QPoint cursor{500, 10};
        bool available = true;
    };

    explicit FakeTrayShell(Log &log) : log_(log) {}

    void NotifyIcon(TNotifyCommand command, const TNotifyIconData &data) override
    {
        log_.calls.append({command, data.Tip, !data.Icon.isNull()});
    }
    QPoint CursorPos() const override { return log_.cursor; }
    void SetForeground(QWidget *) override { ++log_.foregrounds; }
    void Popup(QMenu *menu, QPoint at, TPopupAlign align) override { log_.popups.append({menu, at, align}); }
    bool Available() const override { return log_.available; }

    // A mouse notification from the desktop.
    void Click(int code, int iconId = 0) { Deliver(iconId, code); }
    // The desktop's notification area comes or goes.
    void SetAvailable(bool available)
    {
        log_.available = available;
        AvailableChanged();
    }

private:
    Log &log_;
};
