// What the Sunrise and Moonrise dialogs show: sun, moon.
#include "citylist.h"
#include "commands.h"
#include "moon.h"
#include "settings.h"
#include "sun.h"
#include "cliprofile.h"
#include "clicities.h"
#include "cliparse.h"

#include <QRegularExpression>

#include <cmath>

namespace cli {

namespace {

// A zone of a fixed offset from UTC, for a position given without a zone.
class FixedZone : public CTimeZone {
public:
    FixedZone(int bias, const QString& name) {
        Unload();
        m_tzi.Bias = bias;
        m_bias = bias;
        m_bDaylight = FALSE;
        m_id = 0;
        m_name = name;
    }
};

// Where the events are computed: a city, or a position with a zone.
struct Site {
    QString name;
    int longitude = 0;
    int latitude = 0;
    CTimeZone zone;
};

Site ReadSite(const Args& args, const char* command) {
    const bool byPosition = args.Has(QStringLiteral("--lat")) || args.Has(QStringLiteral("--lon"));
    Site site;
    if (!byPosition) {
        if (args.Positional().size() != 1) {
            Fail(Text::tr("%1 takes one NAME, or --lat DEG --lon DEG with --zone ID or --utc-offset +HH:MM; see --help").arg(QLatin1String(command)));
        }
        OpenProfile();
        const CCity city = LoadCity(args.Positional()[0]);
        site.name = city.Name();
        site.longitude = city.Longitude();
        site.latitude = city.Latitude();
        site.zone = city.TimeZone();
        return site;
    }
    if (!args.Positional().isEmpty()) Fail(Text::tr("give either a city NAME or --lat and --lon, not both"));
    if (!args.Has(QStringLiteral("--lat")) || !args.Has(QStringLiteral("--lon"))) Fail(Text::tr("a position needs both --lat and --lon"));
    const bool byZone = args.Has(QStringLiteral("--zone"));
    const bool byOffset = args.Has(QStringLiteral("--utc-offset"));
    if (byZone == byOffset) Fail(Text::tr("a position needs exactly one of --zone ID and --utc-offset +HH:MM"));
    const double lat = ParseNumber(QStringLiteral("--lat"), args.Value(QStringLiteral("--lat")), -90, 90);
    const double lon = ParseNumber(QStringLiteral("--lon"), args.Value(QStringLiteral("--lon")), -180, 180);
    site.latitude = static_cast<int>(std::lround(lat * 100));
    site.longitude = static_cast<int>(std::lround(lon * 100));
    site.name = QStringLiteral("%1, %2").arg(lat).arg(lon);
    if (byOffset) {
        static const QRegularExpression re(QStringLiteral("^([+-])(\\d{2}):(\\d{2})$"));
        const QString text = args.Value(QStringLiteral("--utc-offset"));
        const auto m = re.match(text);
        if (!m.hasMatch() || m.captured(2).toInt() > 14 || m.captured(3).toInt() > 59) {
            Fail(Text::tr("--utc-offset: \"%1\" is not an offset; write it as +HH:MM or -HH:MM, such as -08:00").arg(Shown(text)));
        }
        const int minutes = m.captured(2).toInt() * 60 + m.captured(3).toInt();
        // UTC = local + bias, so a zone east of Greenwich has a negative bias.
        site.zone = FixedZone(m.captured(1) == QLatin1String("+") ? -minutes : minutes, QStringLiteral("UTC") + text);
        OpenProfile();
        return site;
    }
    const int id = ParseInteger(QStringLiteral("--zone"), args.Value(QStringLiteral("--zone")), 0, 32767);
    OpenProfile();
    site.zone.Load(id);
    if (site.zone.Name().isEmpty()) Fail(Text::tr("--zone: %1 is not a known time-zone ID").arg(id));
    return site;
}

// The date asked for, or the site's local date now.
SYSTEMTIME ReadDate(const Args& args, const Site& site) {
    if (args.Has(QStringLiteral("--date"))) return ParseDate(QStringLiteral("--date"), args.Value(QStringLiteral("--date")));
    SYSTEMTIME local{};
    site.zone.UTCTimeToLocalTime(NowUtc(), local);
    local.wHour = local.wMinute = local.wSecond = 0;
    return local;
}

QJsonValue Instant(bool happens, const SYSTEMTIME& utc) {
    return happens ? QJsonValue(IsoUtc(utc)) : QJsonValue(QJsonValue::Null);
}

// The fields the sun and the moon share: where, which day, and the rising and setting.
void PutRiseSet(QJsonObject& o, const Site& site, const SYSTEMTIME& date, const za::astro::RiseSetEvents& ev,
                const QString& rise, const QString& set) {
    o[QStringLiteral("name")] = site.name;
    o[QStringLiteral("date")] = IsoDate(date);
    o[QStringLiteral("rise")] = Instant(ev.day.rises, ev.rise);
    o[QStringLiteral("set")] = Instant(ev.day.sets, ev.set);
    o[QStringLiteral("rise_text")] = rise;
    o[QStringLiteral("set_text")] = set;
}

const QStringList kSiteOptions = {QStringLiteral("--lat"), QStringLiteral("--lon"), QStringLiteral("--zone"),
                                  QStringLiteral("--utc-offset"), QStringLiteral("--date")};

}  // namespace

void SunCommand(const QStringList& words, Output& out) {
    const Args args(words, kSiteOptions + QStringList{QStringLiteral("--twilight")}, {});
    int twilight = ZENITH_OFFICIAL;
    if (args.Has(QStringLiteral("--twilight"))) {
        const QString kind = args.Value(QStringLiteral("--twilight"));
        const QStringList kinds = {QStringLiteral("none"), QStringLiteral("civil"), QStringLiteral("nautical"), QStringLiteral("astronomical")};
        const qsizetype k = kinds.indexOf(kind);
        if (k < 0) Fail(Text::tr("--twilight: \"%1\" is not a kind; use none, civil, nautical or astronomical").arg(Shown(kind)));
        twilight = static_cast<int>(k) + ZENITH_OFFICIAL;
    }
    const Site site = ReadSite(args, "sun");
    const SYSTEMTIME date = ReadDate(args, site);

    const za::astro::RiseSetEvents ev = za::astro::EventsOfLocalDay(site.zone, site.longitude, site.latitude, date, ZENITH_OFFICIAL);
    QString rise, set;
    za::astro::RiseSetTexts(site.zone, ev, rise, set);
    const QString day = za::astro::DaylightHoursText(ev);

    QJsonObject& o = out.object;
    PutRiseSet(o, site, date, ev, rise, set);
    o[QStringLiteral("daylight_hours")] = day;

    out.Line(QStringLiteral("%1, %2").arg(site.name, IsoDate(date)));
    if (twilight >= ZENITH_CIVIL && twilight <= ZENITH_ASTRONOMICAL) {
        static const char* const kKinds[] = {QT_TRANSLATE_NOOP("Cli", "Civil"), QT_TRANSLATE_NOOP("Cli", "Nautical"),
                                             QT_TRANSLATE_NOOP("Cli", "Astronomical")};
        const QString kind = Text::tr(kKinds[twilight - ZENITH_CIVIL]);
        const za::astro::RiseSetEvents tw = za::astro::EventsOfLocalDay(site.zone, site.longitude, site.latitude, date, twilight);
        QString begin, end;
        za::astro::RiseSetTexts(site.zone, tw, begin, end);
        out.Line(Text::tr("Begin %1 Twilight: %2").arg(kind, begin));
        out.Line(Text::tr("Sunrise: %1").arg(rise));
        out.Line(Text::tr("Sunset: %1").arg(set));
        out.Line(Text::tr("End %1 Twilight: %2").arg(kind, end));
        QJsonObject t;
        t[QStringLiteral("kind")] = kind.toLower();
        t[QStringLiteral("begin")] = Instant(tw.day.rises, tw.rise);
        t[QStringLiteral("end")] = Instant(tw.day.sets, tw.set);
        t[QStringLiteral("begin_text")] = begin;
        t[QStringLiteral("end_text")] = end;
        o[QStringLiteral("twilight")] = t;
    } else {
        out.Line(Text::tr("Sunrise: %1").arg(rise));
        out.Line(Text::tr("Sunset: %1").arg(set));
    }
    out.Line(QString());
    out.Line(Text::tr("Daylight Hours: %1").arg(day));
}

void MoonCommand(const QStringList& words, Output& out) {
    const Args args(words, kSiteOptions, {});
    const Site site = ReadSite(args, "moon");
    const SYSTEMTIME date = ReadDate(args, site);

    const za::astro::RiseSetEvents ev = za::astro::EventsOfLocalDay(site.zone, site.longitude, site.latitude, date, ZENITH_MOON);
    QString rise, set;
    za::astro::RiseSetTexts(site.zone, ev, rise, set);

    // The dialog passes its picked local date, at the time of day it holds, as the instant.
    enLunarPhase p1 = LP_NEW_MOON, p2 = LP_NEW_MOON;
    SYSTEMTIME t1{}, t2{};
    MoonPhase(date, p1, t1, p2, t2);
    // English in --json, through Text::tr in the text.
    static const char* const kPhaseTexts[] = {QT_TRANSLATE_NOOP("Cli", "New Moon %1"), QT_TRANSLATE_NOOP("Cli", "First Quarter %1"),
                                              QT_TRANSLATE_NOOP("Cli", "Full Moon on %1"), QT_TRANSLATE_NOOP("Cli", "Last Quarter %1")};
    QStringList phaseLines;
    auto phase = [&site, &phaseLines](enLunarPhase p, const SYSTEMTIME& utc) {
        QJsonObject o;
        if (utc.wYear == 0) {  // not found within the search window: MoonPhase left it as it was
            o[QStringLiteral("phase")] = QJsonValue::Null;
            o[QStringLiteral("time")] = QJsonValue::Null;
            o[QStringLiteral("text")] = QString();
            return o;
        }
        SYSTEMTIME local{};
        site.zone.UTCTimeToLocalTime(utc, local);
        const QString when = FormatDateAndTime(local, site.zone.IsDaylightTime(utc), TF_SHORTDATE_TIME);
        o[QStringLiteral("phase")] = static_cast<int>(p);
        o[QStringLiteral("time")] = IsoUtc(utc);
        o[QStringLiteral("text")] = QString::fromLatin1(kPhaseTexts[p]).arg(when);
        phaseLines << Text::tr(kPhaseTexts[p]).arg(when);
        return o;
    };
    const QJsonObject last = phase(p1, t1);
    const QJsonObject next = phase(p2, t2);

    out.Line(QStringLiteral("%1, %2").arg(site.name, IsoDate(date)));
    out.Line(Text::tr("Moonrise: %1").arg(rise));
    out.Line(Text::tr("Moonset: %1").arg(set));
    for (const QString& line : std::as_const(phaseLines)) out.Line(line);

    QJsonObject& o = out.object;
    PutRiseSet(o, site, date, ev, rise, set);
    o[QStringLiteral("last_phase")] = last;
    o[QStringLiteral("next_phase")] = next;
}

}  // namespace cli
