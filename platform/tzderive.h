// Derivation of a TIME_ZONE_INFORMATION from a zone of the system's tz database for one year.
#pragma once

#include "wintypes.h"

#include <QString>
#include <QTimeZone>

#include <cstdint>
#include <vector>

namespace za::tz {

// A zone's total offset over a span of time, read from the tz database once: a year's record
// is derived from it without asking the tz database again, so deriving many years of a zone
// costs one read.
class OffsetHistory {
public:
    struct Change {
        std::int64_t at;  // UTC seconds
        int before;       // offsets from UTC, seconds
        int after;
    };

    // The changes of the zone's offset in [from, to) and the offset in force before `from`.
    // An invalid zone gives an empty history at offset 0.
    OffsetHistory(const QTimeZone& zone, std::int64_t from, std::int64_t to);

    // The offset in force at t (seconds east of UTC); t must lie in the span.
    int OffsetAt(std::int64_t t) const;
    // The changes in [from, to), in order.
    std::vector<Change> Changes(std::int64_t from, std::int64_t to) const;

private:
    int m_initial = 0;
    std::vector<Change> m_changes;
};

// The UTC instant at which `year` begins.
std::int64_t YearStart(int year);

// Fills Bias, StandardBias, DaylightBias, StandardDate and DaylightDate of tzi for `year`;
// the names are left as they are. Of the offsets in force during the year the smaller is
// standard time and the larger daylight time (so zones whose tz data call winter time
// "daylight", like Dublin, come out the usual way round). The transitions become yearly rules
// (month, weekday, occurrence 1..5 with 5 = last, local wall clock) when one rule gives both
// this year's and next year's transition; otherwise both are the year's absolute UTC instants.
// A zone without transitions in the year gets StandardDate.wMonth = 0.
// Returns false for an invalid zone or a year outside 1900..9998.
bool DeriveFromZone(const QTimeZone& zone, int year, TIME_ZONE_INFORMATION* tzi);
// The same from a history that covers the year before `year` to the end of the year after it.
bool DeriveFromHistory(const OffsetHistory& history, int year, TIME_ZONE_INFORMATION* tzi);

// Copies the names into the fixed 32-character fields (at most 31 characters and a NUL).
void SetNames(TIME_ZONE_INFORMATION* tzi, const QString& standardName, const QString& daylightName);
QString StandardName(const TIME_ZONE_INFORMATION& tzi);
QString DaylightName(const TIME_ZONE_INFORMATION& tzi);

// The release of the tz database that the zone rules are derived from, as its compiled source
// states it ("2026f"); empty when the system does not say.
QString TzdataVersion();

}  // namespace za::tz
