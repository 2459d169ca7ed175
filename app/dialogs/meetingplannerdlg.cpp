#include "meetingplannerdlg.h"

#include "clock.h"
#include "localetext.h"
#include "resource.h"
#include "stringtable.h"
#include "toolfields.h"
#include "worldsettings.h"
#include "worldstrings.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace za::app {
namespace {

const QColor kWorkingColour(190, 228, 190);
const QColor kCommonColour(40, 150, 60);
const QColor kOtherDayTint(0, 0, 0, 28);
const QColor kChangeColour(230, 140, 0);

QTime TimeOf(int minutes) { return QTime(minutes / 60 % 24, minutes % 60); }
int MinutesOf(const QTime& t) { return t.hour() * 60 + t.minute(); }

SYSTEMTIME DateOnly(const SYSTEMTIME& st) {
    SYSTEMTIME d{};
    d.wYear = st.wYear;
    d.wMonth = st.wMonth;
    d.wDay = st.wDay;
    return d;
}

}  // namespace

CPlannerGrid::CPlannerGrid(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Hours of the cities"));
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void CPlannerGrid::SetPlan(const za::MeetingPlan& plan) {
    m_plan = plan;
    updateGeometry();
    Pick(m_slot, m_row);
    update();
}

QSize CPlannerGrid::sizeHint() const {
    const int slotCount = std::max<int>(24, static_cast<int>(m_plan.slotStarts.size()));
    const int rows = std::max<int>(1, static_cast<int>(m_plan.rows.size()));
    return {kNameWidth + slotCount * kCellWidth + 2, kBandHeight + rows * kRowHeight + kBandHeight + 2};
}

QRect CPlannerGrid::CellRect(int slot, int row) const {
    return {kNameWidth + slot * kCellWidth, kBandHeight + row * kRowHeight, kCellWidth, kRowHeight};
}

void CPlannerGrid::Pick(int slot, int row) {
    const int slotCount = static_cast<int>(m_plan.slotStarts.size());
    const int rows = static_cast<int>(m_plan.rows.size());
    slot = slotCount > 0 ? std::clamp(slot, 0, slotCount - 1) : 0;
    row = rows > 0 ? std::clamp(row, 0, rows - 1) : 0;
    m_slot = slot;
    m_row = row;
    setAccessibleDescription(Reading());
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent description(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
    }
    emit picked(m_slot, m_row);
}

QString CPlannerGrid::Reading() const {
    if (m_plan.rows.empty() || m_plan.slotStarts.empty()) return QString();
    if (m_row > 0) return za::SlotReading(m_plan, m_slot, m_row);
    const za::PlanRow& row = m_plan.rows.front();
    const za::PlanCell& cell = row.cells[static_cast<size_t>(m_slot)];
    const QString here = za::FormatString(za::WorldString(za::IDS_HOUR_IN_CITY),
                                          {za::HourMinuteText(cell.local), row.name});
    return here + QStringLiteral(", ") +
           za::WorldString(cell.working ? za::IDS_INSIDE_WORKING_HOURS : za::IDS_OUTSIDE_WORKING_HOURS);
}

void CPlannerGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const int slotCount = static_cast<int>(m_plan.slotStarts.size());
    const int rows = static_cast<int>(m_plan.rows.size());
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    const QFontMetrics metrics(small);
    QFont tinyFont = font();
    tinyFont.setPointSizeF(font().pointSizeF() * 0.6);
    const QFontMetrics tiny(tinyFont);

    // The common hours: a band above and below the rows, and a frame around each run.
    for (const auto& [first, last] : m_plan.CommonRuns()) {
        const QRect top = CellRect(first, 0).united(CellRect(last, 0));
        p.fillRect(QRect(top.left(), 0, top.width(), kBandHeight - 1), kCommonColour);
        const int bottom = kBandHeight + rows * kRowHeight + 1;
        p.fillRect(QRect(top.left(), bottom, top.width(), kBandHeight - 1), kCommonColour);
    }

    for (int r = 0; r < rows; ++r) {
        const za::PlanRow& row = m_plan.rows[static_cast<size_t>(r)];
        const QRect nameRect(4, kBandHeight + r * kRowHeight, kNameWidth - 8, kRowHeight);
        p.setPen(palette().color(QPalette::Text));
        QFont nameFont = font();
        nameFont.setBold(r == 0);
        p.setFont(nameFont);
        QString name = row.name;
        if (row.dayHours != 24) name += tr(" (%1 h)").arg(row.dayHours);
        p.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(nameFont).elidedText(name, Qt::ElideRight, nameRect.width()));
        p.setFont(small);
        for (int s = 0; s < slotCount; ++s) {
            const za::PlanCell& cell = row.cells[static_cast<size_t>(s)];
            const QRect c = CellRect(s, r).adjusted(0, 1, -1, -1);
            if (cell.working) p.fillRect(c, kWorkingColour);
            if (cell.dayDelta != 0) p.fillRect(c, kOtherDayTint);
            if (cell.changed) {
                // The hour the clocks changed: an amber corner.
                const QPolygon corner({c.topLeft(), c.topLeft() + QPoint(7, 0), c.topLeft() + QPoint(0, 7)});
                p.setPen(Qt::NoPen);
                p.setBrush(kChangeColour);
                p.drawPolygon(corner);
            }
            p.setPen(cell.working ? QColor(20, 60, 20) : palette().color(QPalette::Text));
            if (cell.local.wMinute == 0) {
                p.drawText(c, Qt::AlignCenter, QString::number(cell.local.wHour));
            } else {
                // A half or quarter hour: the hour with its minutes raised small beside it.
                const QString hour = QString::number(cell.local.wHour);
                const QString minutes = QString::number(cell.local.wMinute);
                const int hourWidth = metrics.horizontalAdvance(hour);
                const int minuteWidth = tiny.horizontalAdvance(minutes);
                const int left = c.left() + (c.width() - hourWidth - minuteWidth) / 2;
                p.drawText(QRect(left, c.top(), hourWidth, c.height()), Qt::AlignCenter, hour);
                p.setFont(tinyFont);
                p.drawText(QRect(left + hourWidth, c.top() + 2, minuteWidth, c.height() / 2), Qt::AlignCenter, minutes);
                p.setFont(small);
            }
        }
        // A line between the rows.
        p.setPen(QColor(200, 200, 200));
        const int y = kBandHeight + (r + 1) * kRowHeight;
        p.drawLine(4, y, kNameWidth + slotCount * kCellWidth, y);
    }

    if (slotCount > 0 && rows > 0) {
        // The picked hour: a frame over the column, thicker on the row being read.
        const QRect column = CellRect(m_slot, 0).united(CellRect(m_slot, rows - 1));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(column.adjusted(1, 1, -1, -1));
        p.setPen(QPen(palette().color(QPalette::Highlight), 3));
        p.drawRect(CellRect(m_slot, m_row).adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CPlannerGrid::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    const QPoint at = e->position().toPoint();
    const int slot = (at.x() - kNameWidth) / kCellWidth;
    const int row = (at.y() - kBandHeight) / kRowHeight;
    if (at.x() >= kNameWidth && at.y() >= kBandHeight) Pick(slot, row);
}

void CPlannerGrid::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left: Pick(m_slot - 1, m_row); return;
    case Qt::Key_Right: Pick(m_slot + 1, m_row); return;
    case Qt::Key_Up: Pick(m_slot, m_row - 1); return;
    case Qt::Key_Down: Pick(m_slot, m_row + 1); return;
    case Qt::Key_Home: Pick(0, m_row); return;
    case Qt::Key_End: Pick(static_cast<int>(m_plan.slotStarts.size()) - 1, m_row); return;
    default: QWidget::keyPressEvent(e);
    }
}

CMeetingPlannerDlg::CMeetingPlannerDlg(QWidget* parent, CHost& host)
    : CBaseDialog(IDD_MEETING_PLANNER, QString::fromLatin1(kHelpPrefix) + QStringLiteral("meeting_planner"), 0, parent),
      m_openedAt(host.Now()) {
    // The main screen's cities, the current one first.
    const za::DisplayedCities* displayed = host.Displayed();
    const int selected = displayed ? displayed->Selected() : 0;
    if (const CCity* current = host.ShownCity(selected)) m_cities.push_back({*current, {}});
    for (int i = 0; i < za::kDisplays; ++i) {
        const CCity* shown = host.ShownCity(i);
        if (i != selected && shown) m_cities.push_back({*shown, {}});
    }
    Build();
}

CMeetingPlannerDlg::CMeetingPlannerDlg(QWidget* parent, const std::vector<CCity>& cities, const SYSTEMTIME& date,
                                       int slot)
    : CBaseDialog(IDD_MEETING_PLANNER, QString::fromLatin1(kHelpPrefix) + QStringLiteral("meeting_planner"), 0, parent),
      m_openedAt(NoHost().Now()),
      m_startDate(DateOnly(date)),
      m_startSlot(slot) {
    for (const CCity& city : cities) m_cities.push_back({city, {}});
    Build();
}

CMeetingPlannerDlg::~CMeetingPlannerDlg() = default;

void CMeetingPlannerDlg::Build() {
    setWindowTitle(tr("Meeting Planner"));
    for (za::PlanCity& city : m_cities) city.hours = za::WorkingHoursSetting(city.city.Name());
    m_edited.assign(m_cities.size(), false);
    QWidget* body = Body();
    const QLocale locale = za::locale::UserLocale();

    auto* heading = new QLabel(tr("Hours of the displayed cities on this date in the current city:"), body);
    SetControlId(heading, IDC_HEADING1);
    m_date = new CWallClockEdit(body);
    SetControlId(m_date, IDC_PLAN_DATE);
    m_date->setLocale(locale);
    m_date->setDisplayFormat(PickerDateFormat(locale, false));
    m_date->setCalendarPopup(true);
    auto* dateLabel = new QLabel(tr("Date:"), body);
    m_date->setAccessibleName(tr("Date:"));
    dateLabel->setBuddy(m_date);

    m_grid = new CPlannerGrid(body);
    SetControlId(m_grid, IDC_PLAN_GRID);
    m_reading = new QLabel(body);
    SetControlId(m_reading, IDC_PLAN_READING);
    m_reading->setAccessibleName(tr("Picked hour"));
    m_reading->setWordWrap(true);
    m_common = new QLabel(body);
    SetControlId(m_common, IDC_PLAN_COMMON);
    m_common->setAccessibleName(tr("Common working hours"));

    m_hoursCaption = new QLabel(body);
    m_from = new QTimeEdit(body);
    m_from->setLayoutDirection(Qt::LeftToRight);  // hours first, among right-to-left texts too
    SetControlId(m_from, IDC_WORK_FROM);
    m_from->setDisplayFormat(QStringLiteral("HH:mm"));
    m_from->setAccessibleName(tr("Working hours from"));
    m_to = new QTimeEdit(body);
    m_to->setLayoutDirection(Qt::LeftToRight);  // hours first, among right-to-left texts too
    SetControlId(m_to, IDC_WORK_TO);
    m_to->setDisplayFormat(QStringLiteral("HH:mm"));
    m_to->setAccessibleName(tr("Working hours to"));
    auto* toLabel = new QLabel(tr("to"), body);
    toLabel->setBuddy(m_to);
    m_hoursCaption->setBuddy(m_from);

    auto* top = new QHBoxLayout;
    top->addWidget(dateLabel);
    top->addWidget(m_date);
    top->addStretch(1);
    auto* hours = new QHBoxLayout;
    hours->addWidget(m_hoursCaption);
    hours->addWidget(m_from);
    hours->addWidget(toLabel);
    hours->addWidget(m_to);
    hours->addStretch(1);

    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);
    layout->addWidget(heading);
    layout->addLayout(top);
    layout->addWidget(m_grid);
    layout->addWidget(m_reading);
    layout->addWidget(m_common);
    layout->addLayout(hours);
    layout->addStretch(1);

    connect(m_date, &QDateTimeEdit::dateTimeChanged, this, [this] { Replan(); });
    connect(m_grid, &CPlannerGrid::picked, this, [this] { OnPicked(); });
    connect(m_from, &QTimeEdit::timeChanged, this, [this] { OnHoursEdited(); });
    connect(m_to, &QTimeEdit::timeChanged, this, [this] { OnHoursEdited(); });
    QDialog::layout()->setSizeConstraint(QLayout::SetMinimumSize);
}

BOOL CMeetingPlannerDlg::OnInitDialog() {
    SYSTEMTIME date = m_startDate;
    int slot = m_startSlot;
    int hour = -1;
    if (date.wYear == 0 && !m_cities.empty()) {
        // Today in the current city, at its current hour.
        SYSTEMTIME local{};
        m_cities.front().city.TimeZone().UTCTimeToLocalTime(m_openedAt, local);
        date = DateOnly(local);
        hour = local.wHour;
    }
    {
        const QSignalBlocker quiet(m_date);
        m_date->SetValue(date);
    }
    Replan();
    if (hour >= 0) {
        // On a clock-change day the hour's slot is not its number.
        const za::MeetingPlan& plan = m_grid->Plan();
        for (size_t i = 0; i < plan.slotStarts.size() && !plan.rows.empty(); ++i) {
            if (plan.rows.front().cells[i].local.wHour == hour) {
                slot = static_cast<int>(i);
                break;
            }
        }
    }
    m_grid->Pick(slot < 0 ? 9 : slot, 0);
    m_grid->setFocus();
    return TRUE;
}

void CMeetingPlannerDlg::Replan() {
    if (m_cities.empty()) return;
    m_grid->SetPlan(za::PlanMeeting(m_date->Value(), m_cities));
    const QString common = za::CommonHoursText(m_grid->Plan());
    m_common->setText(common.isEmpty() ? za::WorldString(za::IDS_NO_COMMON_HOURS)
                                       : za::FormatString(za::WorldString(za::IDS_COMMON_HOURS),
                                                          {common + QStringLiteral(" ") + m_cities.front().city.Name()}));
}

void CMeetingPlannerDlg::OnPicked() {
    m_reading->setText(m_grid->Reading());
    const int row = m_grid->Row();
    if (row < 0 || row >= static_cast<int>(m_cities.size())) return;
    m_showing = true;
    const za::WorkingHours& h = m_cities[static_cast<size_t>(row)].hours;
    m_hoursCaption->setText(tr("Working hours in %1:").arg(m_cities[static_cast<size_t>(row)].city.Name()));
    m_from->setTime(TimeOf(h.start));
    m_to->setTime(TimeOf(h.end));
    m_showing = false;
}

void CMeetingPlannerDlg::OnHoursEdited() {
    if (m_showing) return;
    const int row = m_grid->Row();
    if (row < 0 || row >= static_cast<int>(m_cities.size())) return;
    za::WorkingHours& h = m_cities[static_cast<size_t>(row)].hours;
    h.start = MinutesOf(m_from->time());
    h.end = MinutesOf(m_to->time());
    // 00:00 as the end of a day that starts later means midnight, the day's end.
    if (h.end == 0 && h.start > 0) h.end = 24 * 60;
    m_edited[static_cast<size_t>(row)] = true;
    const int slot = m_grid->Slot();
    Replan();
    m_grid->Pick(slot, row);
}

void CMeetingPlannerDlg::OnOK() {
    for (size_t i = 0; i < m_cities.size(); ++i) {
        if (m_edited[i]) za::SetWorkingHoursSetting(m_cities[i].city.Name(), m_cities[i].hours);
    }
    CBaseDialog::OnOK();
}

}  // namespace za::app
