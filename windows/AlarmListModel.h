#pragma once

#include <QAbstractTableModel>

class AlarmStore;

// The rows of the alarm list as the manager's list view shows them: the
// caption and the mode text of each alarm, in list order. A third column,
// "ID", is kept empty and hidden.
class AlarmListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CaptionColumn, ModeColumn, IdColumn, ColumnCount };

    explicit AlarmListModel(const AlarmStore &store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The store changed: the view reads it again.
    void Reload();

private:
    const AlarmStore &store_;
};
