#include "tzyears.h"

#include "oledate.h"
#include "tzderive.h"

#include <QTimeZone>

#include <algorithm>
#include <cstring>

namespace za::tz {

int YearOf(std::int64_t utc) {
    const std::int64_t days = utc / 86400 - (utc % 86400 < 0 ? 1 : 0);
    int year = 0, month = 0, day = 0;
    CivilFromDays(days, &year, &month, &day);
    return year;
}

std::shared_ptr<const YearlyRules> YearlyRules::Derive(const QByteArray& tzId, const QString& standardName,
                                                       const QString& daylightName) {
    const QTimeZone zone(tzId);
    if (!zone.isValid()) return nullptr;
    // One read of the tz database covers every year and its neighbours.
    const OffsetHistory history(zone, YearStart(kFirstRuleYear - 1), YearStart(kLastRuleYear + 2));
    std::shared_ptr<YearlyRules> rules(new YearlyRules);
    rules->m_tzId = tzId;
    for (int year = kFirstRuleYear; year <= kLastRuleYear; ++year) {
        TIME_ZONE_INFORMATION tzi{};
        if (!DeriveFromHistory(history, year, &tzi)) return nullptr;
        SetNames(&tzi, standardName, daylightName);
        if (rules->m_records.empty() || std::memcmp(&rules->m_records.back(), &tzi, sizeof tzi) != 0) {
            rules->m_records.push_back(tzi);
        }
        rules->m_recordOfYear[static_cast<size_t>(year - kFirstRuleYear)] =
            static_cast<std::uint8_t>(rules->m_records.size() - 1);
    }
    return rules;
}

const TIME_ZONE_INFORMATION& YearlyRules::ForYear(int year) const {
    const int clamped = std::clamp(year, kFirstRuleYear, kLastRuleYear);
    return m_records[m_recordOfYear[static_cast<size_t>(clamped - kFirstRuleYear)]];
}

bool YearlyRules::Holds(const TIME_ZONE_INFORMATION& tzi) const {
    return std::any_of(m_records.begin(), m_records.end(),
                       [&tzi](const TIME_ZONE_INFORMATION& r) { return std::memcmp(&r, &tzi, sizeof tzi) == 0; });
}

}  // namespace za::tz
