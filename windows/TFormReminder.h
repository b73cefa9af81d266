#pragma once

#include <QDialog>

class TFormReminder : public QDialog {
    Q_OBJECT
public:
    explicit TFormReminder(QWidget *parent = nullptr);

    int AlarmId = 1;
    bool RepeatFlag = true;
    void Button1Click();
};

extern TFormReminder *FormReminder;
