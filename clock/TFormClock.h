#pragma once

#include <QWidget>

// The desktop clock: a small frameless window that floats above the others.
// It is the main window: closing it ends the program.
class TFormClock : public QWidget {
    Q_OBJECT
public:
    explicit TFormClock(QWidget *parent = nullptr);

    // Another copy of the program was started: come to the front, but only
    // when the clock is showing (a clock hidden in the tray stays hidden).
    void RaiseIfVisible();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

extern TFormClock *FormClock;
