#pragma once

#include <QDateTimeEdit>

// A date field with a drop-down calendar that the keyboard opens too, by F4
// or Alt+Down as a drop-down list opens.
class CalendarDateEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit CalendarDateEdit(QWidget *parent = nullptr);

    // Drops the calendar down, as a click on the field's arrow does.
    void OpenCalendar();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
