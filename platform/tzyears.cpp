#include "tzyears.h"

#include "oledate.h"
#include "tzderive.h"
#include "tzstore.h"

#include <QDataStream>
#include <QIODevice>
#include <QTimeZone>
#include <QtEndian>

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
    const QByteArray key = StoreKey(tzId, standardName, daylightName);
    DerivedStore& store = DerivedStore::Shared();
    if (YearlyRulesPtr kept = FromBytes(tzId, store.Find(key))) return kept;
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
    store.Keep(key, rules->ToBytes());
    return rules;
}

QByteArray YearlyRules::StoreKey(const QByteArray& tzId, const QString& standardName, const QString& daylightName) {
    return "rules:" + tzId + '\0' + standardName.toUtf8() + '\0' + daylightName.toUtf8();
}

QByteArray YearlyRules::ToBytes() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<quint32>(m_records.size());
    for (const TIME_ZONE_INFORMATION& r : m_records) out.writeRawData(reinterpret_cast<const char*>(&r), sizeof r);
    out.writeRawData(reinterpret_cast<const char*>(m_recordOfYear.data()), static_cast<int>(m_recordOfYear.size()));
    return bytes;
}

std::shared_ptr<const YearlyRules> YearlyRules::FromBytes(const QByteArray& tzId, const QByteArray& bytes) {
    // As ToBytes writes them: the count (big-endian), the records, the year's record numbers.
    constexpr qsizetype kYears = kLastRuleYear - kFirstRuleYear + 1;
    if (bytes.size() < qsizetype(sizeof(quint32))) return nullptr;
    const char* data = bytes.constData();
    const quint32 count = qFromBigEndian<quint32>(data);
    // A record per year at most, as Derive keeps them.
    if (count == 0 || count > kYears ||
        bytes.size() != qsizetype(sizeof(quint32) + count * sizeof(TIME_ZONE_INFORMATION)) + kYears) {
        return nullptr;
    }
    std::shared_ptr<YearlyRules> rules(new YearlyRules);
    rules->m_tzId = tzId;
    rules->m_records.resize(count);
    std::memcpy(rules->m_records.data(), data + sizeof(quint32), count * sizeof(TIME_ZONE_INFORMATION));
    std::memcpy(rules->m_recordOfYear.data(), data + bytes.size() - kYears, kYears);
    const bool indexed = std::all_of(rules->m_recordOfYear.begin(), rules->m_recordOfYear.end(),
                                     [count](std::uint8_t i) { return i < count; });
    return indexed ? rules : nullptr;
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
