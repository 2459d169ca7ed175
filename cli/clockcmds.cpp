// The main screen's five cities: clock, set-city, select.
#include "citylist.h"
#include "device.h"
#include "clock.h"
#include "commands.h"
#include "currentcity.h"
#include "displayedcities.h"
#include "tzderive.h"
#include "timeservice.h"
#include "cliprofile.h"
#include "clicities.h"
#include "clockkeep.h"
#include "cliparse.h"

#include <QJsonArray>

namespace cli {

namespace {

using za::kDisplays;

int ParseDisplay(const QString& text) { return ParseInteger(QStringLiteral("DISPLAY"), text, 0, kDisplays - 1); }

bool LoadByName(const QString& name, CCity& city) {
    CCityList& list = GetCityList();
    const bool found = list.Open() && list.LoadCity(name, city);
    list.Close();
    return found;
}

// Makes newCity, on display, the current city as the application does after the user says
// yes: the device takes its zone when that differs from the current city's, in one
// transaction with the display's city and the selection. Returns the line to show.
QString MakeCurrent(const QString& oldName, const CCity& newCity, int display) {
    CCity oldCity;
    const bool changeZone = !LoadByName(oldName, oldCity) || za::CurrentCityChangesZone(oldCity, newCity);
    bool zoneRefused = false;
    if (!za::CommitCurrentCity(newCity, display, changeZone, &zoneRefused)) {
        Fail(changeZone ? Text::tr("the device's time zone could not be changed to %1 (%2); nothing was changed")
                              .arg(newCity.TimeZone().Name(),
                                   zoneRefused ? za::device::LastClockError() : RefusedWrite())
                        : RefusedWrite() + Text::tr("; nothing was changed"));
    }
    return changeZone ? Text::tr("The time zone of this device is now %1").arg(newCity.TimeZone().Name())
                      : Text::tr("The time zone of this device does not change");
}

}  // namespace

void ClockCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    if (!args.Positional().isEmpty()) Fail(Text::tr("clock takes no arguments; see --help"));
    OpenProfile();
    const za::DisplayedCities d = za::DisplayedCities::Read();
    const DWORD selected = static_cast<DWORD>(d.Selected());

    const SYSTEMTIME utc = NowUtc();
    QJsonArray cities;
    std::vector<CCity> shown;
    for (int i = 0; i < kDisplays; ++i) {
        QJsonObject o;
        o[QStringLiteral("display")] = i;
        const QString name = d.Name(i);
        o[QStringLiteral("name")] = name;
        const bool current = static_cast<DWORD>(i) == selected;
        o[QStringLiteral("current")] = current;
        CCity city;
        const bool found = LoadByName(name, city);
        QString line = QStringLiteral("%1 %2  %3").arg(current ? QStringLiteral("*") : QStringLiteral(" ")).arg(i).arg(name, -24);
        if (found) {
            SYSTEMTIME local{};
            city.TimeZone().UTCTimeToLocalTime(utc, local);
            const QString text = city.LocalTimeAsString(utc, TF_SHORTDATE_TIME);
            o[QStringLiteral("local")] = IsoLocal(local);
            o[QStringLiteral("text")] = text;
            line += QStringLiteral("  ") + text;
            shown.push_back(city);
        } else {
            // The setting names a city the database no longer holds.
            o[QStringLiteral("local")] = QJsonValue::Null;
            o[QStringLiteral("text")] = QJsonValue::Null;
            line += Text::tr("  (not in the city database)");
        }
        cities.append(o);
        out.Line(line);
    }
    out.object[QStringLiteral("cities")] = cities;
    out.object[QStringLiteral("utc")] = IsoUtc(utc);
    // The next clock can then be answered without starting Qt.
    if (shown.size() == static_cast<size_t>(kDisplays)) KeepClockCache(shown, utc);
    TIME_ZONE_INFORMATION tzi{};
    const DWORD state = GetTimeZoneInformation(&tzi);
    QJsonObject device;
    device[QStringLiteral("name")] = state == TIME_ZONE_ID_DAYLIGHT ? za::tz::DaylightName(tzi) : za::tz::StandardName(tzi);
    device[QStringLiteral("bias")] = static_cast<int>(tzi.Bias);
    out.object[QStringLiteral("device_zone")] = device;
}

void SetCityCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    if (args.Positional().size() != 2) Fail(Text::tr("set-city takes DISPLAY (0-4) and NAME; see --help"));
    const int display = ParseDisplay(args.Positional()[0]);
    OpenProfile();
    const CCity city = LoadCity(args.Positional()[1]);
    RequireWritableProfile();
    za::DisplayedCities d = za::DisplayedCities::Read();
    // A new city for the selected display makes it the current city.
    QString note;
    if (display == d.Selected()) note = MakeCurrent(d.Name(display), city, display);
    // A running Today item shows the change at once, as it does for the application's.
    if (!d.SetName(display, city.Name())) {
        Fail(RefusedWrite() + Text::tr("; the setting could not be written"));
    }
    out.Line(Text::tr("Display %1 now shows %2").arg(display).arg(city.Name()));
    if (!note.isEmpty()) out.Line(note);
    out.object[QStringLiteral("display")] = display;
    out.object[QStringLiteral("name")] = city.Name();
    out.object[QStringLiteral("current")] = display == d.Selected();
}

void SelectCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    if (args.Positional().size() != 1) Fail(Text::tr("select takes DISPLAY (0-4); see --help"));
    const int display = ParseDisplay(args.Positional()[0]);
    OpenProfile();
    za::DisplayedCities d = za::DisplayedCities::Read();
    const QString name = d.Name(display);
    out.object[QStringLiteral("display")] = display;
    out.object[QStringLiteral("name")] = name;
    if (display == d.Selected()) {
        out.Line(Text::tr("Display %1 (%2) is already the selected display").arg(display).arg(name));
        return;
    }
    CCity city;
    if (!LoadByName(name, city)) {
        Fail(Text::tr("display %1 shows \"%2\", which is not in the city database; give it a city with set-city first")
                 .arg(QString::number(display), Shown(name)));
    }
    RequireWritableProfile();
    const QString note = MakeCurrent(d.SelectedName(), city, display);
    if (!d.SetSelected(display)) {
        Fail(RefusedWrite() + Text::tr("; the setting could not be written"));
    }
    out.Line(Text::tr("Display %1 (%2) is now the selected display").arg(display).arg(name));
    out.Line(note);
}

}  // namespace cli
