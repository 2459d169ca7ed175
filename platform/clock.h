// The device clock and time zone. The device's UTC time is the host's UTC clock plus an offset
// kept in device.db, so setting the device clock never touches the host's. The device zone is
// a TIME_ZONE_INFORMATION kept in device.db; a new profile starts with the zone-table entry of
// the host's zone (the Outlook stand-in's installation step, platform/zonetable.cpp).
#pragma once

#include "wintypes.h"

#include <cstdint>
#include <functional>

void GetSystemTime(SYSTEMTIME* st);
// Fails for an invalid time or when the profile cannot be written.
BOOL SetSystemTime(const SYSTEMTIME* st);
// The device's local time: UTC minus the bias the device zone's rules give at this instant.
void GetLocalTime(SYSTEMTIME* st);

// TIME_ZONE_ID_STANDARD or _DAYLIGHT (as the rules give now), _UNKNOWN for a zone without
// daylight time, _INVALID when the profile cannot be read.
DWORD GetTimeZoneInformation(TIME_ZONE_INFORMATION* tzi);
BOOL SetTimeZoneInformation(const TIME_ZONE_INFORMATION* tzi);
// Records whether the device is in daylight time; local time follows the zone's rules.
BOOL SetDaylightTime(DWORD daylight);
// The flag last given to SetDaylightTime (FALSE before any).
BOOL GetDaylightTime();

namespace za::device {

// The host clock in milliseconds since 1970 (UTC). Tests may replace it; an empty function
// restores the real clock.
using HostClock = std::function<std::int64_t()>;
void SetHostClock(HostClock clock);

// The device's UTC time in milliseconds since 1970.
std::int64_t NowUtcMs();

// GetSystemTime for another thread, which must not use the profile (its connection belongs to
// the thread that uses the library): the device clock's offset is read here, once, and each
// reading adds it to the host clock. Later changes of the device clock are not seen.
using SystemTimeSource = std::function<void(SYSTEMTIME*)>;
SystemTimeSource DetachedSystemTime();

}  // namespace za::device
