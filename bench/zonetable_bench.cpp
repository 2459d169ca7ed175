// The Outlook stand-in's zone table: deriving it for a year, which every Logon does.
#include "poutlook.h"

#include "benchprofile.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// What Logon derives: every entry's records of every year from 1970 to 2037, each zone read
// from the tz database once.
void BM_DeriveZoneRules(benchmark::State& state) {
    std::vector<za::tz::YearlyRulesPtr> rules;
    for (auto _ : state) {
        if (!za::outlook::DeriveZoneRules(&rules)) state.SkipWithError("an entry's zone is missing");
        benchmark::DoNotOptimize(rules.data());
    }
    int records = 0;
    for (const auto& r : rules) records += r ? r->RecordCount() : 0;
    state.counters["records"] = records;
}
BENCHMARK(BM_DeriveZoneRules)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The whole table for one year: a QTimeZone per entry and its two transition rules.
void BM_DeriveZoneTable(benchmark::State& state) {
    std::vector<TIME_ZONE_INFORMATION> table;
    for (auto _ : state) {
        if (!za::outlook::DeriveZoneTable(2026, &table)) state.SkipWithError("an entry's zone is missing");
        benchmark::DoNotOptimize(table.data());
    }
    state.counters["entries"] = static_cast<double>(table.size());
}
BENCHMARK(BM_DeriveZoneTable)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Logon on an installed profile: the records of every year, and the display names of the
// device clock's year checked against the registry.
void BM_Logon(benchmark::State& state) {
    BenchProfile profile;
    za::outlook::AppPtr app;
    if (za::outlook::CreateApplication(QStringLiteral("PocketOutlook.Application"), &app) != S_OK || app->Logon(0) != S_OK) {
        state.SkipWithError("no Outlook object");
        return;
    }
    for (auto _ : state) {
        if (app->Logon(0) != S_OK) state.SkipWithError("Logon failed");
    }
    app->Logoff();
}
BENCHMARK(BM_Logon)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
