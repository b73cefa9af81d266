#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the program icon, name and version.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *ButtonOK = nullptr;

    void ButtonOKClick();

protected:
    void showEvent(QShowEvent *event) override;
};

extern TFormAbout *FormAbout;
