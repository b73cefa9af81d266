#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class TDSTrackBar;
class TFilterGraph;
class WindowPlayer;

// The window that shows and sounds a due alarm. Created once at start-up and
// reused: the scheduler stores AlarmId and RepeatFlag, then calls Button1Click,
// which returns only when the user has pressed "Close".
class TFormReminder : public QDialog {
    Q_OBJECT
public:
    explicit TFormReminder(QWidget *parent = nullptr);
    ~TFormReminder() override;

    // Controls.
    QLabel *Image1 = nullptr;
    QLabel *LabelTime = nullptr;
    QLabel *LabelDate = nullptr;
    QPlainTextEdit *Memo = nullptr;
    TDSTrackBar *DSTrackBar = nullptr;
    QPushButton *Button1 = nullptr;     // hidden entry point of the scheduler
    QPushButton *ButtonClose = nullptr;
    QPushButton *ButtonSnooze = nullptr; // closes as "Close" does; the reminder comes back later
    QTimer *Timer = nullptr;            // label refresh, runs while shown
    // The alarm's sound; the hidden bar reports its position.
    WindowPlayer *Player = nullptr;
    TFilterGraph *FilterGraph = nullptr;

    // Set by the scheduler before each alarm.
    int AlarmId = 1;
    bool RepeatFlag = true;
    // The alarm's sound, kept until the next alarm replaces it.
    QString SoundFile;
    // How the last reminder was closed: by "Snooze" rather than "Close".
    bool Snoozed = false;

    void FormCreate();
    void Button1Click();
    void TimerTimer();
    void DSTrackBarTimer(TDSTrackBar *sender, uint32_t CurrentPos, uint32_t StopPos);
    void ButtonCloseClick();
    void ButtonSnoozeClick();

    // Starts the sound engine ahead of an alarm that is about to go off and
    // loads its sound, without playing it; a failure is left for the alarm
    // itself to meet.
    void PreparePlayer(int alarmId);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // In front, focused and not minimised, while shown.
    void BringToFront();
    void RefreshLabels();
    void StartPlayback();
    void CentreOnScreen();

    // What the labels show now, so that a refresh which would change nothing
    // formats nothing and repaints nothing.
    int64_t shownTimeKey_ = -1;
    int64_t shownDateKey_ = -1;
    int64_t shownMinuteKey_ = -1;
};

extern TFormReminder *FormReminder;
