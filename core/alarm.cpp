#include "alarm.h"

#include "autostart.h"
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

// Half a second in days: the count of whole seconds is rounded, so that a difference of whole
// seconds is not cut to one less by the error of the doubles.
constexpr double kHalfSecond = 1.0 / 172800.0;

SYSTEMTIME NowUtc() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return now;
}

std::int64_t MsOf(const SYSTEMTIME& utc) {
    std::int64_t seconds = 0;
    za::SystemTimeToSeconds(utc, &seconds);
    return seconds * 1000;
}

SYSTEMTIME UtcOf(std::int64_t ms) {
    SYSTEMTIME st{};
    za::SecondsToSystemTime(ms / 1000 - (ms % 1000 < 0 ? 1 : 0), &st);
    return st;
}

}  // namespace

CAlarm::CAlarm(const CCity& city) {
    GetReg().Open();
    m_actionFlags = GetReg().GetDWORDValue(CRegistry::AlarmOptions);
    SetSound(GetReg().GetStringValue(CRegistry::AlarmSound));
    GetReg().Close();
    // The next whole hour of the city's local time.
    SYSTEMTIME local{};
    city.TimeZone().UTCTimeToLocalTime(NowUtc(), local);
    local.wMinute = local.wSecond = local.wMilliseconds = 0;
    DATE hour = 0;
    SystemTimeToVariantTime(&local, &hour);
    SetTimeAndCity(city, za::AddSpan(hour, za::DateSpan(0, 1, 0, 0)));
}

CAlarm::CAlarm(const za::notify::Notification& n, const SYSTEMTIME& alarmTime)
    : m_hNotification(n.handle),
      m_dueUtcMs(n.dueUtcMs),
      m_message(n.text),
      m_alarmTime(alarmTime),
      m_actionFlags(n.actionFlags) {
    SetSound(n.sound);
    const QString& name = n.arguments;
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

CAlarm::~CAlarm() = default;

void CAlarm::SetSound(const QString& sound) {
    // The field ends at its first NUL, as a fixed buffer of the handheld did.
    m_sound = sound.left(kAlarmSoundLength - 1);
    const qsizetype end = m_sound.indexOf(QChar(u'\0'));
    if (end >= 0) m_sound.truncate(end);
}

void CAlarm::SetDue(std::int64_t utcMs) {
    m_dueUtcMs = utcMs;
    UTCTimeToSystemLocalTime(UtcOf(utcMs), m_alarmTime);
}

void CAlarm::SetTimeAndCity(const CCity& city, DATE cityLocal, QString* note) {
    m_city = city;
    SYSTEMTIME local{};
    VariantTimeToSystemTime(cityLocal, &local);
    SetDue(MsOf(m_city.LocalToUtc(local, note)));
    if (!m_bCustomMessage) m_message = DefaultMessage();
}

DATE CAlarm::GetCityLocalTime() const {
    SYSTEMTIME local{};
    m_city.TimeZone().UTCTimeToLocalTime(UtcOf(m_dueUtcMs), local);
    DATE date = 0;
    SystemTimeToVariantTime(&local, &date);
    return date;
}

void CAlarm::SetMessage(const QString& text) {
    m_bCustomMessage = text != DefaultMessage();
    m_message = text;
}

QString CAlarm::DefaultMessage() const {
    return za::FormatString(za::LoadModuleString(kAppModule, IDS_ALARM_MESSAGE),
                            {m_city.LocalTimeAsString(UtcOf(m_dueUtcMs), TF_TIME), m_city.Name()});
}

BOOL CAlarm::IsInFuture(const CCity& city, DATE cityLocal) {
    SYSTEMTIME local{};
    VariantTimeToSystemTime(cityLocal, &local);
    const SYSTEMTIME utc = city.LocalToUtc(local);
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
    za::notify::Notification n;
    n.handle = m_hNotification;
    n.application = application;
    n.arguments = arguments;
    n.title = za::LoadModuleString(kAppModule, IDS_ALARM_TITLE).left(kTitleLength - 1);
    n.text = m_message;
    n.sound = m_sound;
    n.actionFlags = m_actionFlags;
    // The alarm's own instant: a device-local time cannot name the first or the second of a
    // repeated hour, nor a time the device zone skips.
    n.dueUtcMs = m_dueUtcMs;
    const HANDLE handle = za::notify::Set(n);
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
    // Every alarm of the store, however many and however long (a cap of 128 left the rest
    // ringing but neither listed nor deletable).
    const std::optional<std::vector<za::notify::Notification>> all = za::notify::List();
    if (!all) return;
    for (const za::notify::Notification& n : *all) {
        if (n.application != application) continue;
        SYSTEMTIME alarmTime{};
        if (!za::notify::UtcMsToDeviceLocal(n.dueUtcMs, &alarmTime)) continue;
        m_alarms.push_back(std::make_unique<CAlarm>(n, alarmTime));
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
    if (!za::notify::Clear(alarm->Handle())) return FALSE;
    m_alarms.erase(m_alarms.begin() + i);
    return TRUE;
}

void CAlarmList::PurgeExpired() {
    m_alarms.erase(std::remove_if(m_alarms.begin(), m_alarms.end(),
                                  [](const std::unique_ptr<CAlarm>& alarm) {
                                      return !za::notify::Read(alarm->Handle()).has_value();
                                  }),
                   m_alarms.end());
}

QString AlarmApplicationPath() {
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir::cleanPath(QDir(dir).filePath(QStringLiteral("zonaria")));
}

BOOL StartAlarmAgent() {
    // A user with an alarm has the agent started with each session from now on; one without
    // never had it.
    if (!za::autostart::IsEnabled(za::autostart::AlarmAgent())) za::autostart::Enable(za::autostart::AlarmAgent());
    if (FindWindowW(QString::fromLatin1(kAlarmAgentWindowClass), QString())) return TRUE;
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    const QString program = QDir(dir).filePath(QString::fromLatin1(kAlarmAgentProgram));
    if (!QFileInfo(program).isExecutable()) return FALSE;
    return za::shell::Current().StartProgram(program, {}) ? TRUE : FALSE;
}
