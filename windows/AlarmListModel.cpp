#include "windows/AlarmListModel.h"

#include "store/AlarmStore.h"

AlarmListModel::AlarmListModel(const AlarmStore &store, QObject *parent)
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
    case ModeColumn: return store_.Row(index.row()).ModeText;
    default: return QString();
    }
}

QVariant AlarmListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case CaptionColumn: return QStringLiteral("Caption");
    case ModeColumn: return QStringLiteral("Mode");
    case IdColumn: return QStringLiteral("ID");
    default: return {};
    }
}

void AlarmListModel::Reload()
{
    beginResetModel();
    endResetModel();
}
