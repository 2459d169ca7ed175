// Hot paths of the core library, each on a fresh temporary profile.
#include "device.h"
#include "settings.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct BenchProfile {
    QTemporaryDir dir;
    BenchProfile() {
        qputenv("ZONARIA_DEVICE", (dir.path() + "/device").toUtf8());
        za::device::Reset();
    }
    ~BenchProfile() { za::device::Reset(); }
};

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

}  // namespace

BENCHMARK_MAIN();
