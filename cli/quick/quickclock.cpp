#include "quickclock.h"

#include "clockcache.h"
#include "quickprofile.h"

namespace cli::quick {

namespace {

constexpr int kDisplays = 5;

std::u16string PaddedTo(std::u16string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), u' ');
    return text;
}

}  // namespace

bool Clock(std::string* out) {
    std::string folder, file;
    if (!SoundProfile(&folder, &file)) return false;
    ClockCache cache;
    if (!ReadCache(folder, kClockCacheName, &cache)) return false;

    Profile profile(file);
    Snapshot snapshot;
    if (!OpenSnapshot(profile, cache.schemaVersion, &snapshot)) return false;
    const std::int64_t now = snapshot.now;
    if (now < cache.from || now >= cache.until) return false;
    DisplaySettings settings;
    if (!ReadDisplaySettings(profile, &settings)) return false;

    std::string lines;
    CityFinder finder(profile, snapshot);
    for (int i = 0; i < kDisplays; ++i) {
        const std::u16string& shown = settings.names[i];
        CityRecord city;
        if (!finder.find(shown, &city)) return false;
        const CachedZone* zone = nullptr;
        for (const CachedZone& z : cache.zones) {
            if (z.name == city.name && z.zoneId == city.zoneId) zone = &z;
        }
        const Period* period = zone ? PeriodAt(zone->periods, now) : nullptr;
        std::u16string text;
        if (!period || !RenderShortDateTime(cache.formats, LocalTimeOf(now + period->offset), period->daylight, &text)) {
            return false;
        }
        const std::u16string line = std::u16string(i == settings.selected ? u"*" : u" ") + u' ' +
                                    static_cast<char16_t>(u'0' + i) + u"  " + PaddedTo(shown, 24) + u"  " + text;
        lines += Utf8(line) + '\n';
    }
    if (!EndSnapshot(profile)) return false;
    *out = lines;
    return true;
}

}  // namespace cli::quick
