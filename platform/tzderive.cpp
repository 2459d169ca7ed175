#include "tzderive.h"

#include "oledate.h"
#include "tzrule.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

namespace za::tz {
namespace {

using Change = OffsetHistory::Change;

QDateTime Utc(std::int64_t seconds) { return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()); }

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

// Absolute instants for a pair of offsets: daylight time (dstOffset) from a change into it
// to a change out of it, standard time (the record's other offset) outside. A year with only one of the two
// transitions (daylight time begun or abolished) borrows the other from the neighbouring
// year. Of the candidate pairs of instants (more than two changes: Morocco around Ramadan;
// more than two offsets), the one wrong for the shortest time is taken. Fills DaylightDate
// and StandardDate of tzi, whose biases are already those of the pair; returns the seconds
// of the year it is wrong for.
std::int64_t FitInstants(const OffsetHistory& history, int year, int dstOffset, TIME_ZONE_INFORMATION* tzi) {
    const std::int64_t from = YearStart(year);
    const std::int64_t to = YearStart(year + 1);
    const std::vector<Change> changes = history.Changes(from, to);
    std::vector<std::int64_t> starts, ends;
    for (const Change& c : changes) {
        if (c.after == dstOffset) starts.push_back(c.at);
        if (c.before == dstOffset) ends.push_back(c.at);
    }
    if (starts.empty()) {
        std::int64_t prev = from - 1;
        for (const Change& c : history.Changes(YearStart(year - 1), from)) {
            if (c.after == dstOffset) prev = c.at;
        }
        starts.push_back(prev);
    }
    if (ends.empty()) {
        std::int64_t next = to;
        for (const Change& c : history.Changes(to, YearStart(year + 2))) {
            if (c.before == dstOffset) {
                next = c.at;
                break;
            }
        }
        ends.push_back(next);
    }

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
            if (candidate.StandardDate.wMonth == 0) candidate.StandardDate.wMonth = 1;
            std::int64_t wrong = 0;
            for (size_t i = 0; i + 1 < bounds.size(); ++i) {
                const std::int64_t mid = bounds[i] + (bounds[i + 1] - bounds[i]) / 2;
                if (-BiasAt(candidate, mid) * 60 != history.OffsetAt(mid)) wrong += bounds[i + 1] - bounds[i];
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
    return bestWrong;
}

}  // namespace

OffsetHistory::OffsetHistory(const QTimeZone& zone, std::int64_t from, std::int64_t to) {
    if (!zone.isValid()) return;
    m_initial = zone.offsetFromUtc(Utc(from - 1));
    int previous = m_initial;
    for (const QTimeZone::OffsetData& t : zone.transitions(Utc(from), Utc(to - 1))) {
        const std::int64_t at = t.atUtc.toSecsSinceEpoch();
        if (at < from || at >= to) continue;
        if (t.offsetFromUtc != previous) m_changes.push_back({at, previous, t.offsetFromUtc});
        previous = t.offsetFromUtc;
    }
}

int OffsetHistory::OffsetAt(std::int64_t t) const {
    const auto it = std::upper_bound(m_changes.begin(), m_changes.end(), t,
                                     [](std::int64_t value, const Change& c) { return value < c.at; });
    return it == m_changes.begin() ? m_initial : std::prev(it)->after;
}

std::vector<Change> OffsetHistory::Changes(std::int64_t from, std::int64_t to) const {
    auto byTime = [](const Change& c, std::int64_t value) { return c.at < value; };
    const auto first = std::lower_bound(m_changes.begin(), m_changes.end(), from, byTime);
    const auto last = std::lower_bound(first, m_changes.end(), to, byTime);
    return std::vector<Change>(first, last);
}

std::int64_t YearStart(int year) { return DaysFromCivil(year, 1, 1) * 86400; }

bool DeriveFromZone(const QTimeZone& zone, int year, TIME_ZONE_INFORMATION* tzi) {
    if (!tzi || !zone.isValid() || year < 1900 || year > 9998) return false;
    return DeriveFromHistory(OffsetHistory(zone, YearStart(year - 1), YearStart(year + 2)), year, tzi);
}

bool DeriveFromHistory(const OffsetHistory& history, int year, TIME_ZONE_INFORMATION* tzi) {
    if (!tzi || year < 1900 || year > 9998) return false;
    const std::int64_t from = YearStart(year);
    const std::int64_t to = YearStart(year + 1);
    const std::vector<Change> changes = history.Changes(from, to);
    const std::vector<Change> nextChanges = history.Changes(to, YearStart(year + 2));

    std::vector<int> offsets{history.OffsetAt(from)};
    for (const Change& c : changes) offsets.push_back(c.after);
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());

    tzi->StandardBias = 0;
    tzi->StandardDate = SYSTEMTIME{};
    tzi->DaylightDate = SYSTEMTIME{};
    tzi->DaylightBias = 0;
    if (offsets.size() < 2) {
        // No daylight time this year: the offset in force at the end of the year.
        tzi->Bias = -history.OffsetAt(to - 1) / 60;
        return true;
    }
    if (offsets.size() == 2) {
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
        FitInstants(history, year, dstOffset, tzi);
        return true;
    }
    // More than two offsets (a change of standard offset in a year with daylight time, Moscow
    // in 1992): of every pair of them, the record that is wrong for the shortest time.
    std::int64_t bestWrong = -1;
    for (size_t i = 0; i < offsets.size(); ++i) {
        for (size_t j = i + 1; j < offsets.size(); ++j) {
            TIME_ZONE_INFORMATION candidate = *tzi;
            candidate.Bias = -offsets[i] / 60;
            candidate.DaylightBias = -(offsets[j] - offsets[i]) / 60;
            const std::int64_t wrong = FitInstants(history, year, offsets[j], &candidate);
            if (bestWrong < 0 || wrong < bestWrong) {
                bestWrong = wrong;
                *tzi = candidate;
            }
        }
    }
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

QString TzdataVersion() {
    QString folder = qEnvironmentVariable("TZDIR");
    if (folder.isEmpty()) folder = QStringLiteral("/usr/share/zoneinfo");
    QFile source(folder + QStringLiteral("/tzdata.zi"));
    if (!source.open(QIODevice::ReadOnly)) return QString();
    const QByteArray first = source.readLine().trimmed();
    const QByteArray prefix = "# version ";
    return first.startsWith(prefix) ? QString::fromUtf8(first.mid(prefix.size())) : QString();
}

}  // namespace za::tz
