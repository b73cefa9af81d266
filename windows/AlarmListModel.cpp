#include "windows/AlarmListModel.h"

#include "store/AlarmStore.h"

#include <QCoreApplication>
#include <QScopeGuard>

AlarmListModel::AlarmListModel(AlarmStore &store, QObject *parent)
    : QAbstractTableModel(parent), store_(store)
{
}

int AlarmListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : store_.Count();
}

int AlarmListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AlarmListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= store_.Count())
        return {};
    switch (index.column()) {
    case CaptionColumn: return store_.Row(index.row()).Caption;
    // The file's mode word in the user's language; a word the program does
    // not know (a hand-edited file) shows as it is.
    case ModeColumn: return QCoreApplication::translate("AlarmMode", store_.Row(index.row()).ModeText.toUtf8().constData());
    default: return QString();
    }
}

QVariant AlarmListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case CaptionColumn: return tr("Caption");
    case ModeColumn: return tr("Mode");
    default: return {};
    }
}

void AlarmListModel::Reload()
{
    beginResetModel();
    endResetModel();
}

void AlarmListModel::Append(int id, const AlarmRow &row, const AlarmTime &time)
{
    store_.CheckAppend(id); // a refusal changes nothing
    const int position = store_.Count();
    beginInsertRows({}, position, position);
    // The closing half of a change runs however the change ends.
    const auto end = qScopeGuard([this] { endInsertRows(); });
    store_.Append(id, row, time);
}

void AlarmListModel::Replace(int row, const AlarmRow &newRow, const AlarmTime &time)
{
    if (row < 0 || row >= store_.Count()) {
        store_.Replace(row, newRow, time); // raises the store's error
        return;
    }
    const auto changed = qScopeGuard([this, row] { emit dataChanged(index(row, 0), index(row, ColumnCount - 1)); });
    store_.Replace(row, newRow, time);
}

void AlarmListModel::Remove(int row)
{
    if (row < 0 || row >= store_.Count()) {
        store_.Remove(row); // raises the store's error
        return;
    }
    beginRemoveRows({}, row, row);
    const auto end = qScopeGuard([this] { endRemoveRows(); });
    store_.Remove(row);
}
