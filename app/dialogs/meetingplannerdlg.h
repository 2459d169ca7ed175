// The Meeting Planner: for a date, one row per displayed city with its 24 hours laid out
// against the current city's, working hours shaded, the hours in which every city works
// marked, and an hour picked by click or keys that every row reads at ("14:00 in London is
// 23:00 in Tokyo, outside working hours"). A row's working hours can be changed for its city;
// OK keeps them. The plan itself is computed by the core library (meetingplanner.h).
#pragma once

#include "dialogframe.h"
#include "host.h"
#include "meetingplanner.h"

#include <QWidget>

#include <vector>

class QLabel;
class QTimeEdit;

namespace za::app {

class CWallClockEdit;

constexpr UINT IDD_MEETING_PLANNER = 190;
constexpr int IDC_PLAN_DATE = 1014;
constexpr int IDC_PLAN_GRID = 1060;
constexpr int IDC_PLAN_READING = 1061;
constexpr int IDC_PLAN_COMMON = 1062;
constexpr int IDC_WORK_FROM = 1063;
constexpr int IDC_WORK_TO = 1064;

// The rows of hours. Left and Right (or a click) pick the hour, Up and Down the row that is
// read against the reference row; Home and End the first and last hour.
class CPlannerGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int kNameWidth = 130;
    static constexpr int kCellWidth = 24;
    static constexpr int kRowHeight = 26;
    static constexpr int kBandHeight = 6;  // the common-hours band above the rows

    explicit CPlannerGrid(QWidget* parent);

    void SetPlan(const za::MeetingPlan& plan);
    const za::MeetingPlan& Plan() const { return m_plan; }
    int Slot() const { return m_slot; }
    int Row() const { return m_row; }
    // Picks an hour and a row (clamped to the plan); tells the dialog.
    void Pick(int slot, int row);
    // What the picked hour reads: "14:00 in London is 23:00 in Tokyo, outside working hours".
    QString Reading() const;
    // The cell rectangle of a slot in a row.
    QRect CellRect(int slot, int row) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void picked(int slot, int row);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    za::MeetingPlan m_plan;
    int m_slot = 0;
    int m_row = 0;
};

class CMeetingPlannerDlg : public CBaseDialog {
    Q_OBJECT

public:
    // The cities shown on the main screen, the current city first; the date today there.
    explicit CMeetingPlannerDlg(QWidget* parent, CHost& host = NoHost());
    // The given cities (the first the reference) on a given date: for callers and tests that
    // fix them.
    CMeetingPlannerDlg(QWidget* parent, const std::vector<CCity>& cities, const SYSTEMTIME& date, int slot);
    ~CMeetingPlannerDlg() override;

    CPlannerGrid* Grid() const { return m_grid; }
    CWallClockEdit* DatePicker() const { return m_date; }
    QLabel* ReadingLabel() const { return m_reading; }
    QLabel* CommonLabel() const { return m_common; }
    QTimeEdit* WorkFrom() const { return m_from; }
    QTimeEdit* WorkTo() const { return m_to; }

    // Plans the picked date again with each row's working hours.
    void Replan();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void Build();
    void OnPicked();
    void OnHoursEdited();

    std::vector<za::PlanCity> m_cities;
    std::vector<bool> m_edited;  // per city: its hours were changed here
    CPlannerGrid* m_grid = nullptr;
    CWallClockEdit* m_date = nullptr;
    QLabel* m_reading = nullptr;
    QLabel* m_common = nullptr;
    QLabel* m_hoursCaption = nullptr;
    QTimeEdit* m_from = nullptr;
    QTimeEdit* m_to = nullptr;
    SYSTEMTIME m_openedAt{};  // the instant the window showed as the dialog was made
    SYSTEMTIME m_startDate{};
    int m_startSlot = -1;
    bool m_showing = false;  // the time edits are being set from the row, not by the user
};

}  // namespace za::app
