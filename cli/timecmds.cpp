// A city's local time and the Time Calculator: time, convert.
#include "calculators.h"
#include "citylist.h"
#include "commands.h"
#include "displayedcities.h"
#include "cliprofile.h"
#include "clicities.h"
#include "cliparse.h"

#include <QJsonArray>

namespace cli {

void TimeCommand(const QStringList& words, Output& out) {
    const Args args(words, {QStringLiteral("--at")}, {});
    if (args.Positional().size() != 1) Fail(Text::tr("time takes one NAME; see --help"));
    const SYSTEMTIME utc = args.Has(QStringLiteral("--at")) ? ParseInstant(QStringLiteral("--at"), args.Value(QStringLiteral("--at")))
                                                            : SYSTEMTIME{};
    OpenProfile();
    const CCity city = LoadCity(args.Positional()[0]);
    const SYSTEMTIME at = args.Has(QStringLiteral("--at")) ? utc : NowUtc();
    const CTimeZone& zone = city.TimeZone();
    SYSTEMTIME local{};
    zone.UTCTimeToLocalTime(at, local);
    const int bias = zone.Bias(at);
    const bool daylight = zone.IsDaylightTime(at);
    const QString text = city.LocalTimeAsString(at, TF_SHORTDATE_TIME);

    out.Line(QStringLiteral("%1: %2").arg(city.Name(), text));
    out.Line(Text::tr("Time zone: %1").arg(zone.Name()));
    out.Line(Text::tr("Daylight time: %1").arg(daylight ? Text::tr("yes") : Text::tr("no")));
    out.Line(Text::tr("Bias: %1 minutes (UTC = local time + bias)").arg(bias));

    QJsonObject& o = out.object;
    o[QStringLiteral("city")] = city.Name();
    o[QStringLiteral("zone_id")] = city.TimeZoneID();
    o[QStringLiteral("zone_name")] = zone.Name();
    o[QStringLiteral("utc")] = IsoUtc(at);
    o[QStringLiteral("local")] = IsoLocal(local);
    o[QStringLiteral("bias")] = bias;
    o[QStringLiteral("daylight")] = daylight;
    o[QStringLiteral("text")] = text;
}

void ConvertCommand(const QStringList& words, Output& out) {
    const Args args(words, {QStringLiteral("--from"), QStringLiteral("--local")}, {});
    if (!args.Has(QStringLiteral("--from")) || !args.Has(QStringLiteral("--local"))) {
        Fail(Text::tr("convert needs --from NAME and --local 'YYYY-MM-DD HH:MM'; see --help"));
    }
    const SYSTEMTIME picked = ParseLocalDateTime(QStringLiteral("--local"), args.Value(QStringLiteral("--local")));
    OpenProfile();
    const CCity reference = LoadCity(args.Value(QStringLiteral("--from")));

    QStringList names = args.Positional();
    if (names.isEmpty()) {
        const za::DisplayedCities displayed = za::DisplayedCities::Read();
        for (int i = 0; i < za::kDisplays; ++i) names << displayed.Name(i);
    }
    QList<CCity> cities;
    for (const QString& name : names) cities << LoadCity(name);

    // The dialog's date picker gives the date and its time picker the time of day.
    QString note;
    const SYSTEMTIME utc = za::calc::ReferenceTimeToUtc(reference, picked, picked, &note);
    // The local time's instant must lie in the supported years as well (1 January 1970 in
    // Tokyo is still 1969 in UTC).
    CheckSupportedYear(QStringLiteral("--local"), args.Value(QStringLiteral("--local")), utc.wYear);

    auto describe = [&utc](const CCity& city) {
        SYSTEMTIME local{};
        city.TimeZone().UTCTimeToLocalTime(utc, local);
        QJsonObject o;
        o[QStringLiteral("name")] = city.Name();
        o[QStringLiteral("local")] = IsoLocal(local);
        o[QStringLiteral("text")] = city.LocalTimeAsString(utc, TF_SHORTDATE_TIME);
        return o;
    };
    const QJsonObject ref = describe(reference);
    out.Line(Text::tr("When it is %1 in %2 (%3):").arg(ref[QStringLiteral("text")].toString(), reference.Name(), IsoUtc(utc)));
    if (!note.isEmpty()) {
        out.Line(QStringLiteral("  (%1)").arg(note));
        out.object[QStringLiteral("note")] = note;
    }
    QJsonArray list;
    for (const CCity& city : cities) {
        const QJsonObject o = describe(city);
        list.append(o);
        out.Line(QStringLiteral("  %1  %2").arg(city.Name(), -24).arg(o[QStringLiteral("text")].toString()));
    }
    out.object[QStringLiteral("utc")] = IsoUtc(utc);
    out.object[QStringLiteral("reference")] = ref;
    out.object[QStringLiteral("cities")] = list;
}

}  // namespace cli
