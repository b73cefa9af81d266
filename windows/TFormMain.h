#pragma once

#include "schedule/AlarmPass.h"
#include "schedule/ChimeTest.h"
#include "schedule/LastRun.h"
#include "schedule/SnoozeList.h"
#include "store/AlarmStore.h"
#include "windows/Options.h"

#include <QDialog>

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;
class QToolButton;
class AlarmListModel;
class AlarmListView;
class QWidget;
class TDSTrackBar;
class TFilterGraph;
class WindowPlayer;

// The alarm manager. Hidden most of the time, it lives for the whole run: it
// owns the alarm table and the alarm list, runs the scheduler, and its options
// page holds the live options that the other windows read.
class TFormMain : public QDialog {
    Q_OBJECT
public:
    explicit TFormMain(QWidget *parent = nullptr);
    ~TFormMain() override;

    // The strip down the left side, with the page buttons on it. Each page
    // button has a pressed-look twin at its place, shown while its page is.
    QLabel *Image2 = nullptr;
    QToolButton *ButtonAlarms = nullptr;
    QToolButton *FButtonAlarms = nullptr;
    QToolButton *ButtonOptions = nullptr;
    QToolButton *FButtonOptions = nullptr;
    QPushButton *Button3 = nullptr; // "OK"

    // The alarms page.
    QWidget *PanelAlarms = nullptr;
    QLabel *Label6 = nullptr;
    AlarmListView *AlarmsList = nullptr;
    // The rows AlarmsList shows. The view takes it when the window is first
    // shown, so a manager that stays hidden lays out no text at all.
    AlarmListModel *AlarmsModel = nullptr;
    QPushButton *ButtonAdd = nullptr;
    QPushButton *ButtonEdit = nullptr;
    QPushButton *ButtonDel = nullptr;

    // The options page.
    QWidget *PanelOptions = nullptr;
    QLabel *Label1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QCheckBox *chkAutoRun = nullptr;
    QCheckBox *chkAutoHide = nullptr;
    QLabel *Label3 = nullptr;
    QRadioButton *rbAMPM = nullptr;
    QRadioButton *rb24Hours = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QCheckBox *chkRepeat = nullptr;
    QCheckBox *chkShowMissed = nullptr;
    QLabel *LabelSnooze = nullptr;
    QSpinBox *EditSnooze = nullptr; // minutes
    QGroupBox *GroupBox1 = nullptr;
    QCheckBox *chkChimes = nullptr;
    QRadioButton *rbHourly = nullptr;
    QRadioButton *rbHalfHourly = nullptr;
    QRadioButton *rbQuartarHourly = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *cbChime = nullptr;
    QPushButton *ButtonPlay = nullptr;
    QPushButton *ButtonStop = nullptr;

    // The chime player; the hidden bar reports the end of the sound.
    WindowPlayer *Player = nullptr;
    TFilterGraph *FilterGraph = nullptr;
    TDSTrackBar *DSTrackBar = nullptr;

    // The scheduler's tick, once a second, just after the second begins.
    QTimer *Timer = nullptr;

    // The alarm table and list rows behind AlarmsList.
    AlarmStore Alarms;

    // Reminders put off with "Snooze", waiting to open again.
    SnoozeList Snoozes;

    // Handlers.
    void FormCreate();
    void FormShow();
    void FormClose(); // an error keeps the window open
    void Button3Click();
    void ButtonAlarmsClick();
    void ButtonOptionsClick();
    void ButtonAddClick();
    void ButtonEditClick();
    void ButtonDelClick();
    void AlarmsListClick();
    void AlarmsListDblClick();
    // Enter in the list: edits the row the keyboard is on.
    void AlarmsListEditKey();
    void TimerTimer();
    void chkAutoRunClick();
    void ButtonPlayClick();
    void ButtonStopClick();
    void DSTrackBarTimer(TDSTrackBar *sender, uint32_t CurrentPos, uint32_t StopPos);

    // Options between the page and the options file.
    void LoadOptions();
    void SaveOptions() const;
    Options OptionsFromPage() const;
    void ShowOptions(const Options &options);

    // AlarmsList shows the store's rows again.
    void RefreshAlarmsList();

    // The alarm list's selection: the selected row's position, or -1.
    int ItemIndex() const;
    void SetItemIndex(int row);

    // Run at the end of each scheduler tick: starts the chosen chime at a
    // chime second.
    void ChimeTestRun();

    // The chime names, in list order; the chime file is "sound/" + name + ".wav".
    static const QStringList ChimeNames;

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildPageButtons();
    // The keyboard to the first control of the page shown (a page switched by
    // the clock's menu takes it from a page that goes).
    void FocusFirstControl();
    void BuildAlarmsPage();
    void BuildOptionsPage();
    // Decodes the decorative strip, once.
    void LoadStrip();
    // Binds the list view to its rows, once.
    void ShowAlarmsModel();
    // Opens the reminder for one alarm and waits until it is closed.
    void FireAlarm(int alarmId);
    // The same for any reminder; wasSnoozed: it came off the snooze list.
    // One snoozed now goes on the list; the list is written when it changed.
    void OpenReminder(int alarmId, bool repeat, bool wasSnoozed);
    // Opens the snoozed reminder whose time has come, if any.
    void OpenDueSnooze();
    // Writes the snoozed reminders; a failure is shown, and they still come
    // back while the program runs.
    void SaveSnoozes();
    // Lists what the scheduler found missed, unless the options say not to.
    void ShowMissedAlarms();
    // Time until just after the next second begins.
    static int MsToNextTick();

    // The alarm as the editor holds it after "OK".
    static AlarmRow RowFromEditor();

    QButtonGroup *timeFormatGroup_ = nullptr;
    QButtonGroup *intervalGroup_ = nullptr;
    AlarmPass alarmPass_;
    ChimeTest chimeTest_;
    LastRun lastRun_;
    // An alarm went off or was missed since the last tick.
    bool alarmNews_ = false;
};

extern TFormMain *FormMain;
