#include "city.h"

#include "cityinstall.h"
#include "geography.h"
#include "stringtable.h"
#include "zastrings.h"

#include <algorithm>

CCity& CCity::operator=(const CCity& other) {
    CDBCity::operator=(other);
    m_timeZone.Unload();
    return *this;
}

void CCity::SetLatitude(int latitude) { m_latitude = static_cast<short>(std::clamp(latitude, -9000, 9000)); }

void CCity::SetLongitude(int longitude) {
    m_longitude = static_cast<short>(std::clamp(longitude, -18000, 18000));
}

void CCity::SetTimeZoneID(int id) {
    m_timeZoneID = static_cast<short>(std::clamp(id, -32768, 32767));
    m_timeZone.Unload();
}

CTimeZone& CCity::TimeZone() const {
    if (!m_timeZone.IsLoaded()) {
        // The entry gives the city its identity and name; its past is its own place's.
        m_timeZone.Load(m_timeZoneID, za::ShippedCityZone(m_name, m_timeZoneID));
    }
    return m_timeZone;
}

QString CCity::LocalTimeAsString(const SYSTEMTIME& utc, TIME_FMT format) const {
    CTimeZone& zone = TimeZone();
    SYSTEMTIME local{};
    zone.UTCTimeToLocalTime(utc, local);
    return FormatDateAndTime(local, zone.IsDaylightTime(utc), format);
}

QString CCity::LocalTimeAsString(TIME_FMT format) const {
    CTimeZone& zone = TimeZone();
    SYSTEMTIME local{};
    zone.GetLocalTime(local);
    return FormatDateAndTime(local, zone.IsDaylightTime(), format);
}

SYSTEMTIME CCity::LocalToUtc(const SYSTEMTIME& local, QString* note) const {
    using Kind = za::tz::ZoneHistory::LocalKind;
    constexpr UINT IDS_TIME_SKIPPED = 540;
    constexpr UINT IDS_TIME_REPEATED = 541;
    Kind kind = Kind::Unique;
    SYSTEMTIME utc{};
    TimeZone().LocalTimeToUTCTime(local, utc, &kind);
    if (note) {
        note->clear();
        if (kind != Kind::Unique) {
            *note = za::FormatString(za::CoreString(kind == Kind::Skipped ? IDS_TIME_SKIPPED : IDS_TIME_REPEATED),
                                     {FormatDateAndTime(local, FALSE, TF_TIME), m_name, LocalTimeAsString(utc, TF_TIME)});
        }
    }
    return utc;
}

QString CCity::LatitudeAsString() const { return FormatLatitude(m_latitude); }

QString CCity::LongitudeAsString() const { return FormatLongitude(m_longitude); }

namespace za {

QString CityEntry(const QString& name, const QString& country) { return CityEntryPrefix(name) + country + QLatin1Char(')'); }

QString CityEntryPrefix(const QString& name) { return name + QStringLiteral(" ("); }

void SplitCityEntry(const QString& entry, QString* name, QString* country) {
    const qsizetype open = entry.indexOf(QLatin1String(" ("));
    if (open < 0 || !entry.endsWith(QLatin1Char(')'))) {
        if (name) *name = entry;
        if (country) country->clear();
        return;
    }
    if (name) *name = entry.left(open);
    if (country) *country = entry.mid(open + 2, entry.size() - open - 3);
}

QString CityNameOfEntry(const QString& entry) {
    QString name;
    SplitCityEntry(entry, &name, nullptr);
    return name;
}

}  // namespace za
