// The Distance Calculator: distance between two cities or positions and the travel time.
#include "calculators.h"
#include "commands.h"
#include "cliprofile.h"
#include "clicities.h"
#include "cliparse.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>

namespace cli {

namespace {

struct Place {
    QString name;
    int longitude = 0;  // hundredths of a degree
    int latitude = 0;
};

// "@LAT,LON" in degrees, or a city name.
Place ReadPlace(const QString& text) {
    Place p;
    if (text.startsWith(QLatin1Char('@'))) {
        const QStringList parts = text.mid(1).split(QLatin1Char(','));
        if (parts.size() != 2) Fail(Text::tr("\"%1\" is not a position; write it as @LAT,LON in degrees, such as @37.75,-122.42").arg(Shown(text)));
        p.latitude = static_cast<int>(std::lround(ParseNumber(Text::tr("latitude of ") + Shown(text), parts[0], -90, 90) * 100));
        p.longitude = static_cast<int>(std::lround(ParseNumber(Text::tr("longitude of ") + Shown(text), parts[1], -180, 180) * 100));
        p.name = text;
        return p;
    }
    const CCity city = LoadCity(text);
    p.name = city.Name();
    p.longitude = city.Longitude();
    p.latitude = city.Latitude();
    return p;
}

void ListModes(TUnitSystem units, Output& out) {
    QJsonArray modes;
    for (int i = 0; i < za::calc::kTravelModeCount; ++i) {
        za::calc::TravelMode m;
        za::calc::GetTravelMode(i, &m);
        const double speed = za::calc::TravelModeSpeed(i, units);
        QJsonObject o;
        o[QStringLiteral("mode")] = i;
        o[QStringLiteral("name")] = m.name;
        o[QStringLiteral("knots")] = m.knots;
        o[QStringLiteral("speed")] = speed;
        modes.append(o);
        out.Line(QStringLiteral("%1  %2  %3 %4").arg(i, 2).arg(m.name, -26).arg(speed, 5, 'f', 0).arg(VelocityUnits(units)));
    }
    out.object[QStringLiteral("units")] = UnitsName(units);
    out.object[QStringLiteral("modes")] = modes;
}

}  // namespace

void DistanceCommand(const QStringList& words, Output& out) {
    const Args args(words, {QStringLiteral("--units"), QStringLiteral("--speed"), QStringLiteral("--mode")},
                    {QStringLiteral("--modes")});
    const bool listModes = args.Has(QStringLiteral("--modes"));
    if (!listModes && args.Positional().size() != 2) Fail(Text::tr("distance takes FROM and TO (city names or @LAT,LON); see --help"));
    if (args.Has(QStringLiteral("--speed")) && args.Has(QStringLiteral("--mode"))) Fail(Text::tr("give either --speed or --mode, not both"));
    std::optional<TUnitSystem> units;
    if (args.Has(QStringLiteral("--units"))) units = ParseUnits(args.Value(QStringLiteral("--units")));
    std::optional<double> typed;
    if (args.Has(QStringLiteral("--speed"))) {
        typed = ParseNumber(QStringLiteral("--speed"), args.Value(QStringLiteral("--speed")), 0, za::calc::kMaxSpeed);
    }
    int mode = -1;
    if (args.Has(QStringLiteral("--mode"))) {
        mode = ParseInteger(QStringLiteral("--mode"), args.Value(QStringLiteral("--mode")), 0, za::calc::kTravelModeCount - 1);
    }
    OpenProfile();
    const TUnitSystem u = units ? *units : za::calc::UnitSystemSetting();
    if (listModes) {
        ListModes(u, out);
        return;
    }
    const Place from = ReadPlace(args.Positional()[0]);
    const Place to = ReadPlace(args.Positional()[1]);

    // As the dialog: it opens at 500 km/h under the name of mode 9; a slider position sets
    // that mode's speed and name; a typed speed replaces the name by the speed itself.
    double speed = za::calc::InitialSpeed(u);
    za::calc::TravelMode shown;
    za::calc::GetTravelMode(za::calc::kInitialTravelMode, &shown);
    QString modeText = shown.name;
    if (mode >= 0) {
        za::calc::GetTravelMode(mode, &shown);
        speed = za::calc::TravelModeSpeed(mode, u);
        modeText = shown.name;
    } else if (typed) {
        speed = *typed;
        modeText = za::calc::TypedSpeedText(speed, u);
    }
    const za::calc::DistanceResult r =
        za::calc::RecalculateDistance(from.longitude, from.latitude, to.longitude, to.latitude, speed, u);

    out.Line(Text::tr("From:        %1").arg(from.name));
    out.Line(Text::tr("To:          %1").arg(to.name));
    out.Line(Text::tr("Distance:    %1").arg(r.distanceText));
    out.Line(Text::tr("Travel Time: %1").arg(r.timeText.isEmpty() ? QStringLiteral("-") : r.timeText));
    out.Line(Text::tr("at:          %1 %2 (%3)").arg(speed, 0, 'g', 12).arg(r.unitText, modeText));

    QJsonObject& o = out.object;
    o[QStringLiteral("from")] = from.name;
    o[QStringLiteral("to")] = to.name;
    o[QStringLiteral("km")] = r.km;
    o[QStringLiteral("text")] = r.distanceText;
    o[QStringLiteral("units")] = UnitsName(u);
    o[QStringLiteral("speed")] = speed;
    o[QStringLiteral("speed_units")] = r.unitText;
    o[QStringLiteral("mode")] = mode >= 0 ? QJsonValue(mode) : QJsonValue(QJsonValue::Null);
    o[QStringLiteral("mode_text")] = modeText;
    o[QStringLiteral("travel_time")] = r.timeText.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(r.timeText);
    o[QStringLiteral("days")] = std::isfinite(r.days) ? QJsonValue(r.days) : QJsonValue(QJsonValue::Null);
}

}  // namespace cli
