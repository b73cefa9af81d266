#include "windows/TFormMissed.h"

#include "app/DateTime.h"
#include "windows/AccessibleFactory.h"
#include "windows/Named.h"
#include "windows/ReminderText.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TFormMissed *FormMissed = nullptr;

TFormMissed::TFormMissed(QWidget *parent) : QDialog(parent)
{
    // Before anything of the window is made: Qt keeps the first accessible
    // interface it makes for a window, already while the window is built.
    InstallAccessibleFactory();
    setObjectName(QStringLiteral("FormMissed"));
    setWindowTitle(tr("Missed alarms"));
    // Above the floating clock, which itself stays on top.
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    setAccessibleName(windowTitle());

    Label1 = Named(new QLabel(tr("&These alarms were due but could not go off:"), this), "Label1");
    Label1->setWordWrap(true);

    ListMissed = Named(new QTreeWidget(this), "ListMissed");
    ListMissed->setColumnCount(2);
    ListMissed->setHeaderLabels({tr("Due"), tr("Message")});
    ListMissed->setRootIsDecorated(false);
    ListMissed->setUniformRowHeights(true);
    ListMissed->setSelectionMode(QAbstractItemView::SingleSelection);
    ListMissed->setAccessibleName(tr("Missed alarms"));
    Label1->setBuddy(ListMissed);

    ButtonClose = Named(new QPushButton(tr("&Close"), this), "ButtonClose");
    ButtonClose->setDefault(true);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ListMissed);
    layout->addLayout(buttons);
    resize(480, 280);
}

void TFormMissed::AddMissed(const QList<MissedAlarm> &missed, bool twelveHour)
{
    for (const MissedAlarm &m : missed)
        missed_.Add(m);
    twelveHour_ = twelveHour;
    FillList();
    if (!isVisible()) {
        show();
        raise();
        activateWindow();
        ListMissed->setFocus();
    }
    // Said again for every alarm added while the window is open.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void TFormMissed::FillList()
{
    ListMissed->clear();
    int alarms = 0;
    for (const MissedAlarm &m : missed_.Entries()) {
        const QString message = m.caption.isEmpty() ? tr("(no message)") : m.caption;
        for (const int64_t second : m.when.latest) {
            const DateTimeParts due = PartsOfSecondCount(second);
            const QString when = ReminderText::DateLabel(due, QLocale::system()) + QStringLiteral("  ")
                + ReminderText::TimeLabel(due, twelveHour_);
            new QTreeWidgetItem(ListMissed, {when, message});
        }
        const int more = m.when.total - static_cast<int>(m.when.latest.size());
        if (more > 0)
            new QTreeWidgetItem(ListMissed, {tr("and %n more", nullptr, more), message});
        alarms += m.when.total;
    }
    ListMissed->resizeColumnToContents(0);
    setAccessibleDescription(tr("Alarms missed: %1").arg(alarms));
}

void TFormMissed::done(int result)
{
    // Seen: the next missed alarm starts a new list.
    missed_.Clear();
    ListMissed->clear();
    QDialog::done(result);
}
