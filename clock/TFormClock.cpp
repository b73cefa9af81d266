#include "clock/TFormClock.h"

#include "app/ErrorBox.h"
#include "app/Now.h"
#include "app/ProgramFolder.h"
#include "clock/BuildRegion.h"
#include "clock/ChmLibrary.h"
#include "clock/ProgramIcon.h"
#include "clock/QtTrayShell.h"
#include "clock/TFormAbout.h"
#include "clock/THelpWindow.h"
#include "clock/TImage.h"
#include "clock/TSysTray.h"
#include "clock/WindowPosition.h"
#include "clock/XPixmapFace.h"
#include "windows/AccessibleFactory.h"
#include "windows/OwnerWindow.h"
#include "windows/ReminderText.h"
#include "windows/TFormMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>
#include <QToolButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstring>

TFormClock *FormClock = nullptr;

namespace {
// The face ticks this long after each half-second boundary. The scheduler
// ticks 3 ms after each second begins; a face tick a little later than that
// rides on the scheduler's wake-up at the full second (see ShareSchedulerWakeUp).
constexpr int kPastHalfSecondMs = 12;
// A face tick due within this long when the scheduler's tick comes is done at once.
constexpr int kShareWindowMs = 20;
// The first tick comes this soon after creation, as the 50 ms tick's would:
// the auto-hide must not leave the clock on the screen for long.
constexpr int kFirstTickMs = 50;
// With no notification area known at the first tick, the auto-hide waits
// this long for one: the desktop's answer may still be on its way, and at
// login the panel may start after the program.
constexpr int kAutoHideWaitMs = 60000;
} // namespace

TFormClock::TFormClock(std::unique_ptr<ITrayShell> trayShell)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    InstallAccessibleFactory();
    setObjectName(QStringLiteral("FormClock"));
    // The title is never shown, but it names the window to the window manager.
    setWindowTitle(QStringLiteral("Tocsimo"));
    setFixedSize(168, 132);
    // A Wayland compositor shows the whole window, mask or not: outside the
    // face the window's pixels are see-through instead.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        setAttribute(Qt::WA_TranslucentBackground);

    BuildFace();
    BuildMenu();
    BuildTray(trayShell ? std::move(trayShell) : std::make_unique<QtTrayShell>());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Guarded([this] { Timer1Timer(); });
        Timer1->start(MsToNextFaceTick(NowParts().msec));
    });

    Guarded([this] { FormCreate(); });
}

TFormClock::~TFormClock() = default;

void TFormClock::BuildFace()
{
    // The window paints every pixel of its face itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Where the X server holds the face, Qt paints none of it: Qt's painting
    // would compose each change here and upload it.
    xface_ = XPixmapFace::ForWindow(this);
    setAttribute(Qt::WA_PaintOnScreen, xface_ != nullptr);
    size_t next = 0;
    auto slot = [this, &next](const char *name, void (TFormClock::*handler)(QMouseEvent *)) {
        auto &image = slots_[next++];
        image = std::make_unique<TImage>(name, [this](const QRect &before, const QRect &after) {
            SlotChanged(before, after);
        });
        image->OnMouseDown = [this, handler](QMouseEvent *e) { (this->*handler)(e); };
        return image.get();
    };
    ImageBack = slot("ImageBack", &TFormClock::ImageBackMouseDown);
    ImageHour1 = slot("ImageHour1", &TFormClock::ImageHour1MouseDown);
    ImageHour2 = slot("ImageHour2", &TFormClock::ImageHour2MouseDown);
    ImageMin1 = slot("ImageMin1", &TFormClock::ImageMin1MouseDown);
    ImageMin2 = slot("ImageMin2", &TFormClock::ImageMin2MouseDown);
    ImageSec1 = slot("ImageSec1", &TFormClock::ImageSec1MouseDown);
    ImageSec2 = slot("ImageSec2", &TFormClock::ImageSec2MouseDown);
    ImageAMorPM = slot("ImageAMorPM", &TFormClock::ImageAMorPMMouseDown);
    ImageColon1 = slot("ImageColon1", &TFormClock::ImageColon1MouseDown);
    ImageColon2 = slot("ImageColon2", &TFormClock::ImageColon1MouseDown);
}

void TFormClock::SlotChanged(const QRect &before, const QRect &after)
{
    if (before.intersects(after)) {
        Compose(before | after);
    } else {
        Compose(before);
        Compose(after);
    }
    dirty_ |= before | after;
}

void TFormClock::Compose(QRect area)
{
    // The server holds the pictures at one pixel of the window each: a
    // scaled window (on a high-density screen) is drawn through Qt.
    if (xface_ && (devicePixelRatioF() != 1.0 || !ComposeOnServer(area)))
        FaceOnClient();
    if (!xface_)
        ComposeOnClient(area);
}

bool TFormClock::EachPart(const QRect &area, const DrawPart &draw) const
{
    // Every picture is opaque: what lies under a slot that covers the whole
    // area does not show.
    size_t bottom = 0;
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i]->Rect().contains(area))
            bottom = i;
    for (size_t i = bottom; i < slots_.size(); ++i) {
        const TImage &slot = *slots_[i];
        const QRect part = slot.Rect() & area;
        if (!part.isEmpty() && !draw(slot.Picture(), part.topLeft() - slot.Pos(), part))
            return false;
    }
    return true;
}

bool TFormClock::ComposeOnServer(QRect area)
{
    if (xface_->Size() != size()) {
        // A new size (a new background): everything afresh.
        if (!xface_->Resize(size()))
            return false;
        area = rect();
    }
    area &= rect();
    if (area.isEmpty())
        return true;
    if (ImageBack->Picture().isNull())
        xface_->Clear(area);
    return EachPart(area, [this](const QImage &picture, QPoint from, const QRect &part) {
        return xface_->Draw(picture, from, part);
    });
}

void TFormClock::ComposeOnClient(QRect area)
{
    if (face_.size() != size()) {
        // A new size (a new background): everything afresh.
        face_ = QImage(size(), QImage::Format_RGB32);
        face_.fill(Qt::black);
        area = face_.rect();
    }
    area &= face_.rect();
    if (area.isEmpty())
        return;
    if (ImageBack->Picture().isNull())
        face_.fill(Qt::black);
    // Every picture is opaque and in the face's own format.
    uchar *const face = face_.bits();
    const qsizetype faceLine = face_.bytesPerLine();
    EachPart(area, [face, faceLine](const QImage &picture, QPoint from, const QRect &part) {
        const uchar *source = picture.constBits() + from.y() * picture.bytesPerLine() + from.x() * 4;
        uchar *target = face + part.top() * faceLine + part.left() * 4;
        for (int row = 0; row < part.height(); ++row)
            std::memcpy(target + row * faceLine, source + row * picture.bytesPerLine(), size_t(part.width()) * 4);
        return true;
    });
}

void TFormClock::FaceOnClient()
{
    xface_.reset();
    setAttribute(Qt::WA_PaintOnScreen, false);
    update();
}

bool TFormClock::event(QEvent *event)
{
    // A see-through window (on Wayland, where the mask cuts only the input)
    // is painted inside the face's outline alone: outside it, it stays clear.
    if (event->type() == QEvent::Paint && testAttribute(Qt::WA_TranslucentBackground) && !mask().isEmpty()) {
        QPaintEvent inside(static_cast<QPaintEvent *>(event)->region() & mask());
        return QWidget::event(&inside);
    }
    return QWidget::event(event);
}

void TFormClock::paintEvent(QPaintEvent *event)
{
    if (xface_) {
        if (xface_->Size() != size() || devicePixelRatioF() != 1.0)
            Compose(rect());
        // Drawn through Qt from now on, at the next paint.
        if (!xface_)
            return;
        xface_->Show(event->region());
        return;
    }
    if (face_.size() != size())
        Compose(rect());
    QPainter painter(this);
    for (const QRect &r : event->region())
        painter.drawImage(r.topLeft(), face_, r);
}

QPaintEngine *TFormClock::paintEngine() const
{
    // The X server draws the face: nothing paints on the window through Qt.
    return xface_ ? nullptr : QWidget::paintEngine();
}

void TFormClock::mousePressEvent(QMouseEvent *event)
{
    // The topmost slot under the pointer takes the press.
    const QPoint at = event->position().toPoint();
    for (auto it = slots_.rbegin(); it != slots_.rend(); ++it)
        if ((*it)->Rect().contains(at)) {
            (*it)->OnMouseDown(event);
            break;
        }
}

void TFormClock::BuildMenu()
{
    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    auto item = [this](const char *name, const QString &caption, void (TFormClock::*handler)(), bool glyph) {
        QAction *action = PopupMenu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        if (glyph)
            action->setIcon(QIcon(QStringLiteral(":/pictures/glyphs/%1.png").arg(QLatin1String(name))));
        connect(action, &QAction::triggered, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
        return action;
    };
    auto separator = [this](const char *name) {
        QAction *action = PopupMenu->addSeparator();
        action->setObjectName(QLatin1String(name));
        return action;
    };
    Sendtotray = item("Sendtotray", tr("&Send to tray"), &TFormClock::SendtotrayClick, true);
    N1 = separator("N1");
    Alarms1 = item("Alarms1", tr("&Alarms"), &TFormClock::Alarms1Click, true);
    Options1 = item("Options1", tr("&Options"), &TFormClock::Options1Click, true);

    // The skins other than "Small", in a submenu that is never shown.
    auto *skins = new QMenu(tr("S&kins"), PopupMenu);
    Skins1 = PopupMenu->addMenu(skins);
    Skins1->setObjectName(QStringLiteral("Skins1"));
    Skins1->setVisible(false);
    MenuSkinDigital = skins->addAction(tr("&Digital", "skins menu"));
    MenuSkinDigital->setObjectName(QStringLiteral("MenuSkinDigital"));
    MenuSkinSantaClaus = skins->addAction(tr("&Santa Claus", "skins menu"));
    MenuSkinSantaClaus->setObjectName(QStringLiteral("MenuSkinSantaClaus"));
    for (QAction *a : {MenuSkinDigital, MenuSkinSantaClaus})
        a->setCheckable(true);
    connect(MenuSkinDigital, &QAction::triggered, this, [this] { Guarded([this] { MenuSkinDigitalClick(); }); });
    connect(MenuSkinSantaClaus, &QAction::triggered, this, [this] { Guarded([this] { MenuSkinSantaClausClick(); }); });

    N4 = separator("N4");
    menuAbout = item("menuAbout", tr("A&bout"), &TFormClock::menuAboutClick, true);
    Help1 = item("Help1", tr("&Help"), &TFormClock::Help1Click, true);
    N2 = separator("N2");
    menuExit = item("menuExit", tr("E&xit"), &TFormClock::menuExitClick, true);

    connect(PopupMenu, &QMenu::aboutToShow, this, &TFormClock::OfferSendToTray);
}

void TFormClock::OfferSendToTray()
{
    // Without a notification area a hidden clock could not be brought back.
    const bool offer = TrayAvailable() || !isVisible();
    Sendtotray->setVisible(offer);
    N1->setVisible(offer);
}

void TFormClock::BuildTray(std::unique_ptr<ITrayShell> shell)
{
    SysTray = new TSysTray(this, std::move(shell));
    SysTray->setObjectName(QStringLiteral("SysTray"));
    SysTray->SetActive(true);
    SysTray->SetIcon(ProgramIcon());
    SysTray->SetHint(QStringLiteral("Tocsimo"));
    SysTray->SetPopupMenu(PopupMenu);
    SysTray->PopupMode = pmRightClick;
    SysTray->PopupAlign = paRight;
    SysTray->OnIconDoubleClick = [this](TSysTray *, TMouseButton, int, int) {
        Guarded([this] { SysTrayIconDoubleClick(); });
    };
    SysTray->Shell().OnAvailableChanged = [this] { Guarded([this] { TrayAvailableChanged(); }); };
}

void TFormClock::TrayAvailableChanged()
{
    if (TrayAvailable()) {
        if (autoHideWaits_ && !autoHideWaits_->hasExpired() && isVisible())
            SendtotrayClick();
    } else if (hiddenAt_ && !isVisible()) {
        // The notification area went away (its panel ended) with the clock
        // in it: the clock comes back, or nothing would be left to reach it by.
        SendtotrayClick();
    }
    // A panel shows the menu with no showing of ours to set its items by.
    OfferSendToTray();
}

bool TFormClock::TrayAvailable() const
{
    return SysTray->Shell().Available();
}

// ---- creation and close -------------------------------------------------------

void TFormClock::FormCreate()
{
    Is24Hour = false;
    Was24Hour = false;
    SkinFile.emplace(UserFolder() + RelPath::SkinName);
    // The stored skin is not applied: the clock always starts with "Small".
    SkinName = SkinNames::Small;
    ApplyLayout();
    ApplySkin();
    RenderFace();
    FirstTick = true;
    Timer1->start(kFirstTickMs);
}

void TFormClock::FormClose()
{
    if (SkinFile)
        SkinFile->WriteString(QStringLiteral("Skin Name"), QStringLiteral("Skin Name"), SkinName);
}

void TFormClock::closeEvent(QCloseEvent *event)
{
    if (!Guarded([this] { FormClose(); })) {
        event->ignore();
        return;
    }
    event->accept();
    // The other windows are destroyed without their close handlers.
    QCoreApplication::quit();
}

void TFormClock::showEvent(QShowEvent *event)
{
    // Centred when first shown, never again: a clock dragged elsewhere stays there.
    if (!centred_) {
        centred_ = true;
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    QWidget::showEvent(event);
}

void TFormClock::changeEvent(QEvent *event)
{
    // The clock has no button to come back by: a window manager that
    // minimises it (with a dialog of its own, as openbox does) is undone.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~Qt::WindowMinimized); });
    QWidget::changeEvent(event);
}

void TFormClock::RaiseIfVisible()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

// ---- skins --------------------------------------------------------------------

void TFormClock::ApplyLayout()
{
    Profile = SkinProfileOf(SkinName);
    ResetFaceLayout(Face, Profile);
    ImageColon2->SetVisible(Face[FaceSlot::Colon2].visible);
    RepaintDirty();
}

QImage TFormClock::LoadPicture(const QString &fileName) const
{
    const QString path = ProgramFolder() + SkinName + QLatin1Char('/') + fileName;
    const QImage loaded = TImage::LoadBitmap(path);
    if (loaded.isNull())
        throw Exception(QCoreApplication::translate("TextFile", "Cannot open file %1").arg(path));
    return loaded.convertToFormat(QImage::Format_RGB32);
}

void TFormClock::LoadSkin()
{
    // Each picture is emptied before it is loaded: when a load fails, the
    // pictures before it are the new skin's, the failing one is empty, the
    // later ones are still the old skin's.
    auto load = [this](QImage &target, const QString &fileName) {
        target = QImage();
        target = LoadPicture(fileName);
    };
    auto digit = [](const char *prefix, int d) { return QLatin1String(prefix) + QString::number(d) + QLatin1String(".bmp"); };

    ImageBack->SetPicture(QImage());
    ImageBack->SetPicture(LoadPicture(QStringLiteral("Background.bmp")));
    // A new size keeps the window where it is, which Qt may not know unless
    // the window was dragged.
    if (isVisible())
        SyncWindowPosition(this);
    setFixedSize(ImageBack->Picture().size());
    Compose(rect());
    for (int d = 0; d < 10; ++d)
        load(HourDigits[d], digit("hour_", d));
    MinuteDigits = HourDigits;
    if (Profile.SmallSeconds) {
        for (int d = 0; d < 10; ++d)
            load(SecondDigits[d], digit("Second_", d));
    } else {
        SecondDigits = HourDigits;
    }
    load(PicAM, QStringLiteral("AM.bmp"));
    load(PicPM, QStringLiteral("PM.bmp"));
    load(PicColonOn, QStringLiteral("Colon_ON.bmp"));
    load(PicColonOff, QStringLiteral("Colon_OFF.bmp"));

    // The pictures go to the X server now, not at the tick that first shows them.
    if (xface_) {
        QList<QImage> pictures{ImageBack->Picture(), PicAM, PicPM, PicColonOn, PicColonOff};
        for (const auto *set : {&HourDigits, &MinuteDigits, &SecondDigits})
            pictures.append(QList<QImage>(set->cbegin(), set->cend()));
        if (!xface_->Hold(pictures))
            FaceOnClient();
    }
}

void TFormClock::ApplySkin()
{
    LoadSkin();
    ImageBack->Move(QPoint(0, 0));
    const QImage &back = ImageBack->Picture();
    const QRegion region = BuildRegion(back, KeyColourOf(back, Profile.FixedKey));
    // An empty mask would mean no mask at all: a background of nothing but
    // key gets a mask outside the window, so nothing of it shows.
    setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
    dirty_ = QRect();
    update();
}

void TFormClock::SwitchSkin(const QString &skinName)
{
    SkinName = skinName;
    ApplyLayout();
    ApplySkin();
    RenderFace();
}

// ---- the face -------------------------------------------------------------------

const QImage &TFormClock::PictureOf(FacePicture picture) const
{
    static const QImage none;
    switch (picture.set) {
    case FacePicture::Background: return ImageBack->Picture();
    case FacePicture::Hour: return HourDigits[picture.digit];
    case FacePicture::Minute: return MinuteDigits[picture.digit];
    case FacePicture::Second: return SecondDigits[picture.digit];
    case FacePicture::AM: return PicAM;
    case FacePicture::PM: return PicPM;
    case FacePicture::ColonOn: return PicColonOn;
    case FacePicture::ColonOff: return PicColonOff;
    case FacePicture::None: break;
    }
    return none;
}

void TFormClock::RenderFace()
{
    const DateTimeParts now = NowParts();
    RenderFaceAt({now.hour, now.minute, now.second, now.msec});
}

void TFormClock::RenderFaceAt(const TimeOfDay &time)
{
    const FaceSlots given =
        LayoutFace(Face, Profile, Is24Hour, time, [this](FacePicture p) { return PictureOf(p).size(); });
    // Only what changed is repainted: a slot given the picture it shows, or
    // set where it stands, draws nothing.
    for (size_t i = 1; i < slots_.size(); ++i) {
        const FaceSlotState &state = Face.Slots[i];
        if (given.test(i))
            slots_[i]->SetPicture(PictureOf(state.picture));
        slots_[i]->Move(state.pos);
        slots_[i]->SetVisible(state.visible);
    }
    RepaintDirty();
}

void TFormClock::RepaintDirty()
{
    if (dirty_.isEmpty())
        return;
    // Painted now rather than at the next pass of the event loop: one
    // wake-up does the whole render. A hidden face held by the X server is
    // copied to the window when the window shows again.
    if (xface_) {
        if (isVisible())
            xface_->Show(dirty_);
    } else if (isVisible()) {
        repaint(dirty_);
    } else {
        update(dirty_);
    }
    dirty_ = QRect();
}

int TFormClock::MsToNextFaceTick(int ms)
{
    return 500 - ms % 500 + kPastHalfSecondMs;
}

void TFormClock::Timer1Timer()
{
    if (FirstTick) {
        if (FormMain && FormMain->chkAutoHide->isChecked() && isVisible()) {
            if (TrayAvailable())
                SendtotrayClick();
            else
                autoHideWaits_ = QDeadlineTimer(kAutoHideWaitMs);
        }
        FirstTick = false;
        if (FormMain && !sharingWakeUps_) {
            sharingWakeUps_ = true;
            connect(FormMain->Timer, &QTimer::timeout, this, &TFormClock::ShareSchedulerWakeUp);
        }
    }

    Is24Hour = FormMain && FormMain->rb24Hours->isChecked();
    if (Is24Hour != Was24Hour)
        ApplyLayout();
    Was24Hour = Is24Hour;

    // One render in each half of every second.
    const DateTimeParts now = NowParts();
    if (HalfPhase == 0 && now.msec < 500) {
        HalfPhase = 500;
        RenderFaceAt({now.hour, now.minute, now.second, now.msec});
    } else if (HalfPhase == 500 && now.msec >= 500) {
        HalfPhase = 0;
        RenderFaceAt({now.hour, now.minute, now.second, now.msec});
    }
    NameTheTime(now);
}

void TFormClock::NameTheTime(const DateTimeParts &now)
{
    // To the minute: a screen reader is told of each change of the name.
    const QString time = ReminderText::MinuteName(now, !Is24Hour);
    if (time != spokenTime_) {
        spokenTime_ = time;
        setAccessibleName(tr("Tocsimo clock, %1").arg(time));
    }
}

void TFormClock::ShareSchedulerWakeUp()
{
    if (!Timer1->isActive() || Timer1->remainingTime() > kShareWindowMs)
        return;
    Timer1->stop();
    Guarded([this] { Timer1Timer(); });
    Timer1->start(MsToNextFaceTick(NowParts().msec));
}

// ---- mouse and keyboard ----------------------------------------------------------

void TFormClock::DragByFace(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // Nothing moves yet: a window manager asked to move the window once the
    // button is up (a quick tap) keeps it on the pointer, and the keyboard
    // with it, until the next click. The move starts at the first motion.
    drag_ = Drag::Pressed;
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void TFormClock::mouseMoveEvent(QMouseEvent *event)
{
    if (drag_ == Drag::None)
        return;
    // The queued motion may be older than the release: ask the X server too.
    if (!(event->buttons() & Qt::LeftButton) || !LeftButtonHeld()) {
        drag_ = Drag::None;
        return;
    }
    if (drag_ == Drag::Pressed) {
        // The window manager moves the window while the button is held.
        SyncWindowPosition(this);
        if (windowHandle() && windowHandle()->startSystemMove()) {
            drag_ = Drag::None;
            return;
        }
        drag_ = Drag::Following;
    }
    // Only where the window manager cannot move the window itself.
    move(event->globalPosition().toPoint() - dragOffset_);
}

void TFormClock::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        drag_ = Drag::None;
}

void TFormClock::ImageBackMouseDown(QMouseEvent *event) { DragByFace(event); }
void TFormClock::ImageHour1MouseDown(QMouseEvent *event) { DragByFace(event); }
void TFormClock::ImageHour2MouseDown(QMouseEvent *event) { DragByFace(event); }
void TFormClock::ImageMin1MouseDown(QMouseEvent *event) { DragByFace(event); }
void TFormClock::ImageMin2MouseDown(QMouseEvent *event) { DragByFace(event); }
void TFormClock::ImageSec1MouseDown(QMouseEvent *event) { DragByFace(event); }
void TFormClock::ImageSec2MouseDown(QMouseEvent *event) { DragByFace(event); }
void TFormClock::ImageAMorPMMouseDown(QMouseEvent *event) { DragByFace(event); }
void TFormClock::ImageColon1MouseDown(QMouseEvent *event) { DragByFace(event); }

void TFormClock::contextMenuEvent(QContextMenuEvent *event)
{
    // Also the Menu key's, at times (see keyPressEvent).
    OpenPopupMenu(event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(rect().center()) : event->globalPos());
}

void TFormClock::OpenPopupMenu(QPoint at)
{
    // The items first: the menu is placed by its width.
    OfferSendToTray();
    PopupMenuAt(PopupMenu, at, paRight);
}

void TFormClock::keyPressEvent(QKeyEvent *event)
{
    // The Menu key and Shift+F10 open the menu in the middle of the clock. (Qt
    // turns the Menu key into a context menu event only the first time.)
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier)
        || (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        OpenPopupMenu(mapToGlobal(rect().center()));
        return;
    }
    Guarded([this, event] { FormKeyDown(event->key()); });
}

void TFormClock::FormKeyDown(int key)
{
    if (key == Qt::Key_F1)
        Help1Click();
}

// ---- menu ---------------------------------------------------------------------------

void TFormClock::SendtotrayClick()
{
    // Hidden or shown, by the user or the auto-hide: nothing waits any more.
    autoHideWaits_.reset();
    if (isVisible()) {
        hiddenAt_ = pos();
        Sendtotray->setText(tr("&Restore"));
        hide();
    } else {
        Sendtotray->setText(tr("&Send to tray"));
        // Back where it was: a window manager may place a re-shown window afresh.
        if (hiddenAt_)
            move(*hiddenAt_);
        hiddenAt_.reset();
        show();
    }
}

void TFormClock::SysTrayIconDoubleClick()
{
    SendtotrayClick();
}

void TFormClock::ShowManager(QAbstractButton *pageButton)
{
    if (!FormMain)
        return;
    pageButton->click();
    if (!FormMain->isVisible()) {
        SetOwnerWindow(FormMain, this);
        FormMain->exec();
    } else {
        BringForward(FormMain);
    }
}

void TFormClock::BringForward(QWidget *window)
{
    // Minimised by the window manager, or beneath other windows.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

void TFormClock::Alarms1Click()
{
    ShowManager(FormMain ? FormMain->ButtonAlarms : nullptr);
}

void TFormClock::Options1Click()
{
    ShowManager(FormMain ? FormMain->ButtonOptions : nullptr);
    // The options may have changed the time form: every picture afresh.
    ApplyLayout();
    RenderFace();
}

void TFormClock::ChooseSkin(const QString &skinName, QAction *chosen, QAction *other)
{
    if (FormMain && FormMain->isVisible()) {
        FormMain->hide();
        SwitchSkin(skinName);
        FormMain->show();
    } else {
        SwitchSkin(skinName);
    }
    chosen->setChecked(true);
    other->setChecked(false);
}

void TFormClock::MenuSkinDigitalClick()
{
    ChooseSkin(SkinNames::Digital, MenuSkinDigital, MenuSkinSantaClaus);
}

void TFormClock::MenuSkinSantaClausClick()
{
    ChooseSkin(SkinNames::SantaClaus, MenuSkinSantaClaus, MenuSkinDigital);
}

void TFormClock::menuAboutClick()
{
    // Made when first asked for, as the alarm editor is.
    if (!FormAbout)
        FormAbout = new TFormAbout;
    if (FormAbout->isVisible()) {
        BringForward(FormAbout);
        return;
    }
    SetOwnerWindow(FormAbout, this);
    FormAbout->exec();
}

void TFormClock::Help1Click()
{
    ChmLibrary::Instance().Load();
    if (!HelpWindow)
        HelpWindow = new THelpWindow(this);
    HelpWindow->ShowTopic(ProgramFolder() + RelPath::Help, QStringLiteral("index.htm"));
}

void TFormClock::menuExitClick()
{
    close();
}
