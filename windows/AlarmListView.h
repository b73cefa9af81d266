#pragma once

#include <QTreeView>

// The manager's report-style alarm list. It tells of every click and double
// click anywhere in it, on a row or on the empty space below the rows, once
// the click has had its effect on the selection, and of the keys that edit
// and delete a row.
class AlarmListView : public QTreeView {
    Q_OBJECT
public:
    explicit AlarmListView(QWidget *parent = nullptr);

    // The position of the selected row, or -1 when none is selected.
    int ItemIndex() const;
    // Selects the row at the position (and makes it current), or none for -1.
    void SetItemIndex(int row);

signals:
    void Click();
    void DblClick();
    // Enter, and Delete, pressed in the list.
    void EditKey();
    void DeleteKey();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
