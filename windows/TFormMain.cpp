#include "windows/TFormMain.h"

#include "app/ErrorBox.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTreeWidget>

TFormMain *FormMain = nullptr;

TFormMain::TFormMain(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Tocsimo"));
    setFixedSize(414, 366);

    AlarmsList = new QTreeWidget(this);
    AlarmsList->setObjectName(QStringLiteral("AlarmsList"));
    AlarmsList->setGeometry(96, 40, 305, 249);
    AlarmsList->setRootIsDecorated(false);
    AlarmsList->setSelectionMode(QAbstractItemView::SingleSelection);
    AlarmsList->setSelectionBehavior(QAbstractItemView::SelectRows);
    AlarmsList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AlarmsList->setHeaderLabels({QStringLiteral("Caption"), QStringLiteral("Mode"), QStringLiteral("ID")});
    AlarmsList->setColumnWidth(0, 200);
    AlarmsList->setColumnWidth(1, 80);
    AlarmsList->setColumnHidden(2, true);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->hide();

    Guarded([this] { FormCreate(); });
}

TFormMain::~TFormMain() = default;

void TFormMain::FormCreate()
{
    Alarms.Load();
    RefreshAlarmsList();
}

void TFormMain::RefreshAlarmsList()
{
    AlarmsList->clear();
    QList<QTreeWidgetItem *> items;
    for (int r = 0; r < Alarms.Count(); ++r)
        items.append(new QTreeWidgetItem({Alarms.Row(r).Caption, Alarms.Row(r).ModeText}));
    AlarmsList->addTopLevelItems(items);
}
