// The installation package: what a new device profile holds, step by step, in the order the
// steps run (see InstallPackage). The steps of the core library live with the data they write.
#pragma once

#include "device.h"

#include <vector>

namespace za {

// The settings key, the time-zone display names, the "TZID" table, the city database, the
// home city, the Today item's key and the device zone.
std::vector<device::InstallStep> InstallPackage();

// The core's steps (cityinstall.cpp, today.cpp).
bool InstallTimeZoneTable(sql::Database& db, QString* error);
bool InstallCityDatabase(sql::Database& db, QString* error);
bool InstallHomeCity(sql::Database& db, QString* error);
bool InstallTodayItem(sql::Database& db, QString* error);

}  // namespace za
