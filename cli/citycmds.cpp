// The facts of one city and the lists of the city database: city, find, codes.
#include "citykeep.h"
#include "citylist.h"
#include "clockchange.h"
#include "commands.h"
#include "cliprofile.h"
#include "clicities.h"
#include "cliparse.h"

#include <QJsonArray>

namespace cli {

QStringList CityLabels() {
    return {Text::tr("Time zone:    "), Text::tr("Latitude:     "), Text::tr("Longitude:    "), Text::tr("Sunrise:      "),
            Text::tr("Sunset:       "), Text::tr("Airport code: "), Text::tr("Phone code:   "), Text::tr("Clock change: ")};
}

QString NoClockChangeText() { return Text::tr("none within a year"); }

void CityCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    if (args.Positional().size() != 1) Fail(Text::tr("city takes one NAME (quote names with blanks); see --help"));
    OpenProfile();
    const CCity city = LoadCity(args.Positional()[0]);
    QString rise, set;
    city.RiseSet(rise, set, nullptr, ZENITH_OFFICIAL);
    const QString zoneName = city.TimeZone().Name();
    const SYSTEMTIME now = NowUtc();
    const za::ClockChange change = za::NextClockChange(city.TimeZone(), now);

    const QStringList label = CityLabels();
    out.Line(city.Name() + QStringLiteral(", ") + city.CountryName());
    out.Line(label[0] + zoneName);
    out.Line(label[1] + city.LatitudeAsString());
    out.Line(label[2] + city.LongitudeAsString());
    out.Line(label[3] + rise);
    out.Line(label[4] + set);
    out.Line(label[5] + city.AirportCode());
    out.Line(label[6] + city.CountryPhoneCode() + QStringLiteral(" - ") + city.AreaCode());
    out.Line(label[7] + (change.found ? za::ClockChangeText(change) : NoClockChangeText()));

    QJsonObject& o = out.object;
    o[QStringLiteral("name")] = city.Name();
    o[QStringLiteral("country")] = city.CountryName();
    o[QStringLiteral("zone_id")] = city.TimeZoneID();
    o[QStringLiteral("zone_name")] = zoneName;
    o[QStringLiteral("latitude")] = city.Latitude();
    o[QStringLiteral("longitude")] = city.Longitude();
    o[QStringLiteral("latitude_text")] = city.LatitudeAsString();
    o[QStringLiteral("longitude_text")] = city.LongitudeAsString();
    o[QStringLiteral("airport")] = city.AirportCode();
    o[QStringLiteral("country_code")] = city.CountryPhoneCode();
    o[QStringLiteral("area_code")] = city.AreaCode();
    o[QStringLiteral("sunrise_text")] = rise;
    o[QStringLiteral("sunset_text")] = set;
    if (change.found) {
        QJsonObject c;
        c[QStringLiteral("utc")] = IsoUtc(change.utc);
        c[QStringLiteral("local")] = IsoLocal(change.local);
        c[QStringLiteral("minutes")] = change.Minutes();
        c[QStringLiteral("text")] = za::ClockChangeText(change);
        o[QStringLiteral("next_clock_change")] = c;
    } else {
        o[QStringLiteral("next_clock_change")] = QJsonValue::Null;
    }
    KeepCityCache(now);
}

void FindCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    if (args.Positional().size() != 1) Fail(Text::tr("find takes one TEXT; see --help"));
    const QString text = args.Positional()[0];
    CheckCityText(QStringLiteral("TEXT"), text);
    OpenProfile();
    QList<long> positions;
    const QStringList entries = ListedEntries(text, out.json ? &positions : nullptr);
    QJsonArray matches;
    for (qsizetype k = 0; k < entries.size(); ++k) {
        out.Line(entries[k]);
        if (!out.json) continue;
        QString name, country;
        za::SplitCityEntry(entries[k], &name, &country);
        QJsonObject m;
        m[QStringLiteral("index")] = static_cast<int>(positions.value(k));
        m[QStringLiteral("entry")] = entries[k];
        m[QStringLiteral("name")] = name;
        m[QStringLiteral("country")] = country;
        matches.append(m);
    }
    out.object[QStringLiteral("matches")] = matches;
}

void CodesCommand(const QStringList& words, Output& out) {
    const Args args(words, {}, {});
    const QStringList& pos = args.Positional();
    if (pos.isEmpty() || pos.size() > 2) Fail(Text::tr("codes takes phone or airport, and optionally TEXT; see --help"));
    const bool phone = pos[0] == QLatin1String("phone");
    if (!phone && pos[0] != QLatin1String("airport")) {
        Fail(Text::tr("\"%1\" is not a code list; use codes phone or codes airport").arg(Shown(pos[0])));
    }
    const QString text = pos.value(1);
    CheckCityText(QStringLiteral("TEXT"), text);
    OpenProfile();
    QList<long> positions;
    const QStringList entries = ListedEntries(text, out.json ? &positions : nullptr);

    CCityList& list = GetCityList();
    if (!list.Open()) Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
    if (text.isEmpty() && !list.BeginLoadCityByIndex()) {
        list.Close();
        Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
    }
    QJsonArray matches;
    out.Line(QStringLiteral("%1  %2").arg(Text::tr("City"), -32).arg(phone ? Text::tr("Phone Code") : Text::tr("Airport Code")));
    for (qsizetype k = 0; k < entries.size(); ++k) {
        CCity city;
        const bool loaded = text.isEmpty() ? list.LoadCity(static_cast<long>(k), city)
                                           : list.LoadCity(za::CityNameOfEntry(entries[k]), city);
        if (!loaded) continue;
        const QString code = phone ? city.CountryPhoneCode() + QStringLiteral(" - ") + city.AreaCode() : city.AirportCode();
        out.Line(QStringLiteral("%1  %2").arg(city.Name(), -32).arg(code));
        // The rows' objects only for JSON: 300,000 of them were most of the memory of a list.
        if (!out.json) continue;
        QJsonObject m;
        m[QStringLiteral("index")] = static_cast<int>(positions.value(k));
        m[QStringLiteral("entry")] = entries[k];
        m[QStringLiteral("name")] = city.Name();
        m[QStringLiteral("country")] = city.CountryName();
        m[QStringLiteral("code")] = code;
        if (phone) {
            m[QStringLiteral("country_code")] = city.CountryPhoneCode();
            m[QStringLiteral("area_code")] = city.AreaCode();
        } else {
            m[QStringLiteral("airport")] = city.AirportCode();
        }
        matches.append(m);
    }
    if (text.isEmpty()) list.EndLoadCityByIndex();
    list.Close();
    out.object[QStringLiteral("matches")] = matches;
}

}  // namespace cli
