// The list of the Alarms dialog: one owner-drawn row per alarm of the program, the message in
// bold over the alarm's device time, a black line under each row. It owns the alarm records
// (a CAlarmList read from the notification store); tap-and-hold on a row offers Delete and
// Properties.
#pragma once

#include "alarm.h"

#include <QFont>
#include <QListWidget>

namespace za::app {

class CAlarmListCtrl : public QListWidget {
    Q_OBJECT

public:
    explicit CAlarmListCtrl(QWidget* parent = nullptr);

    // Rows from the list (read again from the store when reload), then row
    // min(selectIndex, rows - 1) selected, none when there are none.
    void Fill(int selectIndex, bool reload);
    // Asks, then clears the selected alarm and removes its row; the row that takes its place,
    // or the new last row, is selected. Nothing without a selection.
    void DeleteSelected();
    // Drops the alarms that are gone from the store (fired and dismissed, or removed by another
    // program), keeping the selection's index.
    void Refresh();

    // The record of the selected row, or null.
    CAlarm* SelectedAlarm() const;
    CAlarmList& Alarms() { return m_list; }
    // The height of every row: twice the height of "CALC" in 9-point Tahoma, plus 3.
    int RowHeight() const { return m_rowHeight; }
    const QFont& RowFont() const { return m_font; }
    const QFont& BoldFont() const { return m_bold; }

signals:
    // A command of the row's pop-up menu: Delete Alarm (32800) or Alarm Properties (32810).
    void command(UINT id);

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void PopupMenu(const QPoint& at);

    CAlarmList m_list;
    QFont m_font;
    QFont m_bold;
    int m_rowHeight = 0;
    QTimer* m_holdTimer = nullptr;
    QPoint m_pressPoint;
};

}  // namespace za::app
