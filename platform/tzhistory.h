// A zone's exact history of offsets from the tz database, 1970 to 2037: every period with its
// offset in seconds (Monrovia kept -0:44:30 until 1972) and its daylight flag, read once per
// zone and shared. The yearly records (tzyears.h) describe a year by one rule with two
// transitions and minute biases; they cannot hold Casablanca's Ramadan breaks, a change of
// standard offset within a year (Moscow 1992, Almaty 2024) or seconds, so conversions of a
// place go through this history wherever it reaches.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

namespace za::tz {

class ZoneHistory {
public:
    // How a local wall-clock time maps to UTC.
    enum class LocalKind {
        Unique,    // exactly one instant
        Skipped,   // inside a gap (clocks went forward): taken as the time after the gap
        Repeated,  // inside an overlap (clocks went back): taken as the first occurrence
    };

    // The shared history of the tz database's zone tzId, read at the first request of that
    // zone; null for a zone the tz database does not know.
    static std::shared_ptr<const ZoneHistory> Of(const QByteArray& tzId);

    const QByteArray& TzId() const { return m_tzId; }
    // Whether the history answers for the UTC instant (seconds since 1970): from 1970-01-01
    // to the end of 2037. Outside, callers fall back to the nearest year's record.
    bool Covers(std::int64_t utc) const { return utc >= m_from && utc < m_to; }
    // Whether it answers for a local wall-clock time (seconds since 1970 of the wall clock).
    bool CoversLocal(std::int64_t local) const { return local >= m_from + 86400 && local < m_to - 86400; }
    // The offset east of UTC in seconds at a UTC instant (local = UTC + offset).
    int OffsetAt(std::int64_t utc) const;
    // Whether the period in force at the instant is daylight time. The tz database's flag,
    // except that a period with a negative saving (Dublin's winter in the tz database) is
    // standard time and the period it alternates with daylight time.
    bool IsDaylightAt(std::int64_t utc) const;
    // A local wall-clock time to UTC: a time the clocks skipped is taken as the time after the
    // gap (02:30 on the day New York's clocks go from 02:00 to 03:00 is 03:30 EDT); a time that
    // occurs twice is its first occurrence (01:30 on the day they go back is 01:30 EDT). Both
    // are the wall clock read with the offset in force before the change.
    std::int64_t LocalToUtc(std::int64_t local, LocalKind* kind = nullptr) const;

    // The periods as bytes, for the store of derived zones (tzstore.h), and back: null for
    // bytes that are not such a history.
    QByteArray ToBytes() const;
    static std::shared_ptr<const ZoneHistory> FromBytes(const QByteArray& tzId, const QByteArray& bytes);

private:
    struct Period {
        std::int64_t from;  // UTC seconds at which the period begins
        int offset;         // seconds east of UTC
        bool daylight;
    };
    ZoneHistory() = default;
    const Period& PeriodAt(std::int64_t utc) const;

    QByteArray m_tzId;
    std::int64_t m_from = 0;
    std::int64_t m_to = 0;
    std::vector<Period> m_periods;  // the first holds from before m_from
};
using ZoneHistoryPtr = std::shared_ptr<const ZoneHistory>;

}  // namespace za::tz
