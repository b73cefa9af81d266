#include "windows/CalendarDateEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

CalendarDateEdit::CalendarDateEdit(QWidget *parent) : QDateTimeEdit(parent)
{
    setCalendarPopup(true);
}

void CalendarDateEdit::OpenCalendar()
{
    if (!calendarPopup() || !isEnabled() || isReadOnly())
        return;
    // Qt drops the calendar only for a press on the arrow: press it there.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QPoint arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this).center();
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QDateTimeEdit::mousePressEvent(&press);
}

void CalendarDateEdit::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_F4 && modifiers == Qt::NoModifier)
        || (event->key() == Qt::Key_Down && modifiers == Qt::AltModifier)) {
        event->accept();
        OpenCalendar();
        return;
    }
    QDateTimeEdit::keyPressEvent(event);
}
