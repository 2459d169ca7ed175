// Alarms set in another city's local time ("ring when it is 7:00 in Tokyo"). An alarm is a
// time-triggered user notification of the device's store (platform/notify.h): the program keeps
// no alarm file of its own, and the list of alarms is read back from the store each time it is
// shown. The city travels as the notification's arguments, the message as its text; the
// application's path marks the notifications that are alarms. Shared by the application's
// dialogs and zonaria-cli, so both see and make the same alarms.
//
// Times: an alarm holds its UTC instant from the moment it is set (a city time goes to UTC through
// the city's own zone, never through the device's local time, which may skip or repeat an hour
// the city does not); the device's local time is only for display. A city time is an OLE
// Automation date in the city's local time.
#pragma once

#include "city.h"
#include "notify.h"
#include "oledate.h"
#include "wintypes.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// Strings of the application's table that the alarm record uses.
constexpr UINT IDS_ALARM_TITLE = 110;    // "Zonaria"
constexpr UINT IDS_ALARM_MESSAGE = 114;  // "It is %s in %s"

// The length of the sound field, in characters, its end included.
constexpr int kAlarmSoundLength = 260;

class CAlarm {
public:
    // A new alarm for the city: the next whole hour of the city's local time, the action flags
    // and the sound of the settings, the default message.
    explicit CAlarm(const CCity& city);
    // An alarm read back from the store, due at alarmTime in the device's local time. The city
    // is loaded by the name in the arguments; when no such city exists any more, the first city
    // of the list stands in for it.
    CAlarm(const za::notify::Notification& n, const SYSTEMTIME& alarmTime);
    CAlarm(const CAlarm& other) = default;
    CAlarm& operator=(const CAlarm& other) = default;
    virtual ~CAlarm();

    // cityLocal in the city's local time becomes the alarm's UTC instant (a time the city's
    // clocks skip is the time after the gap, a repeated one its first occurrence; *note, when
    // given, says so, else is cleared); the default message follows unless it is the user's own.
    void SetTimeAndCity(const CCity& city, DATE cityLocal, QString* note = nullptr);
    // The alarm time in the city's local time.
    DATE GetCityLocalTime() const;
    // The user's own text, unless it is exactly the default text.
    void SetMessage(const QString& text);
    // "It is 7:00 AM in Tokyo": the alarm's time in the city (with the daylight mark) and its name.
    QString DefaultMessage() const;
    // Whether cityLocal in the city's time (taken as SetTimeAndCity takes it) lies at least one
    // whole second after the device's current UTC time.
    static BOOL IsInFuture(const CCity& city, DATE cityLocal);
    // Registers the notification (a new one, or the same handle again) and keeps its handle.
    // Starts the alarm agent when it does not run. TRUE when the store took it.
    BOOL Register();
    // "7:00 AM 7/1/26": the alarm time in the device's local time.
    QString DisplayTime() const;

    HANDLE Handle() const { return m_hNotification; }
    QString Message() const { return m_message; }
    // The alarm time in the device's local time (for display).
    const SYSTEMTIME& AlarmTime() const { return m_alarmTime; }
    // The alarm's instant, milliseconds since 1970 (UTC).
    std::int64_t DueUtcMs() const { return m_dueUtcMs; }
    const CCity& City() const { return m_city; }
    BOOL IsCustomMessage() const { return m_bCustomMessage; }
    DWORD ActionFlags() const { return m_actionFlags; }
    QString Sound() const { return m_sound; }

private:
    void SetSound(const QString& sound);
    void SetDue(std::int64_t utcMs);

    HANDLE m_hNotification = nullptr;
    std::int64_t m_dueUtcMs = 0;
    QString m_message;
    SYSTEMTIME m_alarmTime{};
    DWORD m_actionFlags = 0;
    QString m_sound;
    CCity m_city;
    BOOL m_bCustomMessage = FALSE;
};

class CAlarmList {
public:
    CAlarmList() = default;
    CAlarmList(const CAlarmList&) = delete;
    CAlarmList& operator=(const CAlarmList&) = delete;
    virtual ~CAlarmList();

    // Rebuilds the list from the store: this program's notifications among the first 128, in
    // the order the store gives their handles. Empty when the buffer cannot be had.
    void LoadAll();
    // Clears the record's notification and deletes the record; FALSE (the record stays) when
    // it is not in the list or the store refuses.
    BOOL Remove(CAlarm* alarm);
    // Drops the records whose notification no longer exists; the store is not touched.
    void PurgeExpired();

    int GetCount() const { return static_cast<int>(m_alarms.size()); }
    CAlarm* GetAt(int i) const { return m_alarms.at(static_cast<size_t>(i)).get(); }
    // The position of the record, or -1.
    int IndexOf(const CAlarm* alarm) const;

private:
    std::vector<std::unique_ptr<CAlarm>> m_alarms;
};

// The path that marks a notification as an alarm of Zonaria: the window program's, beside the
// running program (the application itself, zonaria-cli and the tests all name the same one).
QString AlarmApplicationPath();

// The alarm agent: its program, beside the running one, and the class of its window.
inline constexpr const char* kAlarmAgentProgram = "zonaria-alarmd";
inline constexpr const char* kAlarmAgentWindowClass = "ZonariaAlarmAgent";
// Starts the agent (through the shell) unless its window exists in the profile. FALSE when it
// does not run and could not be started.
BOOL StartAlarmAgent();
