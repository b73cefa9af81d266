#pragma once

#include "store/AlarmMode.h"
#include "store/AlarmTime.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QButtonGroup;
class QDateTimeEdit;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class TDSTrackBar;
class TFilterGraph;
class WindowPlayer;

// The alarm properties editor: one alarm's mode, date and time, sound and
// message. Made when the manager first needs it, then reused. The manager
// sets AlarmId and calls ButtonNewClick or ButtonEditClick, which return when
// the editor is closed; when Accepted is set the alarm's files have been
// written and the controls still hold what was saved.
class TFormAlarm : public QDialog {
    Q_OBJECT
public:
    explicit TFormAlarm(QWidget *parent = nullptr);
    ~TFormAlarm() override;

    // Controls.
    QLabel *Label3 = nullptr;
    QRadioButton *rbOnce = nullptr;
    QRadioButton *rbHourly = nullptr;
    QRadioButton *rbDaily = nullptr;
    QRadioButton *rbWeekly = nullptr;
    QRadioButton *rbMonthly = nullptr;
    QRadioButton *rbYearly = nullptr;
    QLabel *Label1 = nullptr;
    QDateTimeEdit *DatePicker = nullptr;
    QLabel *Label2 = nullptr;
    QDateTimeEdit *TimePicker = nullptr;
    QPushButton *Button1 = nullptr; // "Now"
    QFrame *Bevel1 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *EditAlarmSound = nullptr;
    QToolButton *ButtonOpen = nullptr;
    QToolButton *ButtonPlay = nullptr;
    QToolButton *ButtonStop = nullptr;
    QFrame *Bevel2 = nullptr;
    QLabel *Label5 = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QPushButton *ButtonOk = nullptr;
    QPushButton *Button2 = nullptr;    // "Cancel"
    QPushButton *ButtonNew = nullptr;  // hidden entry point: a new alarm
    QPushButton *ButtonEdit = nullptr; // hidden entry point: an existing alarm
    // The preview's player; the hidden bar reports its position.
    WindowPlayer *Player = nullptr;
    TDSTrackBar *DSTrackBar = nullptr;
    TFilterGraph *FilterGraph = nullptr;
    // Made the first time it is needed, then kept (it remembers its folder).
    QFileDialog *OpenDialog = nullptr;

    // The dialog's filter, in the Windows form "name|patterns|...".
    static const char *const OpenDialogFilter;

    // State.
    int AlarmId = 1;
    bool NewAlarm = false;
    bool Accepted = false;

    // Handlers.
    void FormCreate();
    void FormShow();
    void FormClose();
    void rbOnceClick();
    void rbHourlyClick();
    void rbDailyClick();
    void rbWeeklyClick();
    void rbMonthlyClick();
    void rbYearlyClick();
    void Button1Click();
    void ButtonOpenClick();
    void ButtonPlayClick();
    void ButtonStopClick();
    void DSTrackBarTimer(TDSTrackBar *sender, uint32_t CurrentPos, uint32_t StopPos);
    void ButtonOkClick();
    void Button2Click();
    void ButtonNewClick();
    void ButtonEditClick();

    // The result, read by the manager after the editor closed with "OK".
    std::optional<AlarmMode> CheckedMode() const; // none when no mode is selected
    QString CheckedModeText() const;               // empty when none
    AlarmTime PickedTime() const;                  // the date picker's date, the time picker's time
    // The first line of Memo as the box shows it: a long line is cut where
    // the box wraps it.
    QString MemoFirstLine() const;
    QStringList MemoLines() const;

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void ApplyDefaults();
    void LoadAlarm();
    void Save();
    // Reconfigures the pickers for the first selected mode.
    void ModeChanged();
    // Selects the mode's button (clearing the others), or clears only it.
    void SetMode(AlarmMode mode, bool selected);
    QRadioButton *ModeButton(AlarmMode mode) const;
    // Sets the pickers to the present moment.
    void SetPickersToNow();

    QButtonGroup *modeGroup_ = nullptr;
};

extern TFormAlarm *FormAlarm;
