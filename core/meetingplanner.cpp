#include "meetingplanner.h"

#include "oledate.h"
#include "stringtable.h"
#include "timezone.h"
#include "worldstrings.h"

#include <QRegularExpression>

#include <cstdint>

namespace za {
namespace {

constexpr std::int64_t kHour = 3600;

std::int64_t Seconds(const SYSTEMTIME& st) {
    std::int64_t s = 0;
    SystemTimeToSeconds(st, &s);
    return s;
}

SYSTEMTIME FromSeconds(std::int64_t seconds) {
    SYSTEMTIME st{};
    SecondsToSystemTime(seconds, &st);
    return st;
}

SYSTEMTIME Midnight(int year, int month, int day) {
    SYSTEMTIME st{};
    SecondsToSystemTime(DaysFromCivil(year, month, day) * 86400, &st);
    return st;
}

// The UTC instant of a zone's local midnight starting the date `days` (since 1970).
std::int64_t LocalMidnightUtc(const CTimeZone& zone, std::int64_t days) {
    int y = 0, m = 0, d = 0;
    CivilFromDays(days, &y, &m, &d);
    SYSTEMTIME utc{};
    zone.LocalTimeToUTCTime(Midnight(y, m, d), utc);
    return Seconds(utc);
}

}  // namespace

bool WorkingHours::Contains(int minuteOfDay) const {
    if (start == end) return false;
    if (start < end) return minuteOfDay >= start && minuteOfDay < end;
    return minuteOfDay >= start || minuteOfDay < end;
}

bool ParseWorkingHours(const QString& text, WorkingHours* hours) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2})(?::(\\d{2}))?\\s*[-\\x{2013}]\\s*(\\d{1,2})(?::(\\d{2}))?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return false;
    const int h1 = match.captured(1).toInt(), m1 = match.captured(2).toInt();
    const int h2 = match.captured(3).toInt(), m2 = match.captured(4).toInt();
    if (h1 > 24 || h2 > 24 || m1 > 59 || m2 > 59 || (h1 == 24 && m1 > 0) || (h2 == 24 && m2 > 0)) return false;
    // 24:00 as a start is the same minute as 00:00.
    hours->start = (h1 * 60 + m1) % 1440;
    hours->end = h2 * 60 + m2;
    if (hours->end == 1440 && hours->start == 0) return true;
    hours->end %= 1440;
    return true;
}

QString WorkingHoursText(const WorkingHours& hours) {
    return QString::asprintf("%02d:%02d\u2013%02d:%02d", hours.start / 60, hours.start % 60, hours.end / 60,
                             hours.end % 60);
}

QString HourMinuteText(const SYSTEMTIME& local) { return QString::asprintf("%02d:%02d", local.wHour, local.wMinute); }

std::vector<std::pair<int, int>> MeetingPlan::CommonRuns() const {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < static_cast<int>(common.size()); ++i) {
        if (!common[i]) continue;
        if (!runs.empty() && runs.back().second == i - 1) {
            runs.back().second = i;
        } else {
            runs.emplace_back(i, i);
        }
    }
    return runs;
}

MeetingPlan PlanMeeting(const SYSTEMTIME& date, const std::vector<PlanCity>& cities) {
    MeetingPlan plan;
    plan.date = Midnight(date.wYear, date.wMonth, date.wDay);
    if (cities.empty()) return plan;
    const std::int64_t day = DaysFromCivil(date.wYear, date.wMonth, date.wDay);
    const CTimeZone& reference = cities.front().city.TimeZone();
    const std::int64_t start = LocalMidnightUtc(reference, day);
    const std::int64_t end = LocalMidnightUtc(reference, day + 1);
    for (std::int64_t t = start; t < end; t += kHour) plan.slotStarts.push_back(FromSeconds(t));
    plan.common.assign(plan.slotStarts.size(), true);

    for (const PlanCity& entry : cities) {
        const CTimeZone& zone = entry.city.TimeZone();
        PlanRow row;
        row.name = entry.city.Name();
        row.hours = entry.hours;
        const std::int64_t own = LocalMidnightUtc(zone, day + 1) - LocalMidnightUtc(zone, day);
        row.dayHours = static_cast<int>((own + kHour / 2) / kHour);
        int previousBias = 0;
        for (size_t i = 0; i < plan.slotStarts.size(); ++i) {
            const SYSTEMTIME& utc = plan.slotStarts[i];
            const int bias = zone.Bias(utc);
            PlanCell cell;
            const std::int64_t local = Seconds(utc) - static_cast<std::int64_t>(bias) * 60;
            cell.local = FromSeconds(local);
            cell.dayDelta = static_cast<int>(DaysFromCivil(cell.local.wYear, cell.local.wMonth, cell.local.wDay) - day);
            cell.working = entry.hours.Contains(cell.local.wHour * 60 + cell.local.wMinute);
            cell.changed = i > 0 && bias != previousBias;
            previousBias = bias;
            if (!cell.working) plan.common[i] = false;
            row.cells.push_back(cell);
        }
        plan.rows.push_back(std::move(row));
    }
    return plan;
}

QString CommonHoursText(const MeetingPlan& plan) {
    QStringList runs;
    if (plan.rows.empty()) return QString();
    const PlanRow& reference = plan.rows.front();
    for (const auto& [first, last] : plan.CommonRuns()) {
        // A run ends where its last hour ends.
        SYSTEMTIME end{};
        SecondsToSystemTime(Seconds(reference.cells[last].local) + kHour, &end);
        runs << HourMinuteText(reference.cells[first].local) + QStringLiteral("\u2013") + HourMinuteText(end);
    }
    return runs.join(QStringLiteral(", "));
}

QString SlotReading(const MeetingPlan& plan, int slot, int row) {
    if (plan.rows.empty() || slot < 0 || slot >= static_cast<int>(plan.slotStarts.size()) || row < 0 ||
        row >= static_cast<int>(plan.rows.size())) {
        return QString();
    }
    const PlanRow& reference = plan.rows.front();
    const PlanRow& city = plan.rows[row];
    const PlanCell& cell = city.cells[slot];
    QString there = FormatString(WorldString(IDS_HOUR_IN_CITY), {HourMinuteText(cell.local), city.name});
    const QString day = cell.dayDelta == reference.cells[slot].dayDelta
                            ? QString()
                            : QStringLiteral(" ") + (cell.dayDelta < reference.cells[slot].dayDelta
                                                         ? WorldString(IDS_YESTERDAY)
                                                         : WorldString(IDS_TOMORROW));
    const QString reading =
        FormatString(WorldString(IDS_IS_TIME_IN_CITY),
                     {HourMinuteText(reference.cells[slot].local), reference.name, there + day});
    const UINT work = cell.working ? IDS_INSIDE_WORKING_HOURS : IDS_OUTSIDE_WORKING_HOURS;
    return reading + QStringLiteral(", ") + WorldString(work);
}

}  // namespace za
