#include "citykeep.h"

#include "cityinstall.h"
#include "citylistcsv.h"
#include "clockchange.h"
#include "clockkeep.h"
#include "device.h"
#include "format.h"
#include "geography.h"
#include "oledate.h"
#include "quick/citycache.h"
#include "sun.h"
#include "timezone.h"
#include "tzstore.h"

#include <QFile>

#include <algorithm>
#include <map>
#include <set>

namespace cli {

namespace {

using quick::CityCache;
using quick::CityTexts;

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kAhead = 62 * kDay;  // a cache serves two months
constexpr std::int64_t kBehind = 3 * kDay;  // today's midnight, wherever the city is

std::u16string U16(const QString& text) { return text.toStdU16String(); }

// Numbers no text holds, to be found again in what FormatString made of them.
constexpr int kFirstNumber = 918273645, kSecondNumber = 546372819;

// The text with its two numbers replaced by the markers; false when they are not there once
// each.
bool Marked(const QString& text, std::u16string* out) {
    QString marked = text;
    for (const auto& [number, marker] : {std::pair{kFirstNumber, quick::kFirst}, std::pair{kSecondNumber, quick::kSecond}}) {
        const QString digits = QString::number(number);
        if (marked.count(digits) != 1) return false;
        marked.replace(digits, QString(QChar(marker)));
    }
    *out = U16(marked);
    return true;
}

bool TextsOfLanguage(const quick::Formats& formats, CityTexts* t) {
    const QStringList labels = CityLabels();
    if (labels.size() != quick::kCityLabels) return false;
    for (int i = 0; i < quick::kCityLabels; ++i) t->labels[i] = U16(labels[i]);
    t->noChange = U16(NoClockChangeText());
    {
        // Neither event: the texts for a body that never rises and never sets.
        QString rise, set;
        CTimeZone zone;
        za::astro::RiseSetTexts(zone, za::astro::RiseSetEvents{}, rise, set);
        t->neverRises = U16(rise);
        t->neverSets = U16(set);
    }
    if (!Marked(FormatDegreesMinutes(kFirstNumber, kSecondNumber, true, true), &t->north) ||
        !Marked(FormatDegreesMinutes(kFirstNumber, kSecondNumber, false, true), &t->south) ||
        !Marked(FormatDegreesMinutes(kFirstNumber, kSecondNumber, true, false), &t->east) ||
        !Marked(FormatDegreesMinutes(kFirstNumber, kSecondNumber, false, false), &t->west)) {
        return false;
    }
    const QString first = QChar(quick::kFirst), second = QChar(quick::kSecond), third = QChar(quick::kThird);
    t->forward = U16(za::ClockChangeText(true, first, second, third));
    t->back = U16(za::ClockChangeText(false, first, second, third));
    for (int k = 1; k <= quick::kQuarterHours; ++k) t->amounts[k - 1] = U16(za::ClockChangeAmountText(15 * k));
    t->changeDatePattern = za::kClockChangeDatePattern;

    // The parts put together as the quick command line does, against the whole texts here.
    for (int value : {0, 1, -1, 49, 50, 99, -150, 5130, -7401, 9000, -9000, 18000, -18000, 2399}) {
        for (const bool latitude : {true, false}) {
            const long long a = value < 0 ? -static_cast<long long>(value) : value;
            const std::u16string& marked = latitude ? (value >= 0 ? t->north : t->south) : (value >= 0 ? t->east : t->west);
            const std::u16string quick = quick::Filled(marked, U16(QString::number(a / 100)),
                                                       U16(QString::number(((a % 100) * 60 + 50) / 100)));
            if (quick != U16(latitude ? FormatLatitude(value) : FormatLongitude(value))) return false;
        }
    }
    for (int i = 0; i < 24; ++i) {
        za::ClockChange change;
        change.found = true;
        const std::int64_t at = 1767225600 + std::int64_t(i) * (kDay * 29 + 3600 + 15 * 60);  // from 2026-01-01
        za::SecondsToSystemTime(at, &change.local);
        change.biasBefore = 0;
        change.biasAfter = (i % 2 ? 15 : -15) * (1 + i % 8);
        const int amount = std::abs(change.Minutes());
        std::u16string date;
        if (!quick::RenderDatePattern(formats, t->changeDatePattern, quick::LocalTimeOf(at), &date)) return false;
        const std::u16string quick =
            quick::Filled(change.Minutes() > 0 ? t->forward : t->back, t->amounts[amount / 15 - 1], date,
                          U16(QString::asprintf("%02d:%02d", change.local.wHour, change.local.wMinute)));
        if (quick != U16(za::ClockChangeText(change))) return false;
    }
    return true;
}

// Every shipped city's name (the first row of each), its entry, and the zone it follows.
struct Shipped {
    std::u16string name;
    int entry = 0;
    QByteArray tz;
};

bool ShippedZones(std::vector<Shipped>* out) {
    std::vector<za::CityZoneRow> rows;
    if (!za::ParseCityListZones(za::ShippedCityList(), &rows)) return false;
    std::set<QString> seen;
    for (const za::CityZoneRow& r : rows) {
        if (!seen.insert(r.name).second) continue;
        // The zone a city of that name and entry follows, as the city finds it.
        const QByteArray tz = za::ShippedCityZone(r.name, r.zoneId);
        if (tz.isEmpty()) continue;
        out->push_back({U16(r.name), r.zoneId, tz});
    }
    std::sort(out->begin(), out->end(), [](const Shipped& a, const Shipped& b) { return a.name < b.name; });
    return true;
}

}  // namespace

void KeepCityCache(const SYSTEMTIME& utc) {
    if (za::device::Status().state != za::device::ProfileState::Ready) return;
    const QString path = za::device::ProfilePath() + QLatin1Char('/') + QLatin1String(quick::kCityCacheName);
    std::int64_t now = 0;
    if (!za::SystemTimeToSeconds(utc, &now)) return;
    CityCache cache;
    cache.key = quick::EnvironmentKey();
    cache.tzStamp = quick::TzStamp();
    cache.schemaVersion = za::device::SchemaVersion();
    if (cache.tzStamp.empty()) return;
    {
        // A cache that serves this moment is kept as it is: deriving every zone is the cost.
        QFile file(path);
        CityCache there;
        if (file.open(QIODevice::ReadOnly) && quick::Parse(file.readAll().toStdString(), &there) && there.key == cache.key &&
            there.tzStamp == cache.tzStamp && there.schemaVersion == cache.schemaVersion && now >= there.from &&
            now < there.until - quick::kCityHorizon) {
            return;
        }
    }
    cache.formats = FormatsOfLocale();
    if (!WritesAsQt(cache.formats) || !TextsOfLanguage(cache.formats, &cache.texts)) return;

    std::vector<Shipped> shipped;
    if (!ShippedZones(&shipped)) return;
    cache.from = now - kBehind;
    cache.until = now + kAhead + quick::kCityHorizon;
    za::tz::DerivedStore::Shared().KeepForLater(false);
    std::map<std::pair<QByteArray, int>, std::uint32_t> zoneOf;
    std::map<int, std::u16string> names;
    bool ok = true;
    for (const Shipped& s : shipped) {
        auto [at, added] = zoneOf.try_emplace({s.tz, s.entry}, static_cast<std::uint32_t>(cache.zones.size()));
        if (added) {
            CTimeZone zone;
            zone.Load(s.entry, s.tz);
            names.try_emplace(s.entry, U16(zone.Name()));
            cache.zones.emplace_back();
            // A day at a time, as the next clock change is searched for.
            ok = ok && zone.FollowedZone() == s.tz && PeriodsOf(zone, cache.from, cache.until, kDay, &cache.zones.back());
        }
        cache.shipped.push_back({s.name, s.entry, at->second});
    }
    za::tz::DerivedStore::Shared().KeepForLater(true);
    if (!ok) return;
    for (const auto& [id, name] : names) cache.zoneNames.push_back({id, name});

    WriteCache(quick::kCityCacheName, quick::Serialise(cache));
}

}  // namespace cli
