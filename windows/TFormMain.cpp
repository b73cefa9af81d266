#include "windows/TFormMain.h"

#include "app/ErrorBox.h"
#include "app/Now.h"
#include "app/ProgramFolder.h"
#include "windows/AlarmListModel.h"
#include "windows/AlarmListView.h"
#include "windows/AccessibleFactory.h"
#include "windows/AutoRun.h"
#include "windows/ClearInGroup.h"
#include "windows/FitCaptions.h"
#include "windows/FlatButton.h"
#include "windows/FormFont.h"
#include "windows/Named.h"
#include "windows/OwnerWindow.h"
#include "windows/ShowInPlace.h"
#include "windows/TFormAlarm.h"
#include "windows/TFormMissed.h"
#include "windows/TFormReminder.h"
#include "windows/WindowPlayer.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QPushButton>
#include <QScopeGuard>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QHeaderView>

TFormMain *FormMain = nullptr;

// The names of the chimes' sound files; the list shows them translated.
const QStringList TFormMain::ChimeNames = {
    QStringLiteral(QT_TR_NOOP("Chime")), QStringLiteral(QT_TR_NOOP("Mac")), QStringLiteral(QT_TR_NOOP("Rooster")),
    QStringLiteral(QT_TR_NOOP("Boom")), QStringLiteral(QT_TR_NOOP("Yee Haa")),
};

namespace {
QFont Font(const QString &family, int pixels, bool bold = false)
{
    return FormFont(family, pixels, bold);
}

// A page button on the strip: a flat picture above a white caption. Its
// pressed-look twin sits sunk into the strip, with the picture lit.
QToolButton *PageButton(QWidget *parent, const char *name, const QString &caption, const QString &picture,
                        int top, bool pressedLook)
{
    auto *button = Named(new QToolButton(parent), name);
    button->setGeometry(12, top, 72, 73);
    button->setText(caption);
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(Font(QStringLiteral("Tahoma"), 11, true));
    // Reached by Tab, not by a click, so the dotted focus frame shows for the
    // keyboard only.
    button->setFocusPolicy(Qt::TabFocus);
    if (pressedLook) {
        // Checked, always, so a screen reader hears which page is shown.
        button->setCheckable(true);
        button->setChecked(true);
        QObject::connect(button, &QToolButton::toggled, button, [button] { button->setChecked(true); });
        button->setStyleSheet(QStringLiteral(
            "QToolButton { color: #ffe8a0; background: rgba(0, 0, 0, 70); border: 1px solid;"
            " border-color: rgba(0, 0, 0, 150) rgba(255, 255, 255, 110) rgba(255, 255, 255, 110) rgba(0, 0, 0, 150);"
            " padding-top: 2px; padding-left: 1px; }"
            "QToolButton:focus { border: 1px dotted white; }"));
    } else {
        button->setStyleSheet(QStringLiteral(
            "QToolButton { color: white; background: transparent; border: 1px solid transparent; }"
            "QToolButton:focus { border: 1px dotted white; }"
            "QToolButton:hover { border-color: rgba(255, 255, 255, 120) rgba(0, 0, 0, 130) rgba(0, 0, 0, 130) rgba(255, 255, 255, 120); }"
            "QToolButton:pressed { border-color: rgba(0, 0, 0, 130) rgba(255, 255, 255, 120) rgba(255, 255, 255, 120) rgba(0, 0, 0, 130); }"));
    }
    return button;
}

// A teal title strip (a lowered panel) with a white caption, as on top of each page.
QLabel *TitleBar(QWidget *parent, const char *panelName, const char *labelName, const QString &caption)
{
    auto *panel = Named(new QFrame(parent), panelName);
    panel->setGeometry(0, 8, 305, 17);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setStyleSheet(QStringLiteral("QFrame { background: #008080; }"));
    auto *label = Named(new QLabel(caption, panel), labelName);
    label->setGeometry(4, 1, 297, 15);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setFont(Font(QStringLiteral("Tahoma"), 11, true));
    return label;
}
} // namespace

TFormMain::TFormMain(QWidget *parent)
    : QDialog(parent), Snoozes(UserFolder() + RelPath::Snoozed), lastRun_(UserFolder() + RelPath::LastRun)
{
    // The chime box is named for a screen reader by what it chooses.
    InstallAccessibleFactory();
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Tocsimo"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(414, 366);
    setFont(Font(QStringLiteral("MS Sans Serif"), 11));

    BuildPageButtons();
    BuildAlarmsPage();
    BuildOptionsPage();
    ButtonAlarmsClick();

    Button3 = Named(new QPushButton(tr("O&K"), this), "Button3");
    Button3->setGeometry(328, 328, 59, 25);
    connect(Button3, &QPushButton::clicked, this, [this] { Guarded([this] { Button3Click(); }); });
    // The manager has no default button: in a dialog every push button would
    // become one when focused, and Enter in the list would then press "Add".
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    // The scheduler's tick. An alarm can only fall due when a new second begins,
    // so the tick comes just after each second starts rather than every 100 ms:
    // an alarm goes off within a few milliseconds of its second, and an idle
    // program wakes once a second.
    Timer = Named(new QTimer(this), "Timer");
    Timer->setSingleShot(true);
    Timer->setTimerType(Qt::PreciseTimer);
    connect(Timer, &QTimer::timeout, this, [this] {
        Guarded([this] { TimerTimer(); });
        Timer->start(MsToNextTick());
    });
    Timer->start(MsToNextTick());

    // Captions in the user's language may be longer than the English ones.
    // The page buttons and their pressed twins show in turn.
    FitCaptions(this, {ButtonAlarms, FButtonAlarms, ButtonOptions, FButtonOptions});

    Guarded([this] { FormCreate(); });
}

TFormMain::~TFormMain()
{
    // The rows live in Alarms, which goes before the widgets do.
    AlarmsList->setModel(nullptr);
}

void TFormMain::BuildPageButtons()
{
    // A JPEG, decoded when the manager first shows (LoadStrip): the JPEG
    // reader and the picture then cost an idle clock nothing.
    Image2 = Named(new QLabel(this), "Image2");
    Image2->setGeometry(8, 8, 80, 351);

    const QString alarms = tr("&Alarms"), options = tr("&Options");
    ButtonAlarms = PageButton(this, "ButtonAlarms", alarms, QStringLiteral(":/pictures/AlarmsPage.png"), 16, false);
    FButtonAlarms = PageButton(this, "FButtonAlarms", alarms, QStringLiteral(":/pictures/AlarmsPageDown.png"), 16, true);
    ButtonOptions = PageButton(this, "ButtonOptions", options, QStringLiteral(":/pictures/OptionsPage.png"), 104, false);
    FButtonOptions = PageButton(this, "FButtonOptions", options, QStringLiteral(":/pictures/OptionsPageDown.png"), 104, true);
    // The twins have no action: clicking the page already shown does nothing.
    connect(ButtonAlarms, &QToolButton::clicked, this, [this] { Guarded([this] { ButtonAlarmsClick(); }); });
    connect(ButtonOptions, &QToolButton::clicked, this, [this] { Guarded([this] { ButtonOptionsClick(); }); });
}

void TFormMain::BuildAlarmsPage()
{
    PanelAlarms = Named(new QWidget(this), "PanelAlarms");
    PanelAlarms->setGeometry(96, 8, 313, 337);
    Label6 = TitleBar(PanelAlarms, "Panel3", "Label6", tr("Alarms"));

    AlarmsModel = new AlarmListModel(Alarms, this);
    AlarmsList = Named(new AlarmListView(PanelAlarms), "AlarmsList");
    AlarmsList->setGeometry(0, 32, 305, 249);
    AlarmsList->setRootIsDecorated(false);
    AlarmsList->setItemsExpandable(false);
    AlarmsList->setUniformRowHeights(true);
    AlarmsList->setSelectionMode(QAbstractItemView::SingleSelection);
    AlarmsList->setSelectionBehavior(QAbstractItemView::SelectRows);
    AlarmsList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AlarmsList->setExpandsOnDoubleClick(false);
    AlarmsList->setAccessibleName(tr("Alarms"));
    connect(AlarmsList, &AlarmListView::EditKey, this, [this] { Guarded([this] { AlarmsListEditKey(); }); });
    connect(AlarmsList, &AlarmListView::DeleteKey, this, [this] { Guarded([this] { ButtonDelClick(); }); });
    connect(AlarmsList, &AlarmListView::Click, this, [this] { Guarded([this] { AlarmsListClick(); }); });
    connect(AlarmsList, &AlarmListView::DblClick, this, [this] { Guarded([this] { AlarmsListDblClick(); }); });

    const auto button = [this](const char *name, const QString &caption, int left, void (TFormMain::*handler)()) {
        auto *b = Named(new QPushButton(caption, PanelAlarms), name);
        b->setGeometry(left, 290, 41, 25);
        connect(b, &QPushButton::clicked, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
        return b;
    };
    ButtonAdd = button("ButtonAdd", tr("A&dd"), 8, &TFormMain::ButtonAddClick);
    ButtonEdit = button("ButtonEdit", tr("&Edit"), 56, &TFormMain::ButtonEditClick);
    ButtonDel = button("ButtonDel", tr("De&l"), 104, &TFormMain::ButtonDelClick);
}

void TFormMain::BuildOptionsPage()
{
    PanelOptions = Named(new QWidget(this), "PanelOptions");
    PanelOptions->setGeometry(96, 5, 313, 332);
    PanelOptions->hide();
    Label1 = TitleBar(PanelOptions, "Panel4", "Label1", tr("Options"));

    // Letters M and Z are kept free for other options of this page.
    GroupBox2 = Named(new QGroupBox(tr("General "), PanelOptions), "GroupBox2");
    GroupBox2->setGeometry(0, 32, 305, 97);
    chkAutoRun = Named(new QCheckBox(tr("Auto &run when the desktop session starts"), GroupBox2),
                       "chkAutoRun");
    chkAutoRun->setGeometry(16, 16, 265, 17);
    chkAutoRun->setChecked(true);
    chkAutoHide = Named(new QCheckBox(tr("Auto &hide alarm clock in system tray"), GroupBox2), "chkAutoHide");
    chkAutoHide->setGeometry(16, 40, 265, 17);
    chkAutoHide->setChecked(true);
    Label3 = Named(new QLabel(tr("T&ime Format: "), GroupBox2), "Label3");
    Label3->move(16, 72);
    Label3->adjustSize();
    rbAMPM = Named(new QRadioButton(tr("AM/&PM"), GroupBox2), "rbAMPM");
    rbAMPM->setGeometry(96, 72, 81, 17);
    rb24Hours = Named(new QRadioButton(tr("&24 Hours"), GroupBox2), "rb24Hours");
    rb24Hours->setGeometry(192, 72, 81, 17);
    timeFormatGroup_ = new QButtonGroup(this);
    timeFormatGroup_->addButton(rbAMPM);
    timeFormatGroup_->addButton(rb24Hours);
    rbAMPM->setChecked(true);
    Label3->setBuddy(rbAMPM);

    GroupBox3 = Named(new QGroupBox(tr("Alarm "), PanelOptions), "GroupBox3");
    GroupBox3->setGeometry(0, 136, 305, 65);
    chkRepeat = Named(new QCheckBox(tr("Repea&t alarm sound"), GroupBox3), "chkRepeat");
    chkRepeat->setGeometry(16, 16, 145, 17);
    chkRepeat->setChecked(true);
    chkShowMissed = Named(new QCheckBox(tr("Show &missed alarms"), GroupBox3), "chkShowMissed");
    chkShowMissed->setGeometry(168, 16, 129, 17);
    chkShowMissed->setChecked(true);
    chkShowMissed->setAccessibleName(tr("Show missed alarms"));
    LabelSnooze = Named(new QLabel(tr("Snoo&ze for"), GroupBox3), "LabelSnooze");
    LabelSnooze->move(16, 40);
    LabelSnooze->adjustSize();
    EditSnooze = Named(new QSpinBox(GroupBox3), "EditSnooze");
    EditSnooze->setGeometry(84, 37, 97, 21);
    EditSnooze->setRange(Options::MinSnoozeMinutes, Options::MaxSnoozeMinutes);
    EditSnooze->setValue(Options::DefaultSnoozeMinutes);
    // Short, so it reads right whatever the number: "1 min" as "10 min".
    EditSnooze->setSuffix(tr(" min"));
    EditSnooze->setAccessibleName(tr("Snooze for"));
    LabelSnooze->setBuddy(EditSnooze);

    GroupBox1 = Named(new QGroupBox(tr("Chime "), PanelOptions), "GroupBox1");
    GroupBox1->setGeometry(0, 208, 305, 103);
    chkChimes = Named(new QCheckBox(tr("E&nable chime sound"), GroupBox1), "chkChimes");
    chkChimes->setGeometry(16, 24, 137, 17);
    chkChimes->setChecked(true);
    rbHourly = Named(new QRadioButton(tr("Hourl&y"), GroupBox1), "rbHourly");
    rbHourly->setGeometry(16, 48, 65, 17);
    rbHalfHourly = Named(new QRadioButton(tr("Hal&f hourly"), GroupBox1), "rbHalfHourly");
    rbHalfHourly->setGeometry(88, 48, 81, 17);
    rbQuartarHourly = Named(new QRadioButton(tr("&Quarter hourly"), GroupBox1), "rbQuartarHourly");
    rbQuartarHourly->setGeometry(176, 48, 97, 17);
    intervalGroup_ = new QButtonGroup(this);
    intervalGroup_->addButton(rbHourly);
    intervalGroup_->addButton(rbHalfHourly);
    intervalGroup_->addButton(rbQuartarHourly);
    rbHourly->setChecked(true);
    Label2 = Named(new QLabel(tr("&Chime sound:"), GroupBox1), "Label2");
    Label2->move(16, 74);
    Label2->adjustSize();
    cbChime = Named(new QComboBox(GroupBox1), "cbChime");
    cbChime->setGeometry(96, 72, 129, 19);
    for (const QString &name : ChimeNames)
        cbChime->addItem(tr(name.toUtf8().constData()));
    cbChime->setCurrentIndex(0);
    cbChime->setAccessibleName(tr("Chime sound"));
    Label2->setBuddy(cbChime);

    // Preview of the chosen chime: play and stop share one place, one visible at a time.
    ButtonPlay = Named(new QPushButton(GroupBox1), "ButtonPlay");
    ButtonPlay->setGeometry(234, 71, 23, 22);
    ButtonPlay->setFlat(true);
    MakeFlat(ButtonPlay);
    ButtonPlay->setAccessibleName(tr("Play the chime"));
    ButtonPlay->setToolTip(ButtonPlay->accessibleName());
    ButtonPlay->setIcon(QIcon(QStringLiteral(":/pictures/Play.png")));
    ButtonPlay->setIconSize(QSize(14, 19));
    ButtonStop = Named(new QPushButton(GroupBox1), "ButtonStop");
    ButtonStop->setGeometry(234, 71, 23, 22);
    ButtonStop->setFlat(true);
    MakeFlat(ButtonStop);
    ButtonStop->setAccessibleName(tr("Stop the chime"));
    ButtonStop->setToolTip(ButtonStop->accessibleName());
    ButtonStop->setIcon(QIcon(QStringLiteral(":/pictures/Stop.png")));
    ButtonStop->setIconSize(QSize(14, 19));
    ButtonStop->hide();
    connect(ButtonPlay, &QPushButton::clicked, this, [this] { Guarded([this] { ButtonPlayClick(); }); });
    connect(ButtonStop, &QPushButton::clicked, this, [this] { Guarded([this] { ButtonStopClick(); }); });

    Player = new WindowPlayer(GroupBox1, QRect(112, 64, 150, 25),
                              [this](TDSTrackBar *sender, uint32_t current, uint32_t stop) {
                                  DSTrackBarTimer(sender, current, stop);
                              });
    Player->SetButtons(ButtonPlay, ButtonStop);
    FilterGraph = Player->FilterGraph;
    DSTrackBar = Player->DSTrackBar;

    // Loading the options changes the box too, and that updates the entry as a click does.
    connect(chkAutoRun, &QCheckBox::toggled, this, [this] { Guarded([this] { chkAutoRunClick(); }); });
}

void TFormMain::FormCreate()
{
    LoadOptions();
    // Loaded whatever happened above: a manager that had not loaded the alarms
    // would write an empty index over them when it is next closed.
    Alarms.Load();
    RefreshAlarmsList();
    Snoozes.Load();
    if (const std::optional<int64_t> lastRun = lastRun_.Read())
        alarmPass_.ListMissedSince(*lastRun);
}

void TFormMain::FormShow()
{
    raise();
    activateWindow();
    // The keyboard starts on the page's first control at every showing.
    FocusFirstControl();
    LoadOptions();
}

void TFormMain::FormClose()
{
    SaveOptions();
    Alarms.WriteIndex();
}

void TFormMain::done(int result)
{
    if (!Guarded([this] { FormClose(); }))
        return; // the error was shown; the window stays open
    QDialog::done(result);
}

void TFormMain::keyPressEvent(QKeyEvent *event)
{
    // The manager closes only by "OK" or the close box; Esc does nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormMain::Button3Click()
{
    accept();
}

void TFormMain::ButtonAlarmsClick()
{
    const bool leavingFocus = PanelOptions->isAncestorOf(focusWidget());
    ShowInPlaceOf(FButtonAlarms, ButtonAlarms);
    ShowInPlaceOf(ButtonOptions, FButtonOptions);
    PanelAlarms->show();
    PanelOptions->hide();
    if (leavingFocus)
        FocusFirstControl();
}

void TFormMain::ButtonOptionsClick()
{
    const bool leavingFocus = PanelAlarms->isAncestorOf(focusWidget());
    ShowInPlaceOf(ButtonAlarms, FButtonAlarms);
    ShowInPlaceOf(FButtonOptions, ButtonOptions);
    PanelAlarms->hide();
    PanelOptions->show();
    if (leavingFocus)
        FocusFirstControl();
}

void TFormMain::FocusFirstControl()
{
    (PanelAlarms->isVisibleTo(this) ? static_cast<QWidget *>(AlarmsList) : chkAutoRun)
        ->setFocus(Qt::OtherFocusReason);
}

AlarmRow TFormMain::RowFromEditor()
{
    return {AlarmStore::CaptionOf({FormAlarm->MemoFirstLine()}), FormAlarm->CheckedModeText()};
}

// The editor is made when first needed: building it touches much of Qt's
// widget code, which costs an idle clock over a megabyte of memory.
static TFormAlarm *Editor()
{
    if (!FormAlarm)
        FormAlarm = new TFormAlarm;
    return FormAlarm;
}

void TFormMain::ButtonAddClick()
{
    // A full store opens no editor: nothing could be kept from it.
    if (Alarms.IsFull())
        throw Exception(tr("The alarm list is full: Tocsimo keeps at most %1 alarms. "
                           "Delete an alarm before adding another")
                            .arg(AlarmStore::Capacity));
    TFormAlarm *editor = Editor();
    editor->AlarmId = Alarms.AllocateId();
    SetOwnerWindow(editor, this);
    editor->ButtonNewClick();
    if (editor->Accepted)
        AlarmsModel->Append(editor->AlarmId, RowFromEditor(), editor->PickedTime());
}

void TFormMain::ButtonEditClick()
{
    const int row = ItemIndex();
    if (row < 0)
        return;
    TFormAlarm *editor = Editor();
    editor->AlarmId = Alarms.Slot(row + 1).Id;
    SetOwnerWindow(editor, this);
    editor->ButtonEditClick();
    if (editor->Accepted)
        AlarmsModel->Replace(row, RowFromEditor(), editor->PickedTime());
}

void TFormMain::ButtonDelClick()
{
    int a = ItemIndex();
    // The index is written whether or not a row went, and its failure is
    // reported only after the selection has been put right.
    const auto reselect = qScopeGuard([this, &a] {
        if (ItemIndex() >= 0)
            return;
        if (a >= Alarms.Count())
            a = Alarms.Count() - 1;
        SetItemIndex(a);
        AlarmsList->setFocus();
    });
    if (a >= 0) {
        // Otherwise the list would select a neighbour of the row by itself.
        AlarmsList->selectionModel()->clear();
        // Its snoozed reminders go with it, whether or not the index is written.
        const int id = Alarms.Slot(a + 1).Id;
        const auto unsnooze = qScopeGuard([this, id] {
            if (Snoozes.DropAlarm(id))
                SaveSnoozes();
        });
        AlarmsModel->Remove(a);
    }
    else
        Alarms.WriteIndex();
}

void TFormMain::AlarmsListClick()
{
    if (ItemIndex() >= 0)
        return;
    SetItemIndex(Alarms.Count() - 1);
    AlarmsList->setFocus();
}

void TFormMain::AlarmsListEditKey()
{
    // The row the keyboard is on, when none is selected yet.
    if (ItemIndex() < 0 && AlarmsList->currentIndex().isValid())
        SetItemIndex(AlarmsList->currentIndex().row());
    AlarmsListDblClick();
}

void TFormMain::AlarmsListDblClick()
{
    const auto reselect = qScopeGuard([this] { AlarmsListClick(); });
    ButtonEditClick();
}

int TFormMain::ItemIndex() const
{
    return AlarmsList->ItemIndex();
}

void TFormMain::SetItemIndex(int row)
{
    ShowAlarmsModel();
    AlarmsList->SetItemIndex(row);
}

void TFormMain::LoadStrip()
{
    if (!Image2->pixmap().isNull())
        return;
    const QPixmap strip(QStringLiteral(":/pictures/ManagerStrip.jpg"));
    Image2->setPixmap(strip);
    if (!strip.isNull())
        Image2->resize(strip.size());
}

void TFormMain::showEvent(QShowEvent *event)
{
    LoadStrip();
    ShowAlarmsModel();
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

void TFormMain::chkAutoRunClick()
{
    AutoRun::Update(chkAutoRun->isChecked(), AutoRun::LaunchedPath());
}

void TFormMain::ButtonPlayClick()
{
    const QString name = ChimeNames.value(cbChime->currentIndex());
    if (name.isEmpty())
        return;
    Player->Play(ProgramFolder() + RelPath::SoundFolder + name + QStringLiteral(".wav"));
}

void TFormMain::ButtonStopClick()
{
    Player->Stop();
}

void TFormMain::DSTrackBarTimer(TDSTrackBar *, uint32_t, uint32_t)
{
    // A chime plays once through.
    if (Player->AtEnd())
        ButtonStop->click();
}

void TFormMain::LoadOptions()
{
    const Options options = OptionsFile::Read(OptionsFile::Path());
    {
        // The entry is updated once below, not also by the box's own handler.
        const QSignalBlocker quiet(chkAutoRun);
        ShowOptions(options);
    }
    // An entry that cannot be written is reported, and the options are still
    // the file's: otherwise the next close would save defaults over them.
    Guarded([this] { chkAutoRunClick(); });
}

void TFormMain::ShowOptions(const Options &o)
{
    chkAutoRun->setChecked(o.AutoRun);
    chkAutoHide->setChecked(o.AutoHide);
    (o.AMPM ? rbAMPM : rb24Hours)->setChecked(true);
    chkRepeat->setChecked(o.Repeat);
    chkShowMissed->setChecked(o.ShowMissed);
    EditSnooze->setValue(o.SnoozeMinutes);
    chkChimes->setChecked(o.EnableChimes);
    switch (o.Interval) {
    case ChimeInterval::None:
        if (QAbstractButton *selected = intervalGroup_->checkedButton())
            ClearInGroup(selected);
        break;
    case ChimeInterval::Hourly: rbHourly->setChecked(true); break;
    case ChimeInterval::HalfHourly: rbHalfHourly->setChecked(true); break;
    case ChimeInterval::QuarterHourly: rbQuartarHourly->setChecked(true); break;
    }
    cbChime->setCurrentIndex(o.ChimeSound >= 0 && o.ChimeSound < cbChime->count() ? o.ChimeSound : -1);
}

Options TFormMain::OptionsFromPage() const
{
    Options o;
    o.AutoRun = chkAutoRun->isChecked();
    o.AutoHide = chkAutoHide->isChecked();
    o.AMPM = rbAMPM->isChecked();
    o.Repeat = chkRepeat->isChecked();
    o.ShowMissed = chkShowMissed->isChecked();
    o.SnoozeMinutes = EditSnooze->value();
    o.EnableChimes = chkChimes->isChecked();
    o.Interval = rbQuartarHourly->isChecked() ? ChimeInterval::QuarterHourly
        : rbHalfHourly->isChecked()           ? ChimeInterval::HalfHourly
        : rbHourly->isChecked()               ? ChimeInterval::Hourly
                                              : ChimeInterval::None;
    o.ChimeSound = cbChime->currentIndex();
    return o;
}

void TFormMain::SaveOptions() const
{
    OptionsFile::Write(OptionsFile::Path(), OptionsFromPage());
}

void TFormMain::RefreshAlarmsList()
{
    AlarmsModel->Reload();
}

void TFormMain::ShowAlarmsModel()
{
    if (AlarmsList->model() == AlarmsModel)
        return;
    AlarmsList->setModel(AlarmsModel);
    AlarmsList->header()->setStretchLastSection(false);
    AlarmsList->setColumnWidth(AlarmListModel::CaptionColumn, 200);
    AlarmsList->setColumnWidth(AlarmListModel::ModeColumn, 80);
}

void TFormMain::TimerTimer()
{
    alarmPass_.Run(Alarms, [this](int id) { FireAlarm(id); });
    ShowMissedAlarms();
    OpenDueSnooze();
    // An alarm a moment away: get the reminder's sound ready now, so the
    // alarm is not kept waiting while it starts. Queued, so the tick never
    // waits for it (and it only asks the engine's thread for work anyway).
    constexpr double kLookAheadDays = 2.0 / 86400;
    if (const int soon = AlarmPass::FirstDue(Alarms, DecodeDateTime(Now() + kLookAheadDays)))
        QMetaObject::invokeMethod(this, [soon] { if (FormReminder) Guarded([soon] { FormReminder->PreparePlayer(soon); }); },
                                  Qt::QueuedConnection);
    ChimeTestRun();
    // Written at once after an alarm's news, so a start soon after neither
    // lists it as missed nor lists it again.
    lastRun_.Note(alarmPass_.SeenThroughUtc(), std::exchange(alarmNews_, false));
}

void TFormMain::ChimeTestRun()
{
    const ChimeSettings settings{chkChimes->isChecked(), rbHourly->isChecked(), rbHalfHourly->isChecked(),
                                 rbQuartarHourly->isChecked()};
    if (chimeTest_.Due(settings, NowParts()))
        ButtonPlayClick();
}

int TFormMain::MsToNextTick()
{
    // A little past the boundary, so a tick never lands just before it.
    constexpr int kPastTheSecondMs = 3;
    return 1000 - NowParts().msec + kPastTheSecondMs;
}

void TFormMain::FireAlarm(int alarmId)
{
    OpenReminder(alarmId, chkRepeat->isChecked(), false);
}

void TFormMain::OpenReminder(int alarmId, bool repeat, bool wasSnoozed)
{
    Timer->stop();
    // However the reminder ends, an error included, the snoozed reminders are
    // written while the scheduler is still stopped (an error shown meanwhile
    // lets no tick in), and then the scheduler runs again.
    const auto after = qScopeGuard([this, alarmId, repeat, wasSnoozed] {
        if (FormReminder->Snoozed)
            Snoozes.Add({alarmId, ReadClock().utcSecond + EditSnooze->value() * 60LL, repeat});
        if (FormReminder->Snoozed || wasSnoozed)
            SaveSnoozes();
        Timer->start(MsToNextTick());
    });
    alarmNews_ = true;
    FormReminder->AlarmId = alarmId;
    FormReminder->RepeatFlag = repeat;
    FormReminder->Button1Click();
}

void TFormMain::OpenDueSnooze()
{
    // Waits while another reminder is open (the tick waits with it), and opens
    // as soon as that one is closed: never over it, and never lost. It leaves
    // the list on disk only once its reminder has closed: if the program ends
    // while it is open, it comes back at the next start.
    SnoozedReminder due;
    if (!Snoozes.TakeDue(ReadClock().utcSecond, due))
        return;
    bool listed = false;
    for (int r = 0; r < Alarms.Count(); ++r)
        listed = listed || Alarms.Slot(r + 1).Id == due.alarmId;
    if (!listed) {
        SaveSnoozes(); // its alarm has gone (a list edited by hand): dropped
        return;
    }
    OpenReminder(due.alarmId, due.repeat, true);
    alarmPass_.ReminderClosed();
}

void TFormMain::SaveSnoozes()
{
    Guarded([this] {
        try {
            Snoozes.Save();
        } catch (const EIniFileException &e) {
            throw Exception(tr("%1. Snoozed reminders come back while Tocsimo runs, but not after it is started again")
                                .arg(e.Message()));
        }
    });
}

void TFormMain::ShowMissedAlarms()
{
    const QList<MissedAlarm> missed = alarmPass_.TakeMissed();
    if (missed.isEmpty())
        return;
    alarmNews_ = true;
    if (!chkShowMissed->isChecked())
        return;
    if (!FormMissed)
        FormMissed = new TFormMissed;
    FormMissed->AddMissed(missed, rbAMPM->isChecked());
}
