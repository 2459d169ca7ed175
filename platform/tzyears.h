// A zone's rule for every year from 1970 to 2037, each year derived on its own from the tz
// database. One yearly rule per zone was wrong in every year whose rules differ from the
// device year's (British Columbia keeps UTC-7 from November 2026 on; Cairo's "last Thursday
// at 24:00" falls on another weekday occurrence from year to year), so conversions take the
// record of the instant's own year, as the handheld's successors did with their dynamic
// daylight-time records.
#pragma once

#include "wintypes.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace za::tz {

// The years whose records are derived; an instant outside takes the nearest year's record.
constexpr int kFirstRuleYear = 1970;
constexpr int kLastRuleYear = 2037;

// The calendar year of a UTC instant (seconds since 1970).
int YearOf(std::int64_t utc);

class YearlyRules {
public:
    // Derives every year of the tz database's zone tzId, each record carrying the two names.
    // Null for a zone the tz database does not know.
    static std::shared_ptr<const YearlyRules> Derive(const QByteArray& tzId, const QString& standardName,
                                                     const QString& daylightName);

    // The zone these records were derived from.
    const QByteArray& TzId() const { return m_tzId; }
    // The record of `year`; a year outside kFirstRuleYear..kLastRuleYear takes the nearest one.
    const TIME_ZONE_INFORMATION& ForYear(int year) const;
    // The record of the year of a UTC instant.
    const TIME_ZONE_INFORMATION& ForInstant(std::int64_t utc) const { return ForYear(YearOf(utc)); }
    // Whether tzi is, byte for byte, the record of one of the years.
    bool Holds(const TIME_ZONE_INFORMATION& tzi) const;
    // How many records are kept: a year is stored only where it differs from the year before.
    int RecordCount() const { return static_cast<int>(m_records.size()); }

    // The records as bytes, for the store of derived zones (tzstore.h), and back: null for
    // bytes that are not such records.
    QByteArray ToBytes() const;
    static std::shared_ptr<const YearlyRules> FromBytes(const QByteArray& tzId, const QByteArray& bytes);
    // What Derive's records are stored under.
    static QByteArray StoreKey(const QByteArray& tzId, const QString& standardName, const QString& daylightName);

private:
    YearlyRules() = default;

    QByteArray m_tzId;
    std::vector<TIME_ZONE_INFORMATION> m_records;
    std::array<std::uint8_t, kLastRuleYear - kFirstRuleYear + 1> m_recordOfYear{};
};
using YearlyRulesPtr = std::shared_ptr<const YearlyRules>;

}  // namespace za::tz
