// The main screen's five cities: clock, set-city, select.
#include "citylist.h"
#include "device.h"
#include "commands.h"
#include "settings.h"

#include <QJsonArray>

namespace cli {

namespace {

constexpr int kDisplays = 5;

CRegistry::ValueName CitySetting(int display) {
    return static_cast<CRegistry::ValueName>(CRegistry::City0 + display);
}

int ParseDisplay(const QString& text) { return ParseInteger(QStringLiteral("DISPLAY"), text, 0, kDisplays - 1); }

}  // namespace

void ClockCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    if (!args.Positional().isEmpty()) Fail(QStringLiteral("clock takes no arguments; see --help"));
    OpenProfile();
    CRegistry& reg = GetReg();
    reg.Open();
    QStringList names;
    for (int i = 0; i < kDisplays; ++i) names << reg.GetStringValue(CitySetting(i));
    const DWORD selected = reg.GetDWORDValue(CRegistry::CityX);
    reg.Close();

    const SYSTEMTIME utc = NowUtc();
    QJsonArray cities;
    for (int i = 0; i < kDisplays; ++i) {
        QJsonObject o;
        o[QStringLiteral("display")] = i;
        o[QStringLiteral("name")] = names[i];
        const bool current = static_cast<DWORD>(i) == selected;
        o[QStringLiteral("current")] = current;
        CCity city;
        CCityList& list = GetCityList();
        const bool found = list.Open() && list.LoadCity(names[i], city);
        list.Close();
        QString line = QStringLiteral("%1 %2  %3").arg(current ? QStringLiteral("*") : QStringLiteral(" ")).arg(i).arg(names[i], -24);
        if (found) {
            SYSTEMTIME local{};
            city.TimeZone().UTCTimeToLocalTime(utc, local);
            const QString text = city.LocalTimeAsString(utc, TF_SHORTDATE_TIME);
            o[QStringLiteral("local")] = IsoLocal(local);
            o[QStringLiteral("text")] = text;
            line += QStringLiteral("  ") + text;
        } else {
            // The setting names a city the database no longer holds.
            o[QStringLiteral("local")] = QJsonValue::Null;
            o[QStringLiteral("text")] = QJsonValue::Null;
            line += QStringLiteral("  (not in the city database)");
        }
        cities.append(o);
        out.Line(line);
    }
    out.object[QStringLiteral("cities")] = cities;
    out.object[QStringLiteral("utc")] = IsoUtc(utc);
}

void SetCityCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    if (args.Positional().size() != 2) Fail(QStringLiteral("set-city takes DISPLAY (0-4) and NAME; see --help"));
    const int display = ParseDisplay(args.Positional()[0]);
    OpenProfile();
    const CCity city = LoadCity(args.Positional()[1]);
    CRegistry& reg = GetReg();
    reg.Open();
    reg.WriteStringValue(CitySetting(display), city.Name());
    reg.Close();
    reg.Open();
    const bool stored = reg.GetStringValue(CitySetting(display)) == city.Name();
    reg.Close();
    if (!stored) Fail(QStringLiteral("the setting could not be written to the device profile %1").arg(za::device::ProfilePath()));
    out.Line(QStringLiteral("Display %1 now shows %2").arg(display).arg(city.Name()));
    out.object[QStringLiteral("display")] = display;
    out.object[QStringLiteral("name")] = city.Name();
}

void SelectCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    if (args.Positional().size() != 1) Fail(QStringLiteral("select takes DISPLAY (0-4); see --help"));
    const int display = ParseDisplay(args.Positional()[0]);
    OpenProfile();
    CRegistry& reg = GetReg();
    reg.Open();
    reg.WriteDWORDValue(CRegistry::CityX, static_cast<DWORD>(display));
    const QString name = reg.GetStringValue(CitySetting(display));
    reg.Close();
    reg.Open();
    const bool stored = reg.GetDWORDValue(CRegistry::CityX) == static_cast<DWORD>(display);
    reg.Close();
    if (!stored) Fail(QStringLiteral("the setting could not be written to the device profile %1").arg(za::device::ProfilePath()));
    out.Line(QStringLiteral("Display %1 (%2) is now the selected display").arg(display).arg(name));
    out.object[QStringLiteral("display")] = display;
    out.object[QStringLiteral("name")] = name;
}

}  // namespace cli
