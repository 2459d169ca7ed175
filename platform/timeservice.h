// Which device Zonaria's clock and time zone are, and the computer's own time service.
//
// A profile uses one of two devices, recorded in it when it is made and changed only by the
// user (SetDeviceKind), never on its own:
// - the computer: its UTC clock and its IANA time zone, changed through systemd's time service
//   org.freedesktop.timedate1 on the system bus (SetTimezone, SetTime, SetNTP), as the
//   desktop's own settings change them, with the desktop asking for authorisation;
// - the private device: the host's UTC clock plus an offset and a zone kept in device.db
//   (clock.h), where no time service answers (containers, CI) or by the user's choice.
// A new profile takes the computer when the time service answers, else the private device.
//
// The system bus is the one DBUS_SYSTEM_BUS_ADDRESS names, read again at each connection
// (tests point it at a bus of their own); unset, the machine's.
#pragma once

#include "sqlite.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

class QObject;

namespace za::device {

enum class DeviceKind { Computer, Private };

// The device the profile uses; Private when the profile cannot be read.
DeviceKind Kind();
// "computer" or "private", as the profile, zonaria-cli and the About box name them.
QString KindName(DeviceKind kind);
// Records the user's choice. The computer needs its time service to answer: false, with the
// reason in *error, when it does not, or when the profile cannot be written.
bool SetDeviceKind(DeviceKind kind, QString* error);

// What the computer's time service says, as last read (read again after a change it signals
// and after each call made here).
struct TimeServiceState {
    bool answers = false;     // false: no time service on the system bus (or no system bus)
    QByteArray timezone;      // IANA name, "Europe/Berlin"
    bool ntp = false;         // the computer keeps its clock automatically
    bool canNtp = false;      // it can
    bool ntpSynchronized = false;
    QString error;            // why it does not answer, in words; empty when it answers
};
TimeServiceState TimeService();
// Whether a time service answers now (a fresh look, for choosing a new profile's device).
bool TimeServiceAnswers();

// The computer's IANA zone: the time service's, else the host's own (TZ, /etc/localtime).
QByteArray ComputerZoneId();

// Calls of the time service, each asking for authorisation where the desktop needs it. False,
// with the reason in words in *error (not authorised, the service does not answer, ...), when
// the computer refused or the call failed; then nothing was changed.
bool SetComputerTimeZone(const QByteArray& tzId, QString* error);
// UTC milliseconds since 1970.
bool SetComputerTime(std::int64_t utcMs, QString* error);
// Moves the computer's clock by deltaMs (positive: forward).
bool AdjustComputerTime(std::int64_t deltaMs, QString* error);
bool SetComputerNtp(bool on, QString* error);

// Why the last change of the device's clock or zone (SetSystemTime, SetTimeZoneInformation,
// SetTimeZoneFollowing) failed, in words; empty after a success.
QString LastClockError();
void SetLastClockError(const QString& text);

// Changes made outside this process, reported on the event loop of context's thread.
enum DeviceChange : unsigned {
    // The device's zone or clock: the time service's PropertiesChanged, the service coming or
    // going, a change of /etc/localtime while no service answers, a clock that jumped.
    ZoneOrClockChanged = 1,
    // Another process committed to device.db (settings, displayed cities, the city database,
    // the private device's clock and zone, alarms): seen within half a second.
    ProfileChanged = 2,
};
// Calls fn with the changes seen (an OR of DeviceChange) while context lives.
void WatchDeviceChanges(QObject* context, std::function<void(unsigned changes)> fn);

// The installation package's first step: records the device a new profile uses (the computer
// when its time service answers, else the private device).
bool InstallDevice(sql::Database& db, QString* error);

// Tests: drops the connection and everything read from the service; the next use reads the
// environment's bus address again.
void ResetTimeService();

}  // namespace za::device
