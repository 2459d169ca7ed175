// The city model's hot paths: distances for the calculator and the map, and the local-time
// text every city display redraws each minute.
#include "benchprofile.h"
#include "city.h"
#include "geography.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GreatCircleDistance(benchmark::State& state) {
    long lon = -7401;
    for (auto _ : state) {
        double km = 0;
        GreatCircleDistance(lon, 4071, -13, 5151, &km);
        benchmark::DoNotOptimize(km);
        lon = lon == -7401 ? -7402 : -7401;  // keeps the call from being hoisted
    }
}
BENCHMARK(BM_GreatCircleDistance)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LocalTimeAsString(benchmark::State& state) {
    BenchProfile profile;
    CCity city;
    city.SetName(QStringLiteral("New York, NY"));
    city.SetTimeZoneID(35);
    city.TimeZone();  // loaded once, as on the main screen
    SYSTEMTIME utc{2026, 7, 0, 15, 17, 5, 0, 0};
    for (auto _ : state) {
        QString text = city.LocalTimeAsString(utc, TF_WEEKDAY_TIME);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_LocalTimeAsString)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
