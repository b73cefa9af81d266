#pragma once

#include <QDialog>

class TFormReminder : public QDialog {
    Q_OBJECT
public:
    explicit TFormReminder(QWidget *parent = nullptr);
};

extern TFormReminder *FormReminder;
