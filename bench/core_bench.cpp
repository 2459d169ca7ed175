// Hot paths of the core library, each on a fresh temporary profile.
#include "benchprofile.h"
#include "settings.h"
#include "timezone.h"

#include <benchmark/benchmark.h>

namespace {

// What the main screen reads at start: the five city names and the selected display, inside
// one Open/Close bracket.
void BM_SettingsMainScreenStart(benchmark::State& state) {
    BenchProfile profile;
    CRegistry& reg = GetReg();
    reg.WriteStringValue(CRegistry::City2, QStringLiteral("Reykjavík"));
    for (auto _ : state) {
        reg.Open();
        for (int i = 0; i < 5; ++i) {
            benchmark::DoNotOptimize(reg.GetStringValue(static_cast<CRegistry::ValueName>(CRegistry::City0 + i)));
        }
        benchmark::DoNotOptimize(reg.GetDWORDValue(CRegistry::CityX));
        reg.Close();
    }
}
BENCHMARK(BM_SettingsMainScreenStart)->Repetitions(5)->ReportAggregatesOnly(true);

SYSTEMTIME Utc(int month, int day, int hour) {
    SYSTEMTIME st{};
    st.wYear = 2026;
    st.wMonth = month;
    st.wDay = day;
    st.wHour = hour;
    return st;
}

// The conversion every city display makes on every tick.
void BM_UTCTimeToLocalTime(benchmark::State& state) {
    BenchProfile profile;
    CTimeZone zone;
    zone.Load(105);  // Paris
    SYSTEMTIME utc = Utc(7, 14, 12), local{};
    for (auto _ : state) {
        zone.UTCTimeToLocalTime(utc, local);
        benchmark::DoNotOptimize(local);
        utc.wHour = (utc.wHour + 7) % 24;
    }
}
BENCHMARK(BM_UTCTimeToLocalTime)->Repetitions(5)->ReportAggregatesOnly(true);

// The same across the years: each instant takes its own year's record (British Columbia, whose
// records differ from 2025 to 2027).
void BM_UTCTimeToLocalTimeAcrossYears(benchmark::State& state) {
    BenchProfile profile;
    CTimeZone zone;
    zone.Load(305);
    SYSTEMTIME utc = Utc(7, 14, 12), local{};
    for (auto _ : state) {
        zone.UTCTimeToLocalTime(utc, local);
        benchmark::DoNotOptimize(local);
        utc.wYear = static_cast<WORD>(1970 + (utc.wYear - 1970 + 11) % 68);
        utc.wMonth = utc.wMonth % 12 + 1;
    }
}
BENCHMARK(BM_UTCTimeToLocalTimeAcrossYears)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_IsDaylightTime(benchmark::State& state) {
    BenchProfile profile;
    CTimeZone zone;
    zone.Load(255);  // Sydney, a rule across the year's end
    SYSTEMTIME utc = Utc(3, 1, 12);
    for (auto _ : state) {
        benchmark::DoNotOptimize(IsDaylightTime(*zone.GetTZI(), utc));
        utc.wMonth = utc.wMonth % 12 + 1;
    }
}
BENCHMARK(BM_IsDaylightTime)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LocalTimeToUTCTime(benchmark::State& state) {
    BenchProfile profile;
    CTimeZone zone;
    zone.Load(4);
    SYSTEMTIME local = Utc(11, 1, 1), utc{};
    for (auto _ : state) {
        zone.LocalTimeToUTCTime(local, utc);
        benchmark::DoNotOptimize(utc);
    }
}
BENCHMARK(BM_LocalTimeToUTCTime)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
