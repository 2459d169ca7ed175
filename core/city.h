// A city: a named place with its country, dialling codes, airport code, position and time
// zone. CDBCity is the city as one record of the city database; CCity adds the zone as a live
// object, local-time texts and the coordinate texts, and is what every other part passes on.
#pragma once

#include "astro.h"
#include "format.h"
#include "timezone.h"

#include <QString>

// The time-zone ID of a city that has none of its own: 35, US Eastern.
constexpr int kDefaultCityTimeZoneID = 35;

class CDBCity {
public:
    // Name empty, time-zone ID 35, coordinates 0, the other strings empty.
    CDBCity() = default;
    CDBCity(const CDBCity& other) = default;
    CDBCity& operator=(const CDBCity& other) = default;
    virtual ~CDBCity() = default;

protected:
    // The defaults set before every database load: name, zone and coordinates; the four other
    // strings keep what they hold.
    void ResetForLoad() {
        m_name.clear();
        m_timeZoneID = kDefaultCityTimeZoneID;
        m_longitude = 0;
        m_latitude = 0;
    }

    friend class CDBCityList;

    QString m_name;
    short m_timeZoneID = kDefaultCityTimeZoneID;
    short m_longitude = 0;  // hundredths of a degree, east positive
    short m_latitude = 0;   // hundredths of a degree, north positive
    QString m_airportCode;
    QString m_countryPhoneCode;
    QString m_areaCode;
    QString m_countryName;
};

class CCity : public CDBCity {
public:
    CCity() = default;
    explicit CCity(const CDBCity& record) : CDBCity(record) {}
    // Copies leave the zone unloaded; it is loaded again from the ID on first use.
    CCity(const CCity& other) : CDBCity(other) {}
    CCity& operator=(const CCity& other);
    ~CCity() override = default;

    QString Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    QString CountryName() const { return m_countryName; }
    void SetCountryName(const QString& name) { m_countryName = name; }
    QString CountryPhoneCode() const { return m_countryPhoneCode; }
    void SetCountryPhoneCode(const QString& code) { m_countryPhoneCode = code; }
    QString AreaCode() const { return m_areaCode; }
    void SetAreaCode(const QString& code) { m_areaCode = code; }
    QString AirportCode() const { return m_airportCode; }
    void SetAirportCode(const QString& code) { m_airportCode = code; }

    // Hundredths of a degree. Values beyond the globe (latitude ±9000, longitude ±18000) are
    // clamped to it, since a record keeps only 16 bits and would otherwise wrap around.
    int Latitude() const { return m_latitude; }
    void SetLatitude(int latitude);
    int Longitude() const { return m_longitude; }
    void SetLongitude(int longitude);

    int TimeZoneID() const { return m_timeZoneID; }
    // Always unloads the zone, so the next use loads the rule in force now.
    void SetTimeZoneID(int id);
    // The city's zone, loaded from the time-zone ID when it is not loaded. An ID the zone
    // table does not know gives UTC without daylight time.
    CTimeZone& TimeZone() const;

    // The city's local time at a UTC instant, with the daylight mark of that instant.
    QString LocalTimeAsString(const SYSTEMTIME& utc, TIME_FMT format) const;
    // The city's local time now, by the bias and daylight flag of when the zone was loaded.
    QString LocalTimeAsString(TIME_FMT format) const;
    // A local time of the city to UTC (a skipped time is the time after the gap, a repeated one
    // its first occurrence). *note, when given, receives a sentence saying how such a time was
    // taken ("2:30 AM does not exist in New York, NY that day ..."), or is cleared.
    SYSTEMTIME LocalToUtc(const SYSTEMTIME& local, QString* note = nullptr) const;

    QString LatitudeAsString() const;
    QString LongitudeAsString() const;

    // The rising and setting of the Sun or the Moon on a local date of the city (today there
    // when date is null), as local times or "Never rises" / "Never sets"; and how long the body
    // is up that day, or "Always light" / "Always dark". In cityastro.cpp.
    void RiseSet(QString& riseText, QString& setText, const SYSTEMTIME* date, ZENITH zenith) const;
    QString DaylightHours(const SYSTEMTIME* date, ZENITH zenith) const;

private:
    mutable CTimeZone m_timeZone;  // a cache of the zone of m_timeZoneID
};

namespace za {

// The longest city name, in UTF-16 code units.
constexpr int kMaxCityName = 31;

// The city name list's entry of a city: "Name (Country)".
QString CityEntry(const QString& name, const QString& country);
// What every entry of the named city begins with, "Name (": a name never holds a parenthesis,
// so the first " (" of an entry starts its country.
QString CityEntryPrefix(const QString& name);
// The name and country of an entry; an entry without " (" and a closing ")" is all name.
void SplitCityEntry(const QString& entry, QString* name, QString* country);
// The name part of an entry.
QString CityNameOfEntry(const QString& entry);

}  // namespace za
