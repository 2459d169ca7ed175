// What a city display shows beside its time: its offset from the current city and a mark when
// its clocks change within a week. The next change is sought once and kept until it has
// passed (or for a day when none was found), since the search costs some hundred conversions.
#pragma once

#include "city.h"
#include "clockchange.h"
#include "cityoffset.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace za {

// A city's clocks change within this many days: its display is marked.
inline constexpr int kChangeMarkDays = 7;

struct DisplayNote {
    QString offset;        // "+9 h tomorrow"; empty for the current city itself or with offsets off
    ClockChange change;    // the next change (found = false: none within the year)
    bool changeSoon = false;
    QString changeText;    // "Clocks go back 1 hour on Sun 25 Oct 2026 at 02:00", or empty
};

class ClockChangeCache {
public:
    // The city's next change after utc, searched again only when the one kept has passed, the
    // city or its zone changed, or the one kept was "none" and a day went by.
    const ClockChange& For(const CCity& city, const SYSTEMTIME& utc);

private:
    struct Entry {
        QString name;
        int zoneId = 0;
        std::int64_t searchedAt = 0;
        ClockChange change;
    };
    std::vector<Entry> m_entries;
};

// The note of `city` against the current city at utc. showOffset: the "Show offsets"
// preference; the current city itself (isCurrent) gets no offset.
DisplayNote MakeDisplayNote(const CCity& current, const CCity& city, bool isCurrent, bool showOffset,
                            const SYSTEMTIME& utc, ClockChangeCache& cache);

}  // namespace za
