#pragma once

#include "app/DateTime.h"
#include "app/TIniFile.h"
#include "clock/FaceLayout.h"
#include "clock/SkinProfile.h"
#include "clock/TrayShell.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAbstractButton;
class QAction;
class QMenu;
class QMouseEvent;
class QTimer;
class TImage;
class THelpWindow;
class TSysTray;
class XPixmapFace;

// The desktop clock: a small frameless window that floats above the others and
// shows the time as pictures of the current skin, cut to the outline of the
// skin's background. It is the main window: closing it ends the program. Its
// popup menu, also opened from the tray icon, leads to the rest of the program.
class TFormClock : public QWidget {
    Q_OBJECT
public:
    // The tray shell is the desktop's unless a test passes its own.
    explicit TFormClock(std::unique_ptr<ITrayShell> trayShell = nullptr);
    ~TFormClock() override;

    // Another copy of the program was started: come to the front, but only
    // when the clock is showing (a clock hidden in the tray stays hidden).
    void RaiseIfVisible();

    // Face slots, bottom to top.
    TImage *ImageBack = nullptr;
    TImage *ImageHour1 = nullptr;
    TImage *ImageHour2 = nullptr;
    TImage *ImageMin1 = nullptr;
    TImage *ImageMin2 = nullptr;
    TImage *ImageSec1 = nullptr;
    TImage *ImageSec2 = nullptr;
    TImage *ImageAMorPM = nullptr;
    TImage *ImageColon1 = nullptr;
    TImage *ImageColon2 = nullptr;

    // The popup menu and its items.
    QMenu *PopupMenu = nullptr;
    QAction *Sendtotray = nullptr;
    QAction *N1 = nullptr;
    QAction *Alarms1 = nullptr;
    QAction *Options1 = nullptr;
    QAction *Skins1 = nullptr;
    QAction *MenuSkinDigital = nullptr;
    QAction *MenuSkinSantaClaus = nullptr;
    QAction *N4 = nullptr;
    QAction *menuAbout = nullptr;
    QAction *Help1 = nullptr;
    QAction *N2 = nullptr;
    QAction *menuExit = nullptr;

    TSysTray *SysTray = nullptr;
    // The face's tick: at each half-second boundary, not every 50 ms.
    QTimer *Timer1 = nullptr;

    // Face state.
    QString SkinName;
    std::optional<TIniFile> SkinFile;
    SkinProfile Profile;
    std::array<QImage, 10> HourDigits, MinuteDigits, SecondDigits;
    QImage PicAM, PicPM, PicColonOn, PicColonOff;
    bool Is24Hour = false;
    bool Was24Hour = false;
    int HalfPhase = 0;
    bool FirstTick = false;
    FaceState Face;

    // Face operations.
    void ApplyLayout();
    void LoadSkin();
    void ApplySkin();
    void RenderFace();
    void RenderFaceAt(const TimeOfDay &time);
    void SwitchSkin(const QString &skinName);
    void Timer1Timer();

    // Handlers.
    void FormCreate();
    void FormClose(); // an error keeps the window open
    void FormKeyDown(int key);
    void SendtotrayClick();
    void Alarms1Click();
    void Options1Click();
    void MenuSkinDigitalClick();
    void MenuSkinSantaClausClick();
    void menuAboutClick();
    void Help1Click();
    void menuExitClick();
    void SysTrayIconDoubleClick();
    // Every face slot drags the window with the left button; the two colons share one.
    void ImageBackMouseDown(QMouseEvent *event);
    void ImageHour1MouseDown(QMouseEvent *event);
    void ImageHour2MouseDown(QMouseEvent *event);
    void ImageMin1MouseDown(QMouseEvent *event);
    void ImageMin2MouseDown(QMouseEvent *event);
    void ImageSec1MouseDown(QMouseEvent *event);
    void ImageSec2MouseDown(QMouseEvent *event);
    void ImageAMorPMMouseDown(QMouseEvent *event);
    void ImageColon1MouseDown(QMouseEvent *event);

    // Whether the desktop has a notification area: without one the clock is never hidden.
    bool TrayAvailable() const;
    // A notification area came or went, as the desktop told.
    void TrayAvailableChanged();

    // The help window, once the help has been asked for.
    THelpWindow *HelpWindow = nullptr;

    // Time from a moment of the second (its milliseconds) to the face's next tick.
    static int MsToNextFaceTick(int ms);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    QPaintEngine *paintEngine() const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void BuildFace();
    void BuildMenu();
    void BuildTray(std::unique_ptr<ITrayShell> shell);
    QImage LoadPicture(const QString &fileName) const;
    const QImage &PictureOf(FacePicture picture) const;
    // A slot changed: its old and new place are composed afresh and marked for painting.
    void SlotChanged(const QRect &before, const QRect &after);
    void Compose(QRect area);
    // Hands each visible part of the slots within the area to draw, bottom to
    // top: the picture, the picture's pixel at the part's top-left, the part.
    // Stops at the first draw that fails.
    using DrawPart = std::function<bool(const QImage &picture, QPoint from, const QRect &part)>;
    bool EachPart(const QRect &area, const DrawPart &draw) const;
    bool ComposeOnServer(QRect area);
    void ComposeOnClient(QRect area);
    // The X server could not take the face: it is put together here from now on.
    void FaceOnClient();
    void DragByFace(QMouseEvent *event);
    // Presses one of the manager's page buttons, then shows it modally unless it is showing.
    void ShowManager(QAbstractButton *pageButton);
    // Opens the popup menu with its right edge at a point of the screen.
    void OpenPopupMenu(QPoint at);
    // The popup menu offers "Send to tray" only where the clock can come back from it.
    void OfferSendToTray();
    // A window already showing comes back from being minimised, to the front.
    static void BringForward(QWidget *window);
    void ChooseSkin(const QString &skinName, QAction *chosen, QAction *other);
    // The scheduler's tick just came: a face tick due within moments is done now, in the same wake-up.
    void ShareSchedulerWakeUp();
    // The time the clock shows, as a screen reader reads it.
    void NameTheTime(const DateTimeParts &now);
    QString spokenTime_;

    // The face slots, bottom to top.
    std::array<std::unique_ptr<TImage>, kFaceSlotCount> slots_;
    // On X11, the face held by the X server, which puts it together from
    // the skin's pictures; null where it cannot, and the face is then
    // composed here.
    std::unique_ptr<XPixmapFace> xface_;
    // Otherwise the face as it shows, composed from the slots as they change,
    // so a repaint is a single copy of the part that changed.
    QImage face_;
    // What changed on the face since it was last painted, as one rectangle:
    // the colons and the seconds of a render are painted and sent to the
    // display together.
    QRect dirty_;
    void RepaintDirty();
    bool centred_ = false;
    // Where the clock was when it went to the tray; empty while it is not there.
    std::optional<QPoint> hiddenAt_;
    // Set while the auto-hide waits for a notification area to hide into.
    std::optional<QDeadlineTimer> autoHideWaits_;
    // A left press on the face, and whether the window follows the pointer
    // by our own moves (where the window manager cannot move it).
    enum class Drag { None, Pressed, Following };
    Drag drag_ = Drag::None;
    QPoint dragOffset_;
    bool sharingWakeUps_ = false;
};

extern TFormClock *FormClock;
