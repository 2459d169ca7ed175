// alarm add | list | delete: the application's alarms from a terminal. They are the same
// notifications that the Alarms dialog lists, and the alarm agent rings them.
#include "alarm.h"
#include "citylist.h"
#include "commands.h"
#include "format.h"
#include "cliprofile.h"
#include "clicities.h"
#include "cliparse.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace cli {

namespace {

// The longest --in: a year.
constexpr long long kMaxDurationSeconds = 366LL * 86400;

// "90s", "10m", "2h", "1d", or several of them together ("1h30m"); seconds.
long long ParseDuration(const QString& text) {
    static const QRegularExpression whole(QStringLiteral("^(\\d+[smhd])+$"));
    static const QRegularExpression part(QStringLiteral("(\\d+)([smhd])"));
    const QString t = text.trimmed();
    if (!whole.match(t).hasMatch()) {
        Fail(Text::tr("--in: \"%1\" is not a duration; write it like 90s, 10m, 2h or 1h30m").arg(Shown(text)));
    }
    long long seconds = 0;
    for (auto it = part.globalMatch(t); it.hasNext();) {
        const auto m = it.next();
        const long long n = m.captured(1).left(9).toLongLong();
        const QChar unit = m.captured(2).at(0);
        seconds += n * (unit == QLatin1Char('s') ? 1 : unit == QLatin1Char('m') ? 60 : unit == QLatin1Char('h') ? 3600 : 86400);
        if (m.captured(1).size() > 9 || seconds > kMaxDurationSeconds) {
            Fail(Text::tr("--in: \"%1\" is longer than a year").arg(Shown(text)));
        }
    }
    return seconds;
}

DATE ToDate(const SYSTEMTIME& st) {
    DATE d = 0;
    SystemTimeToVariantTime(&st, &d);
    return d;
}

SYSTEMTIME FromDate(DATE d) {
    SYSTEMTIME st{};
    VariantTimeToSystemTime(d, &st);
    return st;
}

qulonglong HandleNumber(HANDLE h) { return static_cast<qulonglong>(reinterpret_cast<std::uintptr_t>(h)); }

QJsonObject AlarmJson(const CAlarm& alarm) {
    SYSTEMTIME utc{};
    za::SecondsToSystemTime(alarm.DueUtcMs() / 1000, &utc);
    QJsonObject o;
    o[QStringLiteral("handle")] = static_cast<qint64>(HandleNumber(alarm.Handle()));
    o[QStringLiteral("city")] = alarm.City().Name();
    o[QStringLiteral("city_time")] = IsoLocal(FromDate(alarm.GetCityLocalTime()));
    o[QStringLiteral("device_time")] = IsoLocal(alarm.AlarmTime());
    o[QStringLiteral("utc")] = IsoUtc(utc);
    o[QStringLiteral("message")] = alarm.Message();
    o[QStringLiteral("default_message")] = !alarm.IsCustomMessage();
    return o;
}

void AddAlarm(const Args& args, Output& out) {
    if (args.Positional().size() != 2) Fail(Text::tr("alarm add takes one city; see --help"));
    const bool at = args.Has(QStringLiteral("--at"));
    const bool in = args.Has(QStringLiteral("--in"));
    if (at == in) Fail(Text::tr("alarm add needs either --at 'YYYY-MM-DD HH:MM' or --in DURATION"));
    const long long inSeconds = in ? ParseDuration(args.Value(QStringLiteral("--in"))) : 0;
    const SYSTEMTIME atLocal = at ? ParseLocalDateTime(QStringLiteral("--at"), args.Value(QStringLiteral("--at"))) : SYSTEMTIME{};
    OpenProfile();
    RequireWritableProfile();
    const CCity city = LoadCity(args.Positional().at(1));

    DATE cityLocal = ToDate(atLocal);
    if (in) {
        SYSTEMTIME local{};
        city.TimeZone().UTCTimeToLocalTime(NowUtc(), local);
        cityLocal = za::AddSpan(ToDate(local), za::DateSpan(0, 0, 0, static_cast<int>(inSeconds)));
    }
    if (!CAlarm::IsInFuture(city, cityLocal)) {
        Fail(Text::tr("You selected a date and time that are in the past. (%1 in %2)")
                 .arg(IsoLocal(FromDate(cityLocal)), Shown(city.Name())));
    }
    CAlarm alarm(city);
    QString note;
    alarm.SetTimeAndCity(city, cityLocal, &note);
    if (args.Has(QStringLiteral("--message"))) alarm.SetMessage(args.Value(QStringLiteral("--message")));
    if (!alarm.Register()) {
        // A store that refused the write is not an alarm that expired.
        if (GetLastError() == ERROR_BADDB) Fail(RefusedWrite() + Text::tr("; the alarm was not set"));
        Fail(Text::tr("Unable to create alarm.  Alarm may have expired."));
    }
    out.Line(Text::tr("Alarm %1 set: %2").arg(QString::number(HandleNumber(alarm.Handle())), Shown(alarm.Message(), kWhole)));
    out.Line(Text::tr("It rings at %1 in %2, %3 on this device")
                 .arg(IsoLocal(FromDate(alarm.GetCityLocalTime())), Shown(city.Name()), IsoLocal(alarm.AlarmTime())));
    if (!note.isEmpty()) out.Line(note);
    out.object = AlarmJson(alarm);
    if (!note.isEmpty()) out.object[QStringLiteral("note")] = note;
}

void ListAlarms(const Args& args, Output& out) {
    if (args.Positional().size() != 1) Fail(Text::tr("alarm list takes no arguments; see --help"));
    OpenProfile();
    CCityList& cities = GetCityList();
    cities.Open();
    CAlarmList list;
    list.LoadAll();
    QJsonArray all;
    if (list.GetCount() == 0) out.Line(Text::tr("No alarms"));
    for (int i = 0; i < list.GetCount(); ++i) {
        const CAlarm& alarm = *list.GetAt(i);
        const SYSTEMTIME cityTime = FromDate(alarm.GetCityLocalTime());
        out.Line(Text::tr("%1  %2 in %3  (device %4)  %5")
                     .arg(QString::number(HandleNumber(alarm.Handle())).rightJustified(4),
                          FormatDateAndTime(cityTime, FALSE, TF_TIME_SHORTDATE), Shown(alarm.City().Name()),
                          alarm.DisplayTime(), Shown(alarm.Message(), kWhole)));
        all.append(AlarmJson(alarm));
    }
    cities.Close();
    out.object[QStringLiteral("alarms")] = all;
}

void DeleteAlarm(const Args& args, Output& out) {
    if (args.Positional().size() != 2) Fail(Text::tr("alarm delete takes one HANDLE; see alarm list"));
    const int handle = ParseInteger(QStringLiteral("HANDLE"), args.Positional().at(1), 1, 2147483647);
    OpenProfile();
    RequireWritableProfile();
    CCityList& cities = GetCityList();
    cities.Open();
    CAlarmList list;
    list.LoadAll();
    cities.Close();
    for (int i = 0; i < list.GetCount(); ++i) {
        CAlarm* alarm = list.GetAt(i);
        if (HandleNumber(alarm->Handle()) != static_cast<qulonglong>(handle)) continue;
        const QJsonObject gone = AlarmJson(*alarm);
        if (!list.Remove(alarm)) {
            Fail(Text::tr("alarm %1 could not be deleted: %2").arg(QString::number(handle), RefusedWrite()));
        }
        out.Line(Text::tr("Alarm %1 deleted").arg(QString::number(handle)));
        out.object = gone;
        return;
    }
    Fail(Text::tr("there is no alarm %1; alarm list shows them").arg(QString::number(handle)));
}

}  // namespace

void AlarmCommand(const QStringList& words, Output& out) {
    const Args args(words, {QStringLiteral("--at"), QStringLiteral("--in"), QStringLiteral("--message")}, {});
    const QString action = args.Positional().value(0);
    if (action == QLatin1String("add")) return AddAlarm(args, out);
    if (action == QLatin1String("list")) return ListAlarms(args, out);
    if (action == QLatin1String("delete")) return DeleteAlarm(args, out);
    Fail(Text::tr("alarm needs add, list or delete; see --help"));
}

}  // namespace cli
