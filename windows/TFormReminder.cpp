#include "windows/TFormReminder.h"

#include "app/ErrorBox.h"
#include "app/Exception.h"
#include "app/Now.h"
#include "player/TFilterGraph.h"
#include "store/AlarmFiles.h"
#include "windows/AccessibleFactory.h"
#include "windows/FitCaptions.h"
#include "windows/FlatButton.h"
#include "windows/FormFont.h"
#include "windows/ReminderText.h"
#include "windows/TFormMain.h"
#include "windows/TitleBarButtons.h"
#include "windows/WindowPlayer.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

TFormReminder *FormReminder = nullptr;

namespace {
const QColor kPaleYellow(255, 255, 187);

// The fonts the window was drawn for, then what a Linux desktop is sure to have.
QFont SansFont(int pixelSize, bool bold)
{
    return FormFont({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}, pixelSize,
                    bold ? QFont::Bold : QFont::Normal);
}

QFont HeavyFont(int pixelSize)
{
    return FormFont({QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")},
                    pixelSize, QFont::Black);
}

int64_t TimeKey(const DateTimeParts &t, bool twelveHour)
{
    return ((t.hour * 60LL + t.minute) * 60 + t.second) * 2 + (twelveHour ? 1 : 0);
}

int64_t MinuteKey(const DateTimeParts &t, bool twelveHour)
{
    return (t.hour * 60LL + t.minute) * 2 + (twelveHour ? 1 : 0);
}

int64_t DateKey(const DateTimeParts &t)
{
    return (t.year * 13LL + t.month) * 32 + t.day;
}
} // namespace

TFormReminder::TFormReminder(QWidget *parent) : QDialog(parent)
{
    // A screen reader meets this window as an alert.
    InstallAccessibleFactory();
    setObjectName(QStringLiteral("FormReminder"));
    setWindowTitle(tr("Alarm"));
    // A title but no system menu, minimise, maximise or close box; above the
    // floating clock, which itself stays on top.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowStaysOnTopHint);
    setFixedSize(329, 268);
    setFont(SansFont(11, false));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPaleYellow);
    setPalette(pal);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const QPixmap face(QStringLiteral(":/pictures/ClockFace.png"));
    Image1->setPixmap(face);
    Image1->setGeometry(8, 8, 64, 64);
    if (!face.isNull())
        Image1->resize(face.size());

    LabelTime = new QLabel(QStringLiteral("08:30:25 PM"), this);
    LabelTime->setObjectName(QStringLiteral("LabelTime"));
    LabelTime->setFont(HeavyFont(29));
    LabelTime->move(88, 8);
    LabelTime->resize(192, 41); // sized to its text at every refresh

    LabelDate = new QLabel(QStringLiteral("Thu, July 14 2004"), this);
    LabelDate->setObjectName(QStringLiteral("LabelDate"));
    LabelDate->setFont(SansFont(13, true));
    LabelDate->setGeometry(88, 48, 225, 17);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setGeometry(16, 80, 297, 137);
    Memo->setFrameShape(QFrame::NoFrame);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo->setAccessibleName(tr("Reminder message"));
    // A Tab stop, so a screen reader can read the message again; Tab leaves it.
    Memo->setTabChangesFocus(true);
    QPalette memoPal = Memo->palette();
    memoPal.setColor(QPalette::Base, kPaleYellow);
    Memo->setPalette(memoPal);

    Player = new WindowPlayer(this, QRect(8, 232, 150, 25),
                              [this](TDSTrackBar *sender, uint32_t currentPos, uint32_t stopPos) {
                                  DSTrackBarTimer(sender, currentPos, stopPos);
                              });
    FilterGraph = Player->FilterGraph;
    DSTrackBar = Player->DSTrackBar;

    Button1 = new QPushButton(QStringLiteral("Button1"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(152, 232, 65, 25);
    Button1->setAutoDefault(false);
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });

    // The window opens with the keyboard on "Close"; Esc and Enter press it too.
    ButtonClose = new QPushButton(tr("&Close"), this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    ButtonClose->setGeometry(216, 232, 89, 25);
    ButtonClose->setFlat(true);
    ButtonClose->setAutoDefault(false);
    MakeFlat(ButtonClose);
    connect(ButtonClose, &QPushButton::clicked, this, [this] { Guarded([this] { ButtonCloseClick(); }); });

    // Beside "Close" and drawn like it.
    ButtonSnooze = new QPushButton(tr("&Snooze"), this);
    ButtonSnooze->setObjectName(QStringLiteral("ButtonSnooze"));
    ButtonSnooze->setGeometry(120, 232, 89, 25);
    ButtonSnooze->setFlat(true);
    ButtonSnooze->setAutoDefault(false);
    MakeFlat(ButtonSnooze);
    // Left of "Close" on screen, so before it in the Tab order.
    setTabOrder(ButtonSnooze, ButtonClose);
    ButtonSnooze->setAccessibleName(tr("Snooze"));
    ButtonSnooze->setAccessibleDescription(tr("Silences the alarm and shows this reminder again later"));
    connect(ButtonSnooze, &QPushButton::clicked, this, [this] { Guarded([this] { ButtonSnoozeClick(); }); });

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(200);
    connect(Timer, &QTimer::timeout, this, [this] { Guarded([this] { TimerTimer(); }); });
    // The refresh runs while the window is on screen. Hidden labels need no
    // refresh (the entry refreshes them before showing), and an idle program
    // should not wake five times a second for nothing.

    // Captions in the user's language may be longer than the English ones.
    FitCaptions(this);

    Guarded([this] { FormCreate(); });
}

TFormReminder::~TFormReminder() = default;

void TFormReminder::FormCreate()
{
    AlarmId = 1;
    RepeatFlag = true;
}

void TFormReminder::Button1Click()
{
    Snoozed = false;
    RefreshLabels();

    SoundFile = AlarmFiles::ReadSoundFile(AlarmId);
    // A missing message raises here: nothing plays and the window stays hidden.
    Memo->setPlainText(AlarmFiles::ReadMessage(AlarmId).join(QLatin1Char('\n')));
    // What a screen reader says of the window when it appears.
    setAccessibleDescription(Memo->toPlainText());

    StartPlayback();

    CentreOnScreen();
    exec();
}

void TFormReminder::TimerTimer()
{
    RefreshLabels();
}

void TFormReminder::DSTrackBarTimer(TDSTrackBar * /*sender*/, uint32_t /*CurrentPos*/, uint32_t /*StopPos*/)
{
    if (Player->AtEnd()) {
        Player->Stop();
        if (RepeatFlag)
            StartPlayback();
    }
    // Every pass, the first included, starts half a second into the file.
    Player->SkipIfPending();
}

void TFormReminder::ButtonCloseClick()
{
    Player->Stop();
    done(QDialog::Accepted);
}

void TFormReminder::ButtonSnoozeClick()
{
    // The scheduler, waiting for this window, puts the reminder off.
    Snoozed = true;
    ButtonCloseClick();
}

void TFormReminder::RefreshLabels()
{
    const DateTimeParts now = NowParts();
    const bool twelveHour = FormMain == nullptr || FormMain->rbAMPM->isChecked();

    const int64_t timeKey = TimeKey(now, twelveHour);
    if (timeKey != shownTimeKey_) {
        shownTimeKey_ = timeKey;
        // Named for a screen reader by the minute only: a label that
        // announced its every change would speak every second.
        const int64_t minuteKey = MinuteKey(now, twelveHour);
        if (minuteKey != shownMinuteKey_) {
            shownMinuteKey_ = minuteKey;
            LabelTime->setAccessibleName(ReminderText::MinuteName(now, twelveHour));
        }
        LabelTime->setText(ReminderText::TimeLabel(now, twelveHour));
        LabelTime->adjustSize();
    }
    const int64_t dateKey = DateKey(now);
    if (dateKey != shownDateKey_) {
        shownDateKey_ = dateKey;
        LabelDate->setText(ReminderText::DateLabel(now, QLocale::system()));
    }
}

void TFormReminder::StartPlayback()
{
    Player->SkipPending = true;
    // A sound that cannot be played leaves the reminder silent, with no message.
    Player->Play(SoundFile);
}

void TFormReminder::PreparePlayer(int alarmId)
{
    if (isVisible())
        return; // a reminder is sounding: leave its player alone
    try {
        const QString sound = AlarmFiles::ReadSoundFile(alarmId);
        if (sound.isEmpty())
            return; // a silent alarm needs no sound engine
        if (!FilterGraph->Active())
            FilterGraph->SetActive(true);
        // Rendering loads the decoder and opens the sound output, on the
        // engine's thread; the alarm renders the file again when it goes off.
        FilterGraph->ClearGraph();
        FilterGraph->RenderFile(sound);
    } catch (const Exception &) {
        FilterGraph->SetActive(false);
    }
}

void TFormReminder::CentreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame's size is known once the window has been shown; the first
    // showing centres the client area instead.
    const QSize outer = frameGeometry().size();
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void TFormReminder::keyPressEvent(QKeyEvent *event)
{
    // Esc and Enter do what "Close" does; Enter in the message makes a new line.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (plain) {
            event->accept();
            ButtonClose->click();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void TFormReminder::closeEvent(QCloseEvent *event)
{
    // A window manager that offers a close box anyway (or Alt+F4) closes the
    // window as "Close" does: silenced, and the scheduler goes on.
    event->ignore();
    if (isVisible())
        ButtonClose->click();
}

void TFormReminder::hideEvent(QHideEvent *event)
{
    Timer->stop();
    QDialog::hideEvent(event);
}

void TFormReminder::showEvent(QShowEvent *event)
{
    AskForTitleBarWithoutButtons(this);
    QDialog::showEvent(event);
    Timer->start();
    // The keyboard is on "Close" at every showing, whatever had it before.
    ButtonClose->setFocus(Qt::ActiveWindowFocusReason);
    BringToFront();
    // A screen reader speaks the alarm's message as the window appears.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void TFormReminder::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // The scheduler waits for this window: a window manager that still offers
    // to minimise it must not be able to hide it.
    if (event->type() == QEvent::WindowStateChange && isVisible() && isMinimized())
        QTimer::singleShot(0, this, &TFormReminder::BringToFront);
}

void TFormReminder::BringToFront()
{
    if (!isVisible())
        return;
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    // A window without a parent may map behind the always-on-top clock.
    raise();
    activateWindow();
}
