// The city list's text: CSV (RFC 4180) with the columns name, country, phone, area, airport,
// latitude, longitude, tz, zone_id and a header row first, read into checked rows. Apart from
// the rest of the installation, so that the reading can be tried on any bytes.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace za {

// One city of a city list, as it is stored.
struct CityListRow {
    QString name, country, phone, area, airport;
    short latitude = 0, longitude = 0;  // hundredths of a degree
    QByteArray tz;  // the tz database's zone ("Europe/Paris")
    short zoneId = 0;
};

// Reads a city list into its rows, header left out, checking every field: false with *error
// naming the first line that is malformed (a column missing or too many, a coordinate or zone
// ID out of range, an empty or blank name, a text with a control or format character or half
// a surrogate pair). Writes nothing.
bool ParseCityList(const QByteArray& csv, std::vector<CityListRow>* rows, QString* error);

// A city's name and zone, all that a look-up of a shipped city's zone needs.
struct CityZoneRow {
    QString name;
    QByteArray tz;
    short zoneId = 0;
};

// Reads only the names and zones of a city list that is known to be well formed (the shipped
// one): every program that shows a city looks its zone up there, and making the other columns'
// texts would be most of its start. False when the list is not in the expected shape.
bool ParseCityListZones(const QByteArray& csv, std::vector<CityZoneRow>* rows);

}  // namespace za
