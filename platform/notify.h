// User notifications: time-triggered notifications that a program registers with the device
// and that the device delivers when they come due, kept in device.db. Each call is one
// transaction, so programs of the same profile can use the store side by side; a handle is
// never given out twice within a profile.
//
// The handheld keeps a trigger in device local time, so every alarm would move when the device
// zone changes. Here a trigger is kept as a UTC instant, taken from the device local time and
// zone at registration, and reported back in the device local time of the moment it is read:
// an alarm for 7:00 in Tokyo stays at that instant whatever zone the device takes later.
//
// Every change of the store is announced with the registered window message
// kNotificationsChangedMessage, posted to every window of the profile.
#pragma once

#include "wintypes.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Trigger types; only time triggers are kept.
constexpr DWORD CNT_EVENT = 1;
constexpr DWORD CNT_TIME = 2;
constexpr DWORD CNT_PERIOD = 3;
constexpr DWORD CNT_CLASSICTIME = 4;

// Action flags of a user notification.
constexpr DWORD PUN_LED = 1;
constexpr DWORD PUN_VIBRATE = 2;
constexpr DWORD PUN_DIALOG = 4;
constexpr DWORD PUN_SOUND = 8;
constexpr DWORD PUN_REPEAT = 16;

// dwStatus of a notification read back: CNS_SIGNALLED once it has come due and been shown.
constexpr DWORD CNS_SIGNALLED = 1;

// The handheld's size of CE_NOTIFICATION_TRIGGER (32-bit pointers); accepted beside this
// build's own sizeof.
constexpr DWORD kHandheldTriggerSize = 52;

struct CE_NOTIFICATION_TRIGGER {
    DWORD dwSize;
    DWORD dwType;   // CNT_TIME
    DWORD dwEvent;  // 0 for a time trigger
    WCHAR* lpszApplication;
    WCHAR* lpszArguments;
    SYSTEMTIME stStartTime;  // device local time
    SYSTEMTIME stEndTime;    // unused for a time trigger
};

struct CE_USER_NOTIFICATION {
    DWORD ActionFlags;  // PUN_*
    WCHAR* pwszDialogTitle;
    WCHAR* pwszDialogText;
    WCHAR* pwszSound;
    DWORD nMaxSound;  // bytes of the sound buffer, when reading back
    DWORD dwReserved;
};

// What CeGetUserNotification writes at the start of its buffer; the trigger, the user
// notification and their texts follow it in the same buffer, which the pointers point into.
struct CE_NOTIFICATION_INFO_HEADER {
    HANDLE hNotification;
    DWORD dwStatus;  // 0, or CNS_SIGNALLED
    CE_NOTIFICATION_TRIGGER* pcent;
    CE_USER_NOTIFICATION* pceun;
};

// Registers a notification (hNotification null) or replaces the one of that handle, which then
// counts as not yet delivered. Returns its handle; null on failure: ERROR_INVALID_PARAMETER for
// a trigger that is not a time trigger, lacks the application or has an invalid start time;
// ERROR_INVALID_HANDLE for a handle that does not exist (any more); ERROR_BADDB when the profile
// cannot be written.
HANDLE CeSetUserNotificationEx(HANDLE hNotification, const CE_NOTIFICATION_TRIGGER* pcnt,
                               const CE_USER_NOTIFICATION* pceun);

// The handles of the profile's notifications, oldest first: up to cHandles of them into
// rghNotifications; *pcHandlesNeeded receives how many there are. TRUE even when there are
// more than cHandles (the first cHandles are given); FALSE with ERROR_BADDB when the store
// cannot be read, or ERROR_INVALID_PARAMETER without pcHandlesNeeded.
BOOL CeGetUserNotificationHandles(HANDLE* rghNotifications, DWORD cHandles, DWORD* pcHandlesNeeded);

// Reads a notification into pBuffer (CE_NOTIFICATION_INFO_HEADER first). *pcBytesNeeded
// receives the size it needs. A buffer too small (cBufferSize 0 asks only for the size) fails
// with ERROR_INSUFFICIENT_BUFFER; a handle that does not exist fails with
// ERROR_INVALID_HANDLE and *pcBytesNeeded 0. The start time comes back in the device's
// current local time.
BOOL CeGetUserNotification(HANDLE hNotification, DWORD cBufferSize, DWORD* pcBytesNeeded, BYTE* pBuffer);

// Removes a notification. FALSE with ERROR_INVALID_HANDLE when it does not exist.
BOOL CeClearUserNotification(HANDLE hNotification);

namespace za::notify {

// The registered message posted to every window after the store changed (wParam and lParam 0).
inline constexpr const char* kNotificationsChangedMessage = "ZonariaUserNotificationsChanged";

// A notification as the programs that set, list and deliver them see it.
struct Notification {
    HANDLE handle = nullptr;
    std::int64_t dueUtcMs = 0;  // the trigger's instant
    QString application;
    QString arguments;
    QString title;
    QString text;
    QString sound;
    DWORD actionFlags = 0;
    bool signalled = false;  // claimed by an agent, or shown
    bool shown = false;      // the notification server answered that it shows it
    // The server's id of the notification that showed it last (0: none), so that showing it
    // again replaces that one rather than adding a second.
    std::uint32_t serverId = 0;
};

// How long a claim holds without being renewed: an agent that claimed a notification and then
// ended without a word (killed, or its machine lost power) leaves it to the next agent after
// this long. Device UTC milliseconds.
inline constexpr std::int64_t kClaimLeaseMs = 2 * 60 * 1000;

// Registers n (handle null) or replaces the notification of n.handle, which then counts as not
// yet delivered; n.signalled is not looked at. Returns the handle; null on failure, with
// LastError ERROR_INVALID_PARAMETER without an application, ERROR_INVALID_HANDLE for a handle
// that does not exist (any more), ERROR_BADDB when the profile cannot be written.
HANDLE Set(const Notification& n);

// Every notification of the profile, delivered or not, oldest first; nothing when the store
// cannot be read.
std::optional<std::vector<Notification>> List();

// Removes a notification. FALSE with LastError ERROR_INVALID_HANDLE when it does not exist,
// ERROR_BADDB when the profile cannot be written.
bool Clear(HANDLE handle);

// The earliest instant at which a notification is to be claimed, leaving out the handles in
// skip: the trigger of one not yet delivered, or the end of the lease of one claimed; nothing
// when there is none or the store cannot be read.
std::optional<std::int64_t> NextDueUtcMs(const std::vector<HANDLE>& skip = {});

// Claims the notifications due at nowUtcMs (trigger at or before it) that nobody holds: not yet
// delivered, or claimed or shown under a lease that ended before nowUtcMs (their agent ended
// without giving them back). Each is held until nowUtcMs + leaseMs, in one transaction: of
// several processes claiming at once, each notification goes to exactly one. At most max of
// them, earliest first. Handles in skip are left alone.
std::vector<Notification> ClaimDue(std::int64_t nowUtcMs, int max = 64, const std::vector<HANDLE>& skip = {},
                                   std::int64_t leaseMs = kClaimLeaseMs);

// Records that the notification server shows a claimed notification under serverId, held until
// leaseUntilUtcMs. FALSE when it is no longer claimed: cleared or given back meanwhile.
bool MarkShown(HANDLE handle, std::uint32_t serverId, std::int64_t leaseUntilUtcMs);

// Holds the claims on the handles until leaseUntilUtcMs; the agent renews what it shows while
// it runs. FALSE when the store cannot be written.
bool RenewClaims(const std::vector<HANDLE>& handles, std::int64_t leaseUntilUtcMs);

// Gives a claimed notification back (it could not be shown, or its agent ends while it is on
// screen): it counts as not delivered again, and the server id it was shown under is kept.
// FALSE when it no longer exists.
bool Unclaim(HANDLE handle);

// Moves a notification's trigger to the UTC instant and marks it not delivered (a snooze).
// FALSE when it no longer exists.
bool Reschedule(HANDLE handle, std::int64_t dueUtcMs);

// The notification of a handle, delivered or not; nothing when it does not exist.
std::optional<Notification> Read(HANDLE handle);

// The device local time of a UTC instant (milliseconds since 1970), by the device zone's rules
// of that instant's year, and the reverse, with the rule of the device local time's year (a
// local time skipped or repeated at a daylight-time change takes the bias of the one
// correction, as SystemLocalTimeToUTCTime does).
bool UtcMsToDeviceLocal(std::int64_t utcMs, SYSTEMTIME* local);
bool DeviceLocalToUtcMs(const SYSTEMTIME& local, std::int64_t* utcMs);

}  // namespace za::notify
