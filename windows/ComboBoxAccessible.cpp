#include "windows/ComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

ComboBoxAccessible::ComboBoxAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

QComboBox *ComboBoxAccessible::box() const
{
    return static_cast<QComboBox *>(widget());
}

QString ComboBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->currentText();
    return QAccessibleWidget::text(t);
}

QAccessible::State ComboBoxAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = box()->view() && box()->view()->isVisible();
    return s;
}

// The one child is the list that drops down, as in Qt's own interface.
int ComboBoxAccessible::childCount() const
{
    return box()->view() ? 1 : 0;
}

QAccessibleInterface *ComboBoxAccessible::child(int index) const
{
    return index == 0 && box()->view() ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && box()->view() && child->object() == box()->view() ? 0 : -1;
}

void *ComboBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList ComboBoxAccessible::actionNames() const
{
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

void ComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction())
        box()->showPopup();
    else
        QAccessibleWidget::doAction(actionName);
}

void ComboBoxAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
}

int ComboBoxAccessible::selectionCount() const { return 0; }
void ComboBoxAccessible::addSelection(int, int) {}
void ComboBoxAccessible::removeSelection(int) {}
void ComboBoxAccessible::setSelection(int, int, int) {}
int ComboBoxAccessible::cursorPosition() const { return 0; }
void ComboBoxAccessible::setCursorPosition(int) {}

QString ComboBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString value = box()->currentText();
    if (endOffset < 0 || endOffset > value.size())
        endOffset = int(value.size());
    startOffset = qBound(0, startOffset, endOffset);
    return value.mid(startOffset, endOffset - startOffset);
}

int ComboBoxAccessible::characterCount() const
{
    return int(box()->currentText().size());
}

QRect ComboBoxAccessible::characterRect(int) const { return {}; }
int ComboBoxAccessible::offsetAtPoint(const QPoint &) const { return -1; }
void ComboBoxAccessible::scrollToSubstring(int, int) {}

QString ComboBoxAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
