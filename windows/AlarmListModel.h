#pragma once

#include <QAbstractTableModel>

#include "store/AlarmStore.h"

// The rows of the alarm list as the manager's list view shows them: the
// caption and the mode text of each alarm, in list order. (The list was laid
// out with a third column, "ID", of no width and always empty: it is left
// out, so a screen reader meets only the two columns that show.) Changes to
// the alarms go through here, so the view keeps its selection across them.
class AlarmListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CaptionColumn, ModeColumn, ColumnCount };

    explicit AlarmListModel(AlarmStore &store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The store changed: the view reads it again.
    void Reload();

    // The store's changes, told to the view. Each writes the index; when that
    // fails the error is raised and the change stays, in the view as well.
    void Append(int id, const AlarmRow &row, const AlarmTime &time);
    void Replace(int row, const AlarmRow &newRow, const AlarmTime &time);
    void Remove(int row);

private:
    AlarmStore &store_;
};
