#pragma once

#include <QDialog>

class TFormAlarm : public QDialog {
    Q_OBJECT
public:
    explicit TFormAlarm(QWidget *parent = nullptr);
};

extern TFormAlarm *FormAlarm;
