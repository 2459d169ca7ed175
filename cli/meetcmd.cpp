// The meeting planner from a terminal: meet.
#include "commands.h"
#include "meetingplanner.h"
#include "settings.h"
#include "worldsettings.h"
#include "cliprofile.h"
#include "clicities.h"
#include "cliparse.h"

#include <QJsonArray>

namespace cli {

namespace {

// The five displayed cities, the current (selected) one first.
QStringList DisplayedCities() {
    CRegistry& reg = GetReg();
    reg.Open();
    QStringList names;
    for (int i = 0; i < 5; ++i) names << reg.GetStringValue(static_cast<CRegistry::ValueName>(CRegistry::City0 + i));
    const int selected = static_cast<int>(reg.GetDWORDValue(CRegistry::CityX));
    reg.Close();
    if (selected > 0 && selected < names.size()) names.move(selected, 0);
    return names;
}

QString Column(const QString& text, int width) { return QStringLiteral("%1").arg(text, -width); }

}  // namespace

void MeetCommand(const QStringList& words, Output& out) {
    const Args args(words, {QStringLiteral("--date"), QStringLiteral("--hours")}, {});
    za::WorkingHours forAll;
    const bool hoursGiven = args.Has(QStringLiteral("--hours"));
    if (hoursGiven && !za::ParseWorkingHours(args.Value(QStringLiteral("--hours")), &forAll)) {
        Fail(Text::tr("--hours takes START-END in hours, as 9-17 or 08:30-16:30, not \"%1\"")
                 .arg(Shown(args.Value(QStringLiteral("--hours")))));
    }
    SYSTEMTIME date{};
    const bool dateGiven = args.Has(QStringLiteral("--date"));
    if (dateGiven) date = ParseDate(QStringLiteral("--date"), args.Value(QStringLiteral("--date")));
    OpenProfile();

    const QStringList names = args.Positional().isEmpty() ? DisplayedCities() : args.Positional();
    std::vector<za::PlanCity> cities;
    for (const QString& name : names) {
        const CCity city = LoadCity(name);
        cities.push_back({city, hoursGiven ? forAll : za::WorkingHoursSetting(city.Name())});
    }
    if (!dateGiven) cities.front().city.TimeZone().UTCTimeToLocalTime(NowUtc(), date);

    const za::MeetingPlan plan = za::PlanMeeting(date, cities);
    const za::PlanRow& reference = plan.rows.front();

    // The table: one line per hour of the reference city's day, one column per city.
    out.Line(Text::tr("Meeting planner for %1 in %2; * within working hours, = every city within them")
                 .arg(IsoDate(plan.date), reference.name));
    QStringList heads;
    QList<int> widths;
    for (const za::PlanRow& row : plan.rows) {
        const QString head = row.name + QStringLiteral(" (") + za::WorkingHoursText(row.hours) + QLatin1Char(')');
        heads << head;
        widths << std::max<int>(head.size(), 17) + 2;
    }
    QString line = QStringLiteral("  ");
    for (int c = 0; c < heads.size(); ++c) line += Column(heads[c], widths[c]);
    out.Line(line.trimmed().prepend(QStringLiteral("  ")));
    for (size_t s = 0; s < plan.slotStarts.size(); ++s) {
        line = plan.common[s] ? QStringLiteral("= ") : QStringLiteral("  ");
        for (int c = 0; c < heads.size(); ++c) {
            const za::PlanCell& cell = plan.rows[c].cells[s];
            QString text = za::HourMinuteText(cell.local) + (cell.working ? QStringLiteral(" *") : QString());
            if (cell.dayDelta < 0) text += Text::tr(" (day before)");
            if (cell.dayDelta > 0) text += Text::tr(" (day after)");
            line += Column(text, widths[c]);
        }
        out.Line(line.trimmed().prepend(plan.common[s] ? QStringLiteral("= ") : QStringLiteral("  ")));
    }
    for (const za::PlanRow& row : plan.rows) {
        if (row.dayHours != 24) {
            out.Line(Text::tr("%1 has a %2-hour day: its clocks change on this date").arg(row.name).arg(row.dayHours));
        }
    }
    const QString common = za::CommonHoursText(plan);
    out.Line(common.isEmpty() ? Text::tr("No common working hours")
                              : Text::tr("Common working hours: %1 in %2").arg(common, reference.name));

    QJsonObject& o = out.object;
    o[QStringLiteral("date")] = IsoDate(plan.date);
    o[QStringLiteral("reference")] = reference.name;
    QJsonArray starts;
    for (const SYSTEMTIME& s : plan.slotStarts) starts.append(IsoUtc(s));
    o[QStringLiteral("slots_utc")] = starts;
    QJsonArray rows;
    for (const za::PlanRow& row : plan.rows) {
        QJsonObject r;
        r[QStringLiteral("name")] = row.name;
        r[QStringLiteral("working_hours")] = za::WorkingHoursText(row.hours);
        r[QStringLiteral("day_hours")] = row.dayHours;
        QJsonArray hours;
        for (const za::PlanCell& cell : row.cells) {
            QJsonObject h;
            h[QStringLiteral("local")] = IsoLocal(cell.local);
            h[QStringLiteral("working")] = cell.working;
            h[QStringLiteral("day_offset")] = cell.dayDelta;
            if (cell.changed) h[QStringLiteral("clock_changed")] = true;
            hours.append(h);
        }
        r[QStringLiteral("hours")] = hours;
        rows.append(r);
    }
    o[QStringLiteral("cities")] = rows;
    QJsonArray runs;
    for (const auto& [first, last] : plan.CommonRuns()) {
        QJsonObject run;
        run[QStringLiteral("from_utc")] = IsoUtc(plan.slotStarts[first]);
        run[QStringLiteral("hours")] = last - first + 1;
        run[QStringLiteral("from_local")] = IsoLocal(reference.cells[first].local);
        runs.append(run);
    }
    o[QStringLiteral("common_hours")] = runs;
    o[QStringLiteral("common_hours_text")] = common;
}

}  // namespace cli
