#pragma once

#include "clock/TrayShell.h"

#include <QFlags>
#include <QObject>

#include <memory>

class QMenu;
class QWidget;

enum TPopupModeFlag { pmLeftClick = 1, pmRightClick = 2, pmLeftDblClick = 4, pmRightDblClick = 8 };
using TPopupMode = QFlags<TPopupModeFlag>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TPopupMode)

enum class TMouseButton { mbLeft, mbRight };

class TSysTray;
using TMouseEvent = std::function<void(TSysTray *Sender, TMouseButton Button, int X, int Y)>;

// The program's icon in the notification area: registers it with the shell
// while Active, and turns the shell's mouse notifications into the popup menu
// and two events.
class TSysTray : public QObject {
    Q_OBJECT
public:
    // Mouse codes of the shell's notifications.
    enum : int { LeftButtonDown = 513, LeftDoubleClick = 515, RightButtonDown = 516, RightDoubleClick = 518 };
    static constexpr int kHintLength = 63;

    TSysTray(QWidget *owner, std::unique_ptr<ITrayShell> shell);
    ~TSysTray() override;

    bool Active() const { return active_; }
    void SetActive(bool value);
    const QIcon &Icon() const { return icon_; }
    void SetIcon(const QIcon &value);
    const QString &Hint() const { return hint_; }
    void SetHint(const QString &value);

    QMenu *PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu *value);
    TPopupMode PopupMode = pmRightClick;
    TPopupAlign PopupAlign = paRight;
    TMouseEvent OnIconMouseDown;
    TMouseEvent OnIconDoubleClick;

    // A notification from the shell. False when it is not one of the four
    // mouse codes (or not for this icon) and gets no handling.
    bool HandleMessage(int iconId, int code);

    ITrayShell &Shell() { return *shell_; }

private:
    void Notify(TNotifyCommand command);

    QWidget *owner_;
    std::unique_ptr<ITrayShell> shell_;
    bool active_ = false;
    QIcon icon_;
    QString hint_ = QStringLiteral("SysTray Component.");
    QMenu *popupMenu_ = nullptr;
    TNotifyIconData data_;
};
