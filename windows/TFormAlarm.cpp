#include "windows/TFormAlarm.h"

#include "app/DateTime.h"
#include "app/ErrorBox.h"
#include "app/Exception.h"
#include "app/Now.h"
#include "store/AlarmFiles.h"
#include "windows/CalendarDateEdit.h"
#include "windows/ClearInGroup.h"
#include "windows/FileFilter.h"
#include "windows/FitCaptions.h"
#include "windows/FlatButton.h"
#include "windows/FormFont.h"
#include "windows/Named.h"
#include "windows/WindowPlayer.h"

#include <QAbstractTextDocumentLayout>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCompleter>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>

TFormAlarm *FormAlarm = nullptr;

// Translated where it is used: the translations are put in after this is made.
const char *const TFormAlarm::OpenDialogFilter = QT_TR_NOOP(
    "Audio files|*.mp3;*.mp2;*.wma;*.wax;*.wav;*.mid;*.midi;*.rmi;*.au;*.snd|All files (*.*)|*.*;");

namespace {
// A label; with a buddy, its letter takes the keyboard to the buddy, and the
// buddy is named for a screen reader.
QLabel *Caption(QWidget *parent, const char *name, const QString &text, int left, int top,
                QWidget *buddy = nullptr, const QString &buddyName = {})
{
    auto *label = Named(new QLabel(text, parent), name);
    label->move(left, top);
    label->adjustSize();
    if (buddy) {
        label->setBuddy(buddy);
        buddy->setAccessibleName(buddyName);
    }
    return label;
}

QFrame *Rule(QWidget *parent, const char *name, int top)
{
    auto *rule = Named(new QFrame(parent), name);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(16, top, 305, 2);
    return rule;
}

// A push button that Enter never presses: the editor has no default button.
QPushButton *Push(QWidget *parent, const char *name, const QString &text)
{
    auto *button = Named(new QPushButton(text, parent), name);
    button->setAutoDefault(false);
    return button;
}

// A flat picture button, named for a screen reader and in its tip.
QToolButton *Glyph(QWidget *parent, const char *name, const QString &picture, QSize pictureSize,
                   const QString &accessibleName)
{
    auto *button = Named(new QToolButton(parent), name);
    button->setAutoRaise(true);
    MakeFlat(button);
    button->setIcon(QIcon(picture));
    button->setIconSize(pictureSize);
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    return button;
}

// What the pickers show in each mode. A null date format leaves the date
// picker's as it was.
struct PickerLook {
    bool dateEnabled;
    const char *dateFormat;
    const char *timeFormat;
};

PickerLook LookOf(AlarmMode mode)
{
    // Qt's "AP" is the AM/PM designator; the time picker is always on the
    // 12-hour clock, whatever the clock's own time format.
    static constexpr const char *kTime = "hh:mm:ss AP";
    switch (mode) {
    case AlarmMode::Once: return {true, "MM/dd/yyyy", kTime};
    case AlarmMode::Hourly: return {false, nullptr, "mm:ss"};
    case AlarmMode::Daily: return {false, nullptr, kTime};
    case AlarmMode::Weekly: return {true, "dddd", kTime};
    case AlarmMode::Monthly: return {true, "dd", kTime};
    case AlarmMode::Yearly: return {true, "dd MMMM", kTime};
    }
    return {true, "MM/dd/yyyy", kTime};
}

// A format change must not change the value: Qt resets the time of a picker
// that shows only a date, and pins the date of one that shows only a time.
void SetDateFormat(QDateTimeEdit *picker, const QString &format)
{
    if (picker->displayFormat() == format)
        return;
    const QDate date = picker->date();
    picker->setDisplayFormat(format);
    picker->setDate(date);
}

void SetTimeFormat(QDateTimeEdit *picker, const QString &format)
{
    if (picker->displayFormat() == format)
        return;
    const QTime time = picker->time();
    picker->setDisplayFormat(format);
    picker->setTime(time);
}
} // namespace

TFormAlarm::TFormAlarm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAlarm"));
    setWindowTitle(tr("Alarm properties"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(335, 389);
    setFont(FormFont(QStringLiteral("MS Sans Serif"), 11));

    Label3 = Caption(this, "Label3", tr("Alarm mode:"), 16, 8);
    rbOnce = Named(new QRadioButton(tr("&Once"), this), "rbOnce");
    rbOnce->setGeometry(24, 32, 65, 17);
    rbHourly = Named(new QRadioButton(tr("&Hourly"), this), "rbHourly");
    rbHourly->setGeometry(120, 32, 65, 17);
    rbDaily = Named(new QRadioButton(tr("&Daily"), this), "rbDaily");
    rbDaily->setGeometry(216, 32, 65, 17);
    rbWeekly = Named(new QRadioButton(tr("&Weekly"), this), "rbWeekly");
    rbWeekly->setGeometry(24, 56, 65, 17);
    rbMonthly = Named(new QRadioButton(tr("&Monthly"), this), "rbMonthly");
    rbMonthly->setGeometry(120, 56, 65, 17);
    rbYearly = Named(new QRadioButton(tr("&Yearly"), this), "rbYearly");
    rbYearly->setGeometry(216, 56, 65, 17);
    // One exclusive group; it is lifted for a moment to clear a button, so the
    // group can also hold none.
    modeGroup_ = new QButtonGroup(this);
    for (AlarmMode m : kAllAlarmModes)
        modeGroup_->addButton(ModeButton(m));
    // A button raises its handler only when it becomes selected, by the user or the program.
    const auto onSelected = [this](QRadioButton *button, void (TFormAlarm::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                Guarded([this, handler] { (this->*handler)(); });
        });
    };
    onSelected(rbOnce, &TFormAlarm::rbOnceClick);
    onSelected(rbHourly, &TFormAlarm::rbHourlyClick);
    onSelected(rbDaily, &TFormAlarm::rbDailyClick);
    onSelected(rbWeekly, &TFormAlarm::rbWeeklyClick);
    onSelected(rbMonthly, &TFormAlarm::rbMonthlyClick);
    onSelected(rbYearly, &TFormAlarm::rbYearlyClick);

    // Both pickers always hold a whole date and time; the format only
    // chooses what is shown. They hold wall-clock fields, so no time zone
    // (and no daylight-saving gap) takes part.
    DatePicker = Named(new CalendarDateEdit(this), "DatePicker");
    DatePicker->setGeometry(16, 96, 121, 21);
    DatePicker->setTimeSpec(Qt::UTC);
    DatePicker->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    Label1 = Caption(this, "Label1", tr("D&ate:"), 16, 80, DatePicker, tr("Date"));
    TimePicker = Named(new QDateTimeEdit(this), "TimePicker");
    TimePicker->setGeometry(152, 96, 113, 21);
    TimePicker->setTimeSpec(Qt::UTC);
    Label2 = Caption(this, "Label2", tr("&Time:"), 152, 80, TimePicker, tr("Time"));
    Button1 = Push(this, "Button1", tr("&Now"));
    Button1->setGeometry(280, 96, 33, 25);

    Bevel1 = Rule(this, "Bevel1", 136);
    EditAlarmSound = Named(new QLineEdit(this), "EditAlarmSound");
    EditAlarmSound->setGeometry(16, 168, 241, 21);
    EditAlarmSound->setReadOnly(true);
    Label4 = Caption(this, "Label4", tr("Alarm &sound:"), 16, 144, EditAlarmSound, tr("Alarm sound"));
    ButtonOpen = Glyph(this, "ButtonOpen", QStringLiteral(":/pictures/Open.png"), QSize(16, 16),
                       tr("Choose the sound file"));
    ButtonOpen->setGeometry(264, 168, 23, 22);
    ButtonPlay = Glyph(this, "ButtonPlay", QStringLiteral(":/pictures/Play.png"), QSize(14, 19), tr("Play the sound"));
    ButtonPlay->setGeometry(288, 168, 23, 22);
    ButtonStop = Glyph(this, "ButtonStop", QStringLiteral(":/pictures/Stop.png"), QSize(14, 19), tr("Stop the sound"));
    ButtonStop->setGeometry(288, 168, 23, 22);
    ButtonStop->hide();

    Bevel2 = Rule(this, "Bevel2", 208);
    Memo = Named(new QPlainTextEdit(this), "Memo");
    Label5 = Caption(this, "Label5", tr("&Reminder message:"), 16, 216, Memo, tr("Reminder message"));
    Memo->setGeometry(16, 240, 305, 97);
    Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo->setTabChangesFocus(true);

    ButtonOk = Push(this, "ButtonOk", tr("O&K"));
    ButtonOk->setGeometry(200, 352, 57, 25);
    Button2 = Push(this, "Button2", tr("&Cancel"));
    Button2->setGeometry(264, 352, 57, 25);
    ButtonNew = Push(this, "ButtonNew", QStringLiteral("New"));
    ButtonNew->hide();
    ButtonEdit = Push(this, "ButtonEdit", QStringLiteral("Del"));
    ButtonEdit->hide();

    Player = new WindowPlayer(this, QRect(), [this](TDSTrackBar *sender, uint32_t current, uint32_t stop) {
        DSTrackBarTimer(sender, current, stop);
    });
    Player->SetButtons(ButtonPlay, ButtonStop);
    FilterGraph = Player->FilterGraph;
    DSTrackBar = Player->DSTrackBar;

    // Tab order, as the controls are seen: top to bottom, left to right.
    const QList<QWidget *> tabOrder = {rbOnce,     rbHourly,   rbDaily,    rbWeekly,   rbMonthly, rbYearly,
                                       DatePicker, TimePicker, Button1,    EditAlarmSound, ButtonOpen, ButtonPlay,
                                       ButtonStop, Memo,       ButtonOk,   Button2};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));

    const auto onClick = [this](QAbstractButton *button, void (TFormAlarm::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    onClick(Button1, &TFormAlarm::Button1Click);
    onClick(ButtonOpen, &TFormAlarm::ButtonOpenClick);
    onClick(ButtonPlay, &TFormAlarm::ButtonPlayClick);
    onClick(ButtonStop, &TFormAlarm::ButtonStopClick);
    onClick(ButtonOk, &TFormAlarm::ButtonOkClick);
    onClick(Button2, &TFormAlarm::Button2Click);
    onClick(ButtonNew, &TFormAlarm::ButtonNewClick);
    onClick(ButtonEdit, &TFormAlarm::ButtonEditClick);

    // Selected at creation, which sets the pickers up for it.
    SetPickersToNow();
    rbOnce->setChecked(true);

    // Captions in the user's language may be longer than the English ones.
    FitCaptions(this);

    Guarded([this] { FormCreate(); });
}

TFormAlarm::~TFormAlarm() = default;

void TFormAlarm::FormCreate()
{
    AlarmId = 1;
    NewAlarm = false;
    Player->SkipPending = true;
}

void TFormAlarm::ButtonNewClick()
{
    NewAlarm = true;
    exec();
}

void TFormAlarm::ButtonEditClick()
{
    NewAlarm = false;
    exec();
}

void TFormAlarm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        Guarded([this] { FormShow(); });
        // The keyboard starts on the mode at every showing, whatever had it
        // when the editor last closed.
        const std::optional<AlarmMode> mode = CheckedMode();
        ModeButton(mode.value_or(AlarmMode::Once))->setFocus(Qt::ActiveWindowFocusReason);
    }
    QDialog::showEvent(event);
    // A window without a parent may map behind the always-on-top clock.
    raise();
    activateWindow();
}

void TFormAlarm::FormShow()
{
    if (NewAlarm)
        ApplyDefaults();
    else
        LoadAlarm();
    Accepted = false;
}

void TFormAlarm::ApplyDefaults()
{
    SetMode(AlarmMode::Once, true);
    SetPickersToNow();
    EditAlarmSound->clear();
    Memo->setPlainText(tr("It is time to..."));
}

void TFormAlarm::LoadAlarm()
{
    try {
        // A missing mode key reads as set: with no mode section at all the
        // last one, Yearly, is what stays selected.
        const AlarmFiles::Settings s = AlarmFiles::ReadSettings(AlarmId, true);
        for (AlarmMode m : kAllAlarmModes)
            SetMode(m, s.modes.contains(AlarmModeName(m)));
        const AlarmTime &t = s.time;
        if (!IsValidDate(t.Year, t.Month, t.Day))
            throw EConvertError(tr("Invalid date"));
        DatePicker->setDate(QDate(t.Year, t.Month, t.Day));
        if (!IsValidTime(t.Hour, t.Minute, t.Second, 0))
            throw EConvertError(tr("Invalid time"));
        TimePicker->setTime(QTime(t.Hour, t.Minute, t.Second));
        EditAlarmSound->setText(s.soundFile);
        Memo->setPlainText(AlarmFiles::ReadMessage(AlarmId).join(QLatin1Char('\n')));
    } catch (const Exception &) {
        // Whatever was loaded is replaced: the alarm opens as a new one would.
        ApplyDefaults();
    }
}

void TFormAlarm::Save()
{
    AlarmFiles::WriteAlarm(AlarmId, CheckedMode(), PickedTime(), EditAlarmSound->text(), MemoLines());
}

void TFormAlarm::ButtonOkClick()
{
    // A failed save raises: the window stays open and Accepted stays clear.
    Save();
    Accepted = true;
    done(QDialog::Accepted);
}

void TFormAlarm::Button2Click()
{
    Accepted = false;
    done(QDialog::Rejected);
}

void TFormAlarm::done(int result)
{
    // Every closing: "OK", "Cancel" and the close box.
    Guarded([this] { FormClose(); });
    QDialog::done(result);
}

void TFormAlarm::FormClose()
{
    ButtonStopClick();
}

void TFormAlarm::keyPressEvent(QKeyEvent *event)
{
    // "Cancel" is not the dialog's cancel button: Esc does not press it, nor
    // close the editor.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormAlarm::rbOnceClick() { ModeChanged(); }
void TFormAlarm::rbHourlyClick() { ModeChanged(); }
void TFormAlarm::rbDailyClick() { ModeChanged(); }
void TFormAlarm::rbWeeklyClick() { ModeChanged(); }
void TFormAlarm::rbMonthlyClick() { ModeChanged(); }
void TFormAlarm::rbYearlyClick() { ModeChanged(); }

void TFormAlarm::ModeChanged()
{
    const std::optional<AlarmMode> mode = CheckedMode();
    if (!mode)
        return;
    const PickerLook look = LookOf(*mode);
    DatePicker->setEnabled(look.dateEnabled);
    if (look.dateFormat)
        SetDateFormat(DatePicker, QLatin1String(look.dateFormat));
    SetTimeFormat(TimePicker, QLatin1String(look.timeFormat));
}

QRadioButton *TFormAlarm::ModeButton(AlarmMode mode) const
{
    switch (mode) {
    case AlarmMode::Once: return rbOnce;
    case AlarmMode::Hourly: return rbHourly;
    case AlarmMode::Daily: return rbDaily;
    case AlarmMode::Weekly: return rbWeekly;
    case AlarmMode::Monthly: return rbMonthly;
    case AlarmMode::Yearly: return rbYearly;
    }
    return rbOnce;
}

void TFormAlarm::SetMode(AlarmMode mode, bool selected)
{
    if (selected)
        ModeButton(mode)->setChecked(true);
    else
        ClearInGroup(ModeButton(mode));
}

std::optional<AlarmMode> TFormAlarm::CheckedMode() const
{
    for (AlarmMode m : kAllAlarmModes)
        if (ModeButton(m)->isChecked())
            return m;
    return std::nullopt;
}

QString TFormAlarm::CheckedModeText() const
{
    const std::optional<AlarmMode> mode = CheckedMode();
    return mode ? AlarmModeName(*mode) : QString();
}

AlarmTime TFormAlarm::PickedTime() const
{
    const QDate d = DatePicker->date();
    const QTime t = TimePicker->time();
    AlarmTime result;
    result.Year = d.year();
    result.Month = d.month();
    result.Day = d.day();
    result.Hour = static_cast<uint16_t>(t.hour());
    result.Minute = static_cast<uint16_t>(t.minute());
    result.Second = static_cast<uint16_t>(t.second());
    return result;
}

QString TFormAlarm::MemoFirstLine() const
{
    const QTextBlock block = Memo->document()->firstBlock();
    // Lays the block out at the box's width if it has not been yet.
    Memo->document()->documentLayout()->blockBoundingRect(block);
    const QTextLayout *layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return block.text();
    const QTextLine line = layout->lineAt(0);
    return block.text().mid(line.textStart(), line.textLength());
}

QStringList TFormAlarm::MemoLines() const
{
    return Memo->toPlainText().split(QLatin1Char('\n'));
}

void TFormAlarm::SetPickersToNow()
{
    const DateTimeParts now = NowParts();
    DatePicker->setDate(QDate(now.year, now.month, now.day));
    TimePicker->setTime(QTime(now.hour, now.minute, now.second, now.msec));
}

void TFormAlarm::Button1Click()
{
    SetPickersToNow();
}

void TFormAlarm::ButtonOpenClick()
{
    ButtonStopClick();
    if (!OpenDialog) {
        // Qt's own dialog: it shows the filter names as they are written.
        OpenDialog = new QFileDialog(this);
        OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
        OpenDialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        OpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
        OpenDialog->setFileMode(QFileDialog::ExistingFile);
        OpenDialog->setNameFilters(QtNameFilters(tr(OpenDialogFilter)));
        // It blocks the editor and the windows beneath it, not the tray icon.
        OpenDialog->setWindowModality(Qt::WindowModal);
        // A path typed and taken with Enter leaves the name completer's list
        // open over the editor unless it is closed with the dialog.
        connect(OpenDialog, &QDialog::finished, OpenDialog, [this] {
            for (QCompleter *completer : OpenDialog->findChildren<QCompleter *>())
                if (completer->popup())
                    completer->popup()->hide();
        });
    }
    OpenDialog->selectNameFilter(OpenDialog->nameFilters().constFirst());
    if (OpenDialog->exec() != QDialog::Accepted || OpenDialog->selectedFiles().isEmpty())
        return;
    EditAlarmSound->setText(OpenDialog->selectedFiles().constFirst());
}

void TFormAlarm::ButtonPlayClick()
{
    Player->Play(EditAlarmSound->text());
}

void TFormAlarm::ButtonStopClick()
{
    Player->Stop();
    Player->SkipPending = true;
}

void TFormAlarm::DSTrackBarTimer(TDSTrackBar *, uint32_t, uint32_t)
{
    if (Player->AtEnd())
        ButtonStopClick();
    // The first report after a preview that the user stopped starts it half
    // a second in; a preview after one that ran to its end does not.
    Player->SkipIfPending();
}
