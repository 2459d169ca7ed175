// The suite's part of the installation package: the "TZID" table of the time-zone lists and
// the city database "Zonaria Cities", filled from the shipped city list (data/cities.csv,
// built into the library). Both run once, when a device profile is new.
#pragma once

#include "city.h"
#include "objectstore.h"

#include <QByteArray>
#include <QString>

namespace za {

// Creates "Zonaria Cities" with its sort orders on name, time-zone ID and latitude in the
// volume (the object store or a mounted volume file) and imports the cities of a CSV text with
// the columns name, country, phone, area, airport, latitude, longitude, tz, zone_id (header
// row first; coordinates in hundredths of a degree). Nothing is kept of a list that fails:
// false with *error naming the line. *imported (optional) receives the number of cities.
bool CreateCityDatabase(CEGUID* volume, const QByteArray& csv, QString* error, int* imported = nullptr);

// The shipped city list.
QByteArray ShippedCityList();

// The tz database's zone of the shipped city of that name and time-zone ID ("Rome", 110 gives
// "Europe/Rome"); empty for a city the list does not hold with that ID (a city of the user's,
// or one whose zone was changed), which then follows its entry's representative zone. The
// list is read at the first call.
QByteArray ShippedCityZone(const QString& name, int zoneId);

// The name of a stand-in city for a zone no city of the database lies in: the pattern ("City
// in %s") filled with the zone's display name without its "(GMT-12:00) " prefix and without the
// characters a city name cannot hold, cut to maxLength ("City in International Date Line").
QString PlaceholderCityName(const QString& pattern, const QString& zoneDisplayName, int maxLength);

// The position, country and codes of a well-known city of the zone-table entry: the shipped
// city of that ID where its representative zone is named ("Los Angeles, CA" for
// America/Los_Angeles), else the first shipped city of the ID. False, the city untouched, when
// the list has none (International Date Line West).
bool WellKnownCityOfZone(int zoneId, CCity* city);

}  // namespace za
