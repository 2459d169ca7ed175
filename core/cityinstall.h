// The suite's part of the installation package: the "TZID" table of the time-zone lists and
// the city database "Zonaria Cities", filled from the shipped city list (data/cities.csv,
// built into the library). Both run once, when a device profile is new.
#pragma once

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

}  // namespace za
