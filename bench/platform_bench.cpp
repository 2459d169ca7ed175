// Hot paths of the platform layer, each on a fresh temporary profile.
#include "benchprofile.h"
#include "registry.h"

#include <benchmark/benchmark.h>

namespace {

// Open the settings key, query one value (size, then data), close: what a settings read costs.
void BM_RegistryReadOneValue(benchmark::State& state) {
    BenchProfile profile;
    const QString path = QStringLiteral("\\Software\\Corvantel\\Zonaria");
    for (auto _ : state) {
        HKEY key = nullptr;
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, 0, &key);
        DWORD value = 0, size = sizeof value;
        RegQueryValueExW(key, QStringLiteral("InitialRun"), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_RegistryReadOneValue)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
