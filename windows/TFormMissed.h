#pragma once

#include "schedule/MissedList.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

// The "Missed alarms" window: the alarms that fell due without going off,
// each with the time it was due and its message. It is not modal, so it never
// holds up a later alarm or chime; it takes more rows while it is open, and
// starts empty again once closed (Esc or "Close"). Made when first needed.
class TFormMissed : public QDialog {
    Q_OBJECT
public:
    explicit TFormMissed(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QTreeWidget *ListMissed = nullptr;
    QPushButton *ButtonClose = nullptr;

    // Lists these alarms as well and shows the window, announced to screen
    // readers; times in AM/PM form or in 24-hour form.
    void AddMissed(const QList<MissedAlarm> &missed, bool twelveHour);

protected:
    // However it closes ("Close", Esc, the window manager), the list is done with.
    void done(int result) override;

private:
    void FillList();

    MissedList missed_;
    bool twelveHour_ = true;
};

extern TFormMissed *FormMissed;
