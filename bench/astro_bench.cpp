// The astronomy the dialogs and the map compute: one city's rise and set for a day, the moon
// phases around an instant, and the map's day/night outline.
#include "benchprofile.h"
#include "city.h"
#include "daynight.h"
#include "moon.h"
#include "sun.h"

#include <benchmark/benchmark.h>

namespace {

SYSTEMTIME Day(int month, int day) {
    SYSTEMTIME st{};
    st.wYear = 2026;
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    return st;
}

// One city and date per iteration, the date moving on so that no two searches are alike.
void BM_RiseSetSun(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        const SYSTEMTIME date = Day(1 + day % 12, 1 + day % 28);
        benchmark::DoNotOptimize(za::astro::FindRiseSet(date, -60, 1339, 5252, ZENITH_OFFICIAL));  // Berlin
        ++day;
    }
}
BENCHMARK(BM_RiseSetSun)->Repetitions(5)->ReportAggregatesOnly(true);

// What the Sunrise dialog shows for a city: the search, the zone's conversions and the two
// formatted times.
void BM_CityRiseSet(benchmark::State& state) {
    BenchProfile profile;
    CCity paris;
    paris.SetLatitude(4886);
    paris.SetLongitude(235);
    paris.SetTimeZoneID(105);
    QString rise, set;
    int day = 0;
    for (auto _ : state) {
        const SYSTEMTIME date = Day(1 + day % 12, 1 + day % 28);
        paris.RiseSet(rise, set, &date, ZENITH_OFFICIAL);
        benchmark::DoNotOptimize(rise);
        benchmark::DoNotOptimize(set);
        ++day;
    }
}
BENCHMARK(BM_CityRiseSet)->Repetitions(5)->ReportAggregatesOnly(true);

// The Moon's series is the dearer one.
void BM_RiseSetMoon(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        const SYSTEMTIME date = Day(1 + day % 12, 1 + day % 28);
        benchmark::DoNotOptimize(za::astro::FindRiseSet(date, 480, -12242, 3778, ZENITH_MOON));  // San Francisco
        ++day;
    }
}
BENCHMARK(BM_RiseSetMoon)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_MoonPhase(benchmark::State& state) {
    int hour = 0;
    for (auto _ : state) {
        SYSTEMTIME when = Day(1 + hour % 12, 1 + hour % 28);
        when.wHour = static_cast<WORD>(hour % 24);
        enLunarPhase last = LP_NEW_MOON, next = LP_NEW_MOON;
        SYSTEMTIME lastTime{}, nextTime{};
        MoonPhase(when, last, lastTime, next, nextTime);
        benchmark::DoNotOptimize(lastTime);
        benchmark::DoNotOptimize(nextTime);
        hour += 7;
    }
}
BENCHMARK(BM_MoonPhase)->Repetitions(5)->ReportAggregatesOnly(true);

// The map's capacity of 292 points, on a December day when the North Pole is dark.
void BM_CalcDarkBoundaries(benchmark::State& state) {
    POINT points[292];
    int day = 0;
    for (auto _ : state) {
        int count = 292;
        CalcDarkBoundaries(ZENITH_CIVIL, 2026, 12, 1 + day % 28, points, &count);
        benchmark::DoNotOptimize(points);
        benchmark::DoNotOptimize(count);
        ++day;
    }
}
BENCHMARK(BM_CalcDarkBoundaries)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
