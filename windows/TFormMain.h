#pragma once

#include "store/AlarmStore.h"

#include <QDialog>

class QPlainTextEdit;
class QTreeWidget;

// The alarm manager. Hidden most of the time, it owns the alarm table and the
// alarm list for the whole run.
class TFormMain : public QDialog {
    Q_OBJECT
public:
    explicit TFormMain(QWidget *parent = nullptr);
    ~TFormMain() override;

    // Controls.
    QTreeWidget *AlarmsList = nullptr;
    QPlainTextEdit *Memo1 = nullptr;

    // The alarm table and list rows behind AlarmsList.
    AlarmStore Alarms;

    void FormCreate();
    // Shows the store's rows in AlarmsList.
    void RefreshAlarmsList();
};

extern TFormMain *FormMain;
