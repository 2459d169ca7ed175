#include "clockkeep.h"

#include "cityinstall.h"
#include "device.h"
#include "format.h"
#include "localetext.h"
#include "oledate.h"
#include "quick/clockcache.h"

#include <QSaveFile>

#include <algorithm>

namespace cli {

namespace {

using quick::ClockCache;
using quick::Formats;
using quick::Period;

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kAhead = 62 * kDay;  // a cache lasts two months
constexpr std::int64_t kStep = 6 * 3600;    // no zone changes twice within six hours

std::u16string U16(const QString& text) { return text.toStdU16String(); }

}  // namespace

Formats FormatsOfLocale() {
    const QLocale loc = za::locale::UserLocale();
    Formats f;
    f.datePattern = U16(loc.dateFormat(QLocale::ShortFormat));
    for (int m = 1; m <= 12; ++m) {
        f.months[m - 1] = U16(loc.monthName(m, QLocale::ShortFormat));
        f.longMonths[m - 1] = U16(loc.monthName(m, QLocale::LongFormat));
    }
    for (int d = 0; d < 7; ++d) {
        f.days[d] = U16(loc.dayName(d == 0 ? 7 : d, QLocale::ShortFormat));
        f.longDays[d] = U16(loc.dayName(d == 0 ? 7 : d, QLocale::LongFormat));
    }
    f.zero = U16(loc.zeroDigit());
    f.timePicture = U16(za::locale::TimePictureOf(TIME_NOSECONDS));
    f.am = U16(loc.amText());
    f.pm = U16(loc.pmText());
    f.daylightMark = kDaylightMark;
    return f;
}

// For every month, day of the week, hour and a spread of days and minutes, with and without
// daylight time; the time alone too.
bool WritesAsQt(const Formats& f) {
    for (int i = 0; i < 24 * 12; ++i) {
        const std::int64_t seconds = 1767225600 + std::int64_t(i) * (kDay * 31 + 3600 + 17 * 60);  // from 2026-01-01
        SYSTEMTIME local{};
        za::SecondsToSystemTime(seconds, &local);
        const bool daylight = i % 2 == 1;
        std::u16string quick;
        if (!quick::RenderShortDateTime(f, quick::LocalTimeOf(seconds), daylight, &quick) ||
            quick != U16(FormatDateAndTime(local, daylight, TF_SHORTDATE_TIME)) ||
            !quick::RenderTimeText(f, quick::LocalTimeOf(seconds), daylight, &quick) ||
            quick != U16(FormatDateAndTime(local, daylight, TF_TIME))) {
            return false;
        }
    }
    return true;
}

namespace {

// The zone's offset and daylight flag at t, as the clock shows them.
Period Probe(const CTimeZone& zone, std::int64_t t, bool* ok) {
    SYSTEMTIME utc{}, local{};
    std::int64_t localSeconds = 0;
    *ok = za::SecondsToSystemTime(t, &utc);
    zone.UTCTimeToLocalTime(utc, local);
    *ok = *ok && za::SystemTimeToSeconds(local, &localSeconds);
    return Period{t, static_cast<std::int32_t>(localSeconds - t), zone.IsDaylightTime(utc) != FALSE};
}

bool Same(const Period& a, const Period& b) { return a.offset == b.offset && a.daylight == b.daylight; }

}  // namespace

bool PeriodsOf(const CTimeZone& zone, std::int64_t from, std::int64_t until, std::int64_t step, std::vector<Period>* periods) {
    bool ok = true;
    Period last = Probe(zone, from, &ok);
    periods->assign(1, last);
    for (std::int64_t probed = from, t = from + step; ok && probed < until; probed = t, t += step) {
        t = std::min(t, until);
        const Period next = Probe(zone, t, &ok);
        if (Same(next, last)) continue;
        std::int64_t before = probed, after = t;  // last holds at before, next at after
        while (ok && after - before > 1) {
            const std::int64_t mid = before + (after - before) / 2;
            if (Same(Probe(zone, mid, &ok), last)) {
                before = mid;
            } else {
                after = mid;
            }
        }
        Period change = Probe(zone, after, &ok);
        periods->push_back(change);
        last = change;
    }
    return ok;
}

void KeepClockCache(const std::vector<CCity>& cities, const SYSTEMTIME& utc) {
    if (za::device::Status().state != za::device::ProfileState::Ready) return;
    ClockCache cache;
    cache.key = quick::EnvironmentKey();
    cache.tzStamp = quick::TzStamp();
    cache.schemaVersion = za::device::SchemaVersion();
    cache.formats = FormatsOfLocale();
    std::int64_t now = 0;
    if (cache.tzStamp.empty() || !za::SystemTimeToSeconds(utc, &now) || !WritesAsQt(cache.formats)) return;
    cache.from = now - kDay;
    cache.until = now + kAhead;
    for (const CCity& city : cities) {
        // A city of the shipped list keeps its own place's past; another one's zone comes from
        // the device's zone table, which the quick command line does not read.
        const QByteArray own = za::ShippedCityZone(city.Name(), city.TimeZoneID());
        if (own.isEmpty() || city.TimeZone().FollowedZone() != own) return;
        quick::CachedZone zone;
        zone.name = U16(city.Name());
        zone.zoneId = city.TimeZoneID();
        if (!PeriodsOf(city.TimeZone(), cache.from, cache.until, kStep, &zone.periods)) return;
        cache.zones.push_back(std::move(zone));
    }
    WriteCache(quick::kClockCacheName, quick::Serialise(cache));
}

void WriteCache(const char* name, const std::string& bytes) {
    QSaveFile file(za::device::ProfilePath() + QLatin1Char('/') + QLatin1String(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == qint64(bytes.size())) {
        file.commit();
    }
}

}  // namespace cli
