#include "displaynote.h"

#include "oledate.h"

namespace za {
namespace {

std::int64_t Seconds(const SYSTEMTIME& st) {
    std::int64_t s = 0;
    SystemTimeToSeconds(st, &s);
    return s;
}

}  // namespace

const ClockChange& ClockChangeCache::For(const CCity& city, const SYSTEMTIME& utc) {
    const std::int64_t now = Seconds(utc);
    Entry* entry = nullptr;
    for (Entry& e : m_entries) {
        if (e.name == city.Name()) entry = &e;
    }
    if (!entry) {
        m_entries.push_back({});
        entry = &m_entries.back();
        entry->name = city.Name();
        entry->searchedAt = now + 1;  // forces the first search
    }
    const bool stale = entry->zoneId != city.TimeZoneID() || now < entry->searchedAt ||
                       (entry->change.found ? now >= Seconds(entry->change.utc) : now - entry->searchedAt >= 86400);
    if (stale) {
        entry->zoneId = city.TimeZoneID();
        entry->searchedAt = now;
        entry->change = NextClockChange(city.TimeZone(), utc);
    }
    return entry->change;
}

DisplayNote MakeDisplayNote(const CCity& current, const CCity& city, bool isCurrent, bool showOffset,
                            const SYSTEMTIME& utc, ClockChangeCache& cache) {
    DisplayNote note;
    if (showOffset && !isCurrent) note.offset = OffsetLabel(OffsetBetween(current.TimeZone(), city.TimeZone(), utc));
    note.change = cache.For(city, utc);
    note.changeText = ClockChangeText(note.change);
    note.changeSoon = ChangesWithinDays(note.change, utc, kChangeMarkDays);
    return note;
}

}  // namespace za
