// The meeting planner: for one date of the reference city (the first of the list), every
// city's local time in each hour of that day, whether it falls within the city's working hours,
// and the hours in which every city is at work. The reference day has 23, 24 or 25 hours on a
// clock-change date; every row also tells how long its own day of that date is.
#pragma once

#include "city.h"
#include "wintypes.h"

#include <QString>

#include <vector>

namespace za {

// Working hours as minutes of the local day, from `start` up to but not including `end`. An
// end before the start runs over midnight (22:00–06:00); equal ends mean no working hours.
struct WorkingHours {
    int start = 9 * 60;
    int end = 17 * 60;
    bool Contains(int minuteOfDay) const;
};

// "9-17", "09:00-17:30", "8:30–16" (hyphen or en dash); hours 0 to 24. False for anything else.
bool ParseWorkingHours(const QString& text, WorkingHours* hours);
// "09:00–17:00"
QString WorkingHoursText(const WorkingHours& hours);

struct PlanCity {
    CCity city;
    WorkingHours hours;
};

struct PlanCell {
    SYSTEMTIME local{};    // the city's local time at the start of the hour
    int dayDelta = 0;      // its local date minus the planned date: -1, 0 or +1
    bool working = false;  // the start of the hour lies within the city's working hours
    bool changed = false;  // the city's clocks changed since the hour before
};

struct PlanRow {
    QString name;
    WorkingHours hours;
    int dayHours = 24;  // the length of the city's own local day of the planned date: 23, 24, 25 …
    std::vector<PlanCell> cells;
};

struct MeetingPlan {
    SYSTEMTIME date{};              // the planned date (year, month, day)
    std::vector<SYSTEMTIME> slotStarts;  // the UTC start of each hour of the reference city's day
    std::vector<PlanRow> rows;      // one per city, the reference first
    std::vector<bool> common;       // per slot: every city is within its working hours

    // Runs of consecutive common slots as [first, last] slot indexes.
    std::vector<std::pair<int, int>> CommonRuns() const;
};

// The plan of the reference city's local date `date` (its time of day is ignored) for the
// cities, the first being the reference. An empty list gives an empty plan.
MeetingPlan PlanMeeting(const SYSTEMTIME& date, const std::vector<PlanCity>& cities);

// The runs of common hours in the reference city's local time, "14:00–17:00, 20:00–21:00";
// empty when there are none.
QString CommonHoursText(const MeetingPlan& plan);

// "14:00 in London is 23:00 in Tokyo, outside working hours": slot `slot` read for row `row`
// against the reference row.
QString SlotReading(const MeetingPlan& plan, int slot, int row);

// "14:00" (24-hour clock) of a local time.
QString HourMinuteText(const SYSTEMTIME& local);

}  // namespace za
