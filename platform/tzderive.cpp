#include "tzderive.h"

#include "oledate.h"
#include "tzrule.h"

#include <QDateTime>

#include <algorithm>
#include <cstring>
#include <vector>

namespace za::tz {
namespace {

struct Change {
    std::int64_t at;  // UTC seconds
    int before;       // offsets from UTC, seconds
    int after;
};

std::int64_t YearStart(int year) { return DaysFromCivil(year, 1, 1) * 86400; }

QDateTime Utc(std::int64_t seconds) { return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()); }

// Changes of the zone's total offset in [from, to).
std::vector<Change> Changes(const QTimeZone& zone, std::int64_t from, std::int64_t to) {
    std::vector<Change> out;
    int previous = zone.offsetFromUtc(Utc(from - 1));
    for (const QTimeZone::OffsetData& t : zone.transitions(Utc(from), Utc(to - 1))) {
        const std::int64_t at = t.atUtc.toSecsSinceEpoch();
        if (at < from || at >= to) continue;
        if (t.offsetFromUtc != previous) out.push_back({at, previous, t.offsetFromUtc});
        previous = t.offsetFromUtc;
    }
    return out;
}

// The transition as a yearly rule when one rule gives both `now` (in year) and `next`
// (in year + 1); wallOffset is the offset whose wall clock the rule is written in.
bool YearlyRule(std::int64_t now, const Change* next, int year, int wallOffset, SYSTEMTIME* rule) {
    if (!next) return false;
    SYSTEMTIME wall{};
    if (!SecondsToSystemTime(now + wallOffset, &wall)) return false;
    const int offsetMinutes = -wallOffset / 60;
    // "Last" first: where both "fourth" and "last" fit two years, tz rules mean the last one.
    std::vector<WORD> occurrences;
    if (wall.wDay + 7 > DaysInMonth(wall.wYear, wall.wMonth)) occurrences.push_back(5);
    occurrences.push_back(static_cast<WORD>((wall.wDay - 1) / 7 + 1));
    for (WORD n : occurrences) {
        SYSTEMTIME candidate{};
        candidate.wMonth = wall.wMonth;
        candidate.wDayOfWeek = wall.wDayOfWeek;
        candidate.wDay = n;
        candidate.wHour = wall.wHour;
        candidate.wMinute = wall.wMinute;
        std::int64_t a = 0, b = 0;
        if (wall.wSecond == 0 && TransitionInstant(candidate, wall.wYear, offsetMinutes, &a) && a == now &&
            TransitionInstant(candidate, year + 1, offsetMinutes, &b) && b == next->at) {
            // A rule written in wall-clock time may place this year's transition in the
            // neighbouring year (a switch at local midnight on 1 January); keep the year it
            // lands in consistent with the one we were asked for.
            if (wall.wYear != year) return false;
            *rule = candidate;
            return true;
        }
    }
    return false;
}

SYSTEMTIME Absolute(std::int64_t at) {
    SYSTEMTIME st{};
    SecondsToSystemTime(at, &st);
    return st;
}

const Change* FirstOfKind(const std::vector<Change>& changes, bool toDaylight, int stdOffset, int dstOffset) {
    for (const Change& c : changes) {
        if (toDaylight ? (c.before == stdOffset && c.after == dstOffset)
                       : (c.before == dstOffset && c.after == stdOffset)) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace

bool DeriveFromZone(const QTimeZone& zone, int year, TIME_ZONE_INFORMATION* tzi) {
    if (!tzi || !zone.isValid() || year < 1900 || year > 9998) return false;
    const std::int64_t from = YearStart(year);
    const std::int64_t to = YearStart(year + 1);
    const std::vector<Change> changes = Changes(zone, from, to);
    const std::vector<Change> nextChanges = Changes(zone, to, YearStart(year + 2));

    std::vector<int> offsets{zone.offsetFromUtc(Utc(from))};
    for (const Change& c : changes) offsets.push_back(c.after);
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());

    tzi->StandardBias = 0;
    tzi->StandardDate = SYSTEMTIME{};
    tzi->DaylightDate = SYSTEMTIME{};
    tzi->DaylightBias = 0;
    if (offsets.size() != 2) {
        // No daylight time this year (or a change of standard offset, which one rule cannot
        // hold): the offset in force at the end of the year.
        tzi->Bias = -zone.offsetFromUtc(Utc(to - 1)) / 60;
        return true;
    }
    const int stdOffset = offsets[0];
    const int dstOffset = offsets[1];
    tzi->Bias = -stdOffset / 60;
    tzi->DaylightBias = -(dstOffset - stdOffset) / 60;

    const Change* start = FirstOfKind(changes, true, stdOffset, dstOffset);
    const Change* end = FirstOfKind(changes, false, stdOffset, dstOffset);
    const Change* nextStart = FirstOfKind(nextChanges, true, stdOffset, dstOffset);
    const Change* nextEnd = FirstOfKind(nextChanges, false, stdOffset, dstOffset);

    SYSTEMTIME startRule{}, endRule{};
    if (changes.size() == 2 && start && end && YearlyRule(start->at, nextStart, year, stdOffset, &startRule) &&
        YearlyRule(end->at, nextEnd, year, dstOffset, &endRule)) {
        tzi->DaylightDate = startRule;
        tzi->StandardDate = endRule;
        return true;
    }

    // Absolute instants. A year with only one of the two transitions (daylight time begun or
    // abolished) borrows the other from the neighbouring year. A year with more changes than one
    // pair can hold (Morocco in some years) gets the pair that is wrong for the shortest time.
    std::vector<std::int64_t> starts, ends;
    for (const Change& c : changes) {
        if (c.before == stdOffset && c.after == dstOffset) starts.push_back(c.at);
        if (c.before == dstOffset && c.after == stdOffset) ends.push_back(c.at);
    }
    if (starts.empty()) {
        std::int64_t prev = from - 1;
        for (const Change& c : Changes(zone, YearStart(year - 1), from)) {
            if (c.before == stdOffset && c.after == dstOffset) prev = c.at;
        }
        starts.push_back(prev);
    }
    if (ends.empty()) ends.push_back(nextEnd ? nextEnd->at : to);

    // Segments of the year with their true offsets, checked at their middles.
    std::vector<std::int64_t> bounds{from};
    for (const Change& c : changes) bounds.push_back(c.at);
    bounds.push_back(to);
    std::int64_t startAt = starts.front(), endAt = ends.front();
    std::int64_t bestWrong = -1;
    for (std::int64_t s : starts) {
        for (std::int64_t e : ends) {
            TIME_ZONE_INFORMATION candidate = *tzi;
            candidate.DaylightDate = Absolute(s);
            candidate.StandardDate = Absolute(e);
            std::int64_t wrong = 0;
            for (size_t i = 0; i + 1 < bounds.size(); ++i) {
                const std::int64_t mid = bounds[i] + (bounds[i + 1] - bounds[i]) / 2;
                if (-BiasAt(candidate, mid) * 60 != zone.offsetFromUtc(Utc(mid))) wrong += bounds[i + 1] - bounds[i];
            }
            // Ties go to the later pair: it is right for the end of the year, nearer to now.
            if (bestWrong < 0 || wrong <= bestWrong) {
                bestWrong = wrong;
                startAt = s;
                endAt = e;
            }
        }
    }
    tzi->DaylightDate = Absolute(startAt);
    tzi->StandardDate = Absolute(endAt);
    if (tzi->StandardDate.wMonth == 0) tzi->StandardDate.wMonth = 1;
    return true;
}

void SetNames(TIME_ZONE_INFORMATION* tzi, const QString& standardName, const QString& daylightName) {
    auto copy = [](WCHAR* dest, const QString& text) {
        std::memset(dest, 0, 32 * sizeof(WCHAR));
        const int n = std::min<int>(text.size(), 31);
        std::memcpy(dest, text.utf16(), n * sizeof(WCHAR));
    };
    copy(tzi->StandardName, standardName);
    copy(tzi->DaylightName, daylightName);
}

static QString FromField(const WCHAR* field) {
    int n = 0;
    while (n < 32 && field[n]) ++n;
    return QString::fromUtf16(field, n);
}

QString StandardName(const TIME_ZONE_INFORMATION& tzi) { return FromField(tzi.StandardName); }
QString DaylightName(const TIME_ZONE_INFORMATION& tzi) { return FromField(tzi.DaylightName); }

}  // namespace za::tz
