// Keeps the city cache the quick command line answers `city NAME` from.
#pragma once

#include "wintypes.h"

#include <QString>
#include <QStringList>

namespace cli {

// The city command's labels, "Time zone:    " to "Clock change: ", in the user's language.
QStringList CityLabels();
// Its text for a zone whose clocks do not change within the year searched.
QString NoClockChangeText();

// Writes the cache after a city was shown at utc, unless the one there already serves that
// moment. Nothing is written for a profile that cannot be written, or for a language whose
// texts the quick command line does not write exactly as this one does; the quick one then
// leaves city to this one.
void KeepCityCache(const SYSTEMTIME& utc);

}  // namespace cli
