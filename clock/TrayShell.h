#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>

#include <functional>

class QMenu;
class QWidget;

enum TPopupAlign { paLeft, paRight, paCenter };

// Pops a menu up at a point, modally: with paRight its right edge is at the
// point, with paCenter its middle.
void PopupMenuAt(QMenu *menu, QPoint at, TPopupAlign align);

// The shell's notification-icon record, filled afresh before every add and modify.
struct TNotifyIconData {
    int Id = 0;
    QIcon Icon;
    QString Tip; // at most 63 characters
};

enum class TNotifyCommand { Add = 0, Modify = 1, Delete = 2 };

// What the tray icon needs of the desktop: registering the icon, the pointer,
// the foreground, a modal popup menu. Notifications come back through the
// receiver as (icon identifier, mouse code).
class ITrayShell {
public:
    virtual ~ITrayShell() = default;
    virtual void NotifyIcon(TNotifyCommand command, const TNotifyIconData &data) = 0;
    virtual QPoint CursorPos() const = 0;
    virtual void SetForeground(QWidget *owner) = 0;
    virtual void Popup(QMenu *menu, QPoint at, TPopupAlign align) = 0;
    // The menu of a right click, for a desktop that shows the icon's menu
    // itself (a status-notifier panel); others leave the popping up to us.
    virtual void SetMenu(QMenu *) {}
    // Whether the desktop has a notification area to show the icon in now.
    virtual bool Available() const = 0;
    // Called whenever Available() changes, as the desktop tells of it.
    std::function<void()> OnAvailableChanged;

    using Receiver = std::function<void(int iconId, int code)>;
    void SetReceiver(Receiver receiver) { receiver_ = std::move(receiver); }

protected:
    void Deliver(int iconId, int code) const
    {
        if (receiver_)
            receiver_(iconId, code);
    }
    void AvailableChanged() const
    {
        if (OnAvailableChanged)
            OnAvailableChanged();
    }

private:
    Receiver receiver_;
};
