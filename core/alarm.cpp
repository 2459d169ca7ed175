#include "alarm.h"

#include "citylist.h"
#include "clock.h"
#include "format.h"
#include "settings.h"
#include "shell.h"
#include "stringtable.h"
#include "window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

// The two texts of the application's table that the record needs live here, so that
// zonaria-cli, which has no application table, makes the same alarms.
constexpr const char* kAppModule = "Zonaria";
const za::StringTableRegistrar g_strings(kAppModule, {
    {IDS_ALARM_TITLE, u"Zonaria"},
    {IDS_ALARM_MESSAGE, u"It is %s in %s"},
});

// The dialog title goes through a 64-character buffer.
constexpr int kTitleLength = 64;
// The first buffer a notification is read into; a larger one is made for a longer record.
constexpr DWORD kReadBuffer = 8192;

// Half a second in days: the count of whole seconds is rounded, so that a difference of whole
// seconds is not cut to one less by the error of the doubles.
constexpr double kHalfSecond = 1.0 / 172800.0;

WCHAR* Wide(const QString& s) { return const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(s.utf16())); }

SYSTEMTIME NowUtc() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return now;
}

}  // namespace

CAlarm::CAlarm(const CCity& city) {
    GetReg().Open();
    m_notification.ActionFlags = GetReg().GetDWORDValue(CRegistry::AlarmOptions);
    SetSound(GetReg().GetStringValue(CRegistry::AlarmSound));
    GetReg().Close();
    m_notification.nMaxSound = kAlarmMaxSound;
    // The next whole hour of the city's local time.
    SYSTEMTIME local{};
    city.TimeZone().UTCTimeToLocalTime(NowUtc(), local);
    local.wMinute = local.wSecond = local.wMilliseconds = 0;
    DATE hour = 0;
    SystemTimeToVariantTime(&local, &hour);
    SetTimeAndCity(city, za::AddSpan(hour, za::DateSpan(0, 1, 0, 0)));
}

CAlarm::CAlarm(HANDLE handle, const CE_NOTIFICATION_TRIGGER& trigger, const CE_USER_NOTIFICATION& user)
    : m_hNotification(handle),
      m_message(user.pwszDialogText ? QString::fromUtf16(user.pwszDialogText) : QString()),
      m_alarmTime(trigger.stStartTime) {
    m_notification.ActionFlags = user.ActionFlags;
    m_notification.nMaxSound = kAlarmMaxSound;
    SetSound(user.pwszSound ? QString::fromUtf16(user.pwszSound) : QString());
    const QString name = trigger.lpszArguments ? QString::fromUtf16(trigger.lpszArguments) : QString();
    CCityList& list = GetCityList();
    if (list.LoadCity(name, m_city)) {
        m_bCustomMessage = m_message != DefaultMessage();
        return;
    }
    // The city is gone: the first one stands in, and the message follows it from the next
    // change on.
    m_bCustomMessage = TRUE;
    if (list.BeginLoadCityByIndex()) {
        if (list.LoadCity(0L, m_city)) m_bCustomMessage = FALSE;
        list.EndLoadCityByIndex();
    }
}

CAlarm::CAlarm(const CAlarm& other)
    : m_hNotification(other.m_hNotification),
      m_message(other.m_message),
      m_alarmTime(other.m_alarmTime),
      m_notification(other.m_notification),
      m_city(other.m_city),
      m_bCustomMessage(other.m_bCustomMessage) {
    std::memcpy(m_sound, other.m_sound, sizeof m_sound);
}

CAlarm& CAlarm::operator=(const CAlarm& other) {
    if (this == &other) return *this;
    m_hNotification = other.m_hNotification;
    m_message = other.m_message;
    m_alarmTime = other.m_alarmTime;
    m_notification = other.m_notification;
    std::memcpy(m_sound, other.m_sound, sizeof m_sound);
    m_city = other.m_city;
    m_bCustomMessage = other.m_bCustomMessage;
    return *this;
}

CAlarm::~CAlarm() = default;

void CAlarm::SetSound(const QString& sound) {
    std::fill(std::begin(m_sound), std::end(m_sound), u'\0');
    const qsizetype n = std::min<qsizetype>(sound.size(), kAlarmSoundLength - 1);
    std::memcpy(m_sound, sound.utf16(), static_cast<size_t>(n) * sizeof(WCHAR));
}

void CAlarm::SetTimeAndCity(const CCity& city, DATE cityLocal) {
    m_city = city;
    SYSTEMTIME local{};
    SYSTEMTIME utc{};
    VariantTimeToSystemTime(cityLocal, &local);
    m_city.TimeZone().LocalTimeToUTCTime(local, utc);
    UTCTimeToSystemLocalTime(utc, m_alarmTime);
    if (!m_bCustomMessage) m_message = DefaultMessage();
}

DATE CAlarm::GetCityLocalTime() const {
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    SystemLocalTimeToUTCTime(m_alarmTime, utc);
    m_city.TimeZone().UTCTimeToLocalTime(utc, local);
    DATE date = 0;
    SystemTimeToVariantTime(&local, &date);
    return date;
}

void CAlarm::SetMessage(const QString& text) {
    m_bCustomMessage = text != DefaultMessage();
    m_message = text;
}

QString CAlarm::DefaultMessage() const {
    SYSTEMTIME utc{};
    SystemLocalTimeToUTCTime(m_alarmTime, utc);
    return za::FormatString(za::LoadModuleString(kAppModule, IDS_ALARM_MESSAGE),
                            {m_city.LocalTimeAsString(utc, TF_TIME), m_city.Name()});
}

BOOL CAlarm::IsInFuture(const CCity& city, DATE cityLocal) {
    SYSTEMTIME local{};
    SYSTEMTIME utc{};
    VariantTimeToSystemTime(cityLocal, &local);
    city.TimeZone().LocalTimeToUTCTime(local, utc);
    const SYSTEMTIME now = NowUtc();
    DATE alarm = 0;
    DATE current = 0;
    SystemTimeToVariantTime(&utc, &alarm);
    SystemTimeToVariantTime(&now, &current);
    const auto seconds = static_cast<long long>((za::SpanBetween(current, alarm) + kHalfSecond) * 86400.0);
    return seconds > 0;
}

BOOL CAlarm::Register() {
    const QString application = AlarmApplicationPath();
    const QString arguments = m_city.Name();
    const QString title = za::LoadModuleString(kAppModule, IDS_ALARM_TITLE).left(kTitleLength - 1);
    CE_NOTIFICATION_TRIGGER trigger{};
    trigger.dwSize = sizeof trigger;
    trigger.dwType = CNT_TIME;
    trigger.dwEvent = 0;
    trigger.lpszApplication = Wide(application);
    trigger.lpszArguments = Wide(arguments);
    trigger.stStartTime = m_alarmTime;
    m_notification.pwszDialogTitle = Wide(title);
    m_notification.pwszDialogText = Wide(m_message);
    m_notification.pwszSound = m_sound;
    m_notification.nMaxSound = kAlarmMaxSound;
    m_notification.dwReserved = 0;
    const HANDLE handle = CeSetUserNotificationEx(m_hNotification, &trigger, &m_notification);
    // The texts were the call's only.
    m_notification.pwszDialogTitle = m_notification.pwszDialogText = nullptr;
    m_notification.pwszSound = nullptr;
    m_hNotification = handle;
    if (!handle) return FALSE;
    StartAlarmAgent();
    return TRUE;
}

QString CAlarm::DisplayTime() const { return FormatDateAndTime(m_alarmTime, FALSE, TF_TIME_SHORTDATE); }

CAlarmList::~CAlarmList() = default;

void CAlarmList::LoadAll() {
    m_alarms.clear();
    const QString application = AlarmApplicationPath();
    // As many handles as the store holds: asked first, then read; the store may grow between
    // the two calls, so the count is asked again until it fits.
    std::vector<HANDLE> handles;
    DWORD count = 0;
    if (!CeGetUserNotificationHandles(nullptr, 0, &count)) return;
    do {
        handles.resize(count);
        if (!CeGetUserNotificationHandles(handles.data(), static_cast<DWORD>(handles.size()), &count)) return;
    } while (count > handles.size());
    handles.resize(count);
    std::vector<BYTE> buffer(kReadBuffer);
    for (const HANDLE h : handles) {
        DWORD needed = 0;
        bool read = CeGetUserNotification(h, static_cast<DWORD>(buffer.size()), &needed, buffer.data());
        if (!read && GetLastError() == ERROR_INSUFFICIENT_BUFFER && needed > buffer.size()) {
            buffer.resize(needed);
            read = CeGetUserNotification(h, static_cast<DWORD>(buffer.size()), &needed, buffer.data());
        }
        if (!read) continue;
        const auto* header = reinterpret_cast<const CE_NOTIFICATION_INFO_HEADER*>(buffer.data());
        const CE_NOTIFICATION_TRIGGER* trigger = header->pcent;
        if (!trigger || !trigger->lpszApplication || !header->pceun) continue;
        if (QString::fromUtf16(trigger->lpszApplication) != application) continue;
        m_alarms.push_back(std::make_unique<CAlarm>(header->hNotification, *trigger, *header->pceun));
    }
}

int CAlarmList::IndexOf(const CAlarm* alarm) const {
    for (size_t i = 0; i < m_alarms.size(); ++i) {
        if (m_alarms[i].get() == alarm) return static_cast<int>(i);
    }
    return -1;
}

BOOL CAlarmList::Remove(CAlarm* alarm) {
    const int i = IndexOf(alarm);
    if (i < 0) return FALSE;
    if (!CeClearUserNotification(alarm->Handle())) return FALSE;
    m_alarms.erase(m_alarms.begin() + i);
    return TRUE;
}

void CAlarmList::PurgeExpired() {
    m_alarms.erase(std::remove_if(m_alarms.begin(), m_alarms.end(),
                                  [](const std::unique_ptr<CAlarm>& alarm) {
                                      DWORD needed = 0;
                                      return !CeGetUserNotification(alarm->Handle(), 0, &needed, nullptr) && needed == 0;
                                  }),
                   m_alarms.end());
}

QString AlarmApplicationPath() {
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir::cleanPath(QDir(dir).filePath(QStringLiteral("zonaria")));
}

BOOL StartAlarmAgent() {
    if (FindWindowW(QString::fromLatin1(kAlarmAgentWindowClass), QString())) return TRUE;
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    const QString program = QDir(dir).filePath(QString::fromLatin1(kAlarmAgentProgram));
    if (!QFileInfo(program).isExecutable()) return FALSE;
    return za::shell::Current().StartProgram(program, {}) ? TRUE : FALSE;
}
