// The settings of the world-clock additions, beside the suite's other settings under
// "\Software\Corvantel\Zonaria": whether displays show their offset from the current city
// ("ShowOffsets", DWORD, 1 by default) and the working hours of the meeting planner
// ("WorkingHours", "09:00-17:00" by default, and a city's own hours in the subkey
// "WorkingHours" under the city's name).
#pragma once

#include "meetingplanner.h"

#include <QString>

namespace za {

bool ShowOffsetsSetting();
bool SetShowOffsetsSetting(bool show);

// The city's own working hours, else the default ones; an unreadable text reads as the default.
WorkingHours WorkingHoursSetting(const QString& city = QString());
// Writes the default hours (empty city) or a city's own; false when the setting cannot be
// written.
bool SetWorkingHoursSetting(const QString& city, const WorkingHours& hours);
// Forgets a city's own hours, so that it takes the default ones again.
void ClearWorkingHoursSetting(const QString& city);

}  // namespace za
