// The device clock and time zone, of one of the two devices a profile can use (timeservice.h).
//
// The computer: the device's UTC time is the host's clock, and setting it sets the computer's
// clock through its time service; the device zone is the zone-table entry of the computer's
// IANA zone (za::outlook::MapZone), and setting it sets the computer's zone. A refusal fails
// the call and changes nothing; LastClockError() says why.
//
// The private device: the device's UTC time is the host's UTC clock plus an offset kept in
// device.db, so setting the device clock never touches the host's. The device zone is a
// TIME_ZONE_INFORMATION kept in device.db; a new profile starts with the zone-table entry of
// the host's zone (the Outlook stand-in's installation step, platform/zonetable.cpp).
//
// A device zone set together with the tz database's zone it stands for follows that zone's
// record of each year (platform/tzyears.h): its local time is right in every year, and
// GetTimeZoneInformation gives the record of the device clock's year. A zone set with
// SetTimeZoneInformation alone keeps its one record.
#pragma once

#include "tzyears.h"
#include "wintypes.h"

#include <QByteArray>

#include <cstdint>
#include <functional>

void GetSystemTime(SYSTEMTIME* st);
// Fails for an invalid time, when the profile cannot be written or when the computer refuses.
// Once set, WM_TIMECHANGE is posted to every window of the profile.
BOOL SetSystemTime(const SYSTEMTIME* st);
// The device's local time: UTC minus the bias the device zone's rules give at this instant.
void GetLocalTime(SYSTEMTIME* st);

// TIME_ZONE_ID_STANDARD or _DAYLIGHT (as the rules give now), _UNKNOWN for a zone without
// daylight time, _INVALID when the profile cannot be read.
DWORD GetTimeZoneInformation(TIME_ZONE_INFORMATION* tzi);
// The zone keeps this one record in every year.
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
// The calendar year of the device's UTC clock.
int DeviceYear();

// Makes tzi the device zone, following the yearly records of the tz database's zone tzId,
// named as tzi is. Fails when the profile cannot be written; on the computer, makes tzId the
// computer's zone, and fails when the computer refuses.
BOOL SetTimeZoneFollowing(const TIME_ZONE_INFORMATION& tzi, const QByteArray& tzId);
// The private device's zone alone, whichever device the profile uses.
BOOL SetPrivateTimeZone(const TIME_ZONE_INFORMATION& tzi, const QByteArray& tzId);
// The device zone as stored, with its records for every year when it follows a zone of the tz
// database (null when it keeps its one record, or the tz database no longer knows the zone).
// False when the profile cannot be read.
bool ReadDeviceZone(TIME_ZONE_INFORMATION* stored, za::tz::YearlyRulesPtr* years);

// GetSystemTime for another thread, which must not use the profile (its connection belongs to
// the thread that uses the library): the device clock's offset is read here, once, and each
// reading adds it to the host clock. Later changes of the device clock are not seen.
using SystemTimeSource = std::function<void(SYSTEMTIME*)>;
SystemTimeSource DetachedSystemTime();

}  // namespace za::device
