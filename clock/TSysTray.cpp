#include "clock/TSysTray.h"

#include <QMenu>
#include <QWidget>

TSysTray::TSysTray(QWidget *owner, std::unique_ptr<ITrayShell> shell) : QObject(owner), owner_(owner), shell_(std::move(shell))
{
    shell_->SetReceiver([this](int iconId, int code) { HandleMessage(iconId, code); });
}

TSysTray::~TSysTray()
{
    if (active_)
        shell_->NotifyIcon(TNotifyCommand::Delete, data_);
}

void TSysTray::Notify(TNotifyCommand command)
{
    // Delete uses the record as it was last filled.
    if (command != TNotifyCommand::Delete)
        data_ = TNotifyIconData{0, icon_, hint_};
    shell_->NotifyIcon(command, data_);
}

void TSysTray::SetActive(bool value)
{
    if (value == active_)
        return;
    active_ = value;
    Notify(value ? TNotifyCommand::Add : TNotifyCommand::Delete);
}

void TSysTray::SetIcon(const QIcon &value)
{
    icon_ = value;
    if (active_)
        Notify(TNotifyCommand::Modify);
}

void TSysTray::SetHint(const QString &value)
{
    hint_ = value.left(kHintLength);
    if (active_)
        Notify(TNotifyCommand::Modify);
}

void TSysTray::SetPopupMenu(QMenu *value)
{
    popupMenu_ = value;
    shell_->SetMenu(value);
}

bool TSysTray::HandleMessage(int iconId, int code)
{
    if (iconId != 0)
        return false;
    struct Action {
        TPopupModeFlag mode;
        TMouseButton button;
        bool doubleClick;
    };
    Action action{};
    switch (code) {
    case LeftButtonDown: action = {pmLeftClick, TMouseButton::mbLeft, false}; break;
    case RightButtonDown: action = {pmRightClick, TMouseButton::mbRight, false}; break;
    case LeftDoubleClick: action = {pmLeftDblClick, TMouseButton::mbLeft, true}; break;
    case RightDoubleClick: action = {pmRightDblClick, TMouseButton::mbRight, true}; break;
    default: return false;
    }
    const QPoint at = shell_->CursorPos();
    if (PopupMode.testFlag(action.mode) && popupMenu_) {
        shell_->SetForeground(owner_);
        shell_->Popup(popupMenu_, at, PopupAlign);
    }
    const TMouseEvent &event = action.doubleClick ? OnIconDoubleClick : OnIconMouseDown;
    if (event) {
        shell_->SetForeground(owner_);
        event(this, action.button, at.x(), at.y());
    }
    return true;
}
