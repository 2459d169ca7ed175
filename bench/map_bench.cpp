// The world map's hot paths: the 10-second tick that moves the shading (rotate two masks,
// three copies), the once-a-day drawing of the masks, a paint of the window, and what the
// map's images add to the resident memory at the window's opening size.
#include "benchprofile.h"
#include "settings.h"
#include "worldmapwnd.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>

using namespace za::app;

namespace {

SYSTEMTIME At(int day, int minuteOfDay) {
    SYSTEMTIME st{};
    st.wYear = 2026;
    st.wMonth = 3;
    st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(minuteOfDay / 60);
    st.wMinute = static_cast<WORD>(minuteOfDay % 60);
    return st;
}

// Arguments: the normal set's width and whether zoomed (the loaded set is twice as wide).
void Load(CDayNightMap& map, const benchmark::State& state) {
    map.SetSetWidth(static_cast<int>(state.range(0)));
    map.LoadImages(MAP_TWILIGHT | MAP_SHADING | (state.range(1) ? MAP_ZOOMED : 0), At(20, 0));
}

// A tick that finds the shading moved: rotate the masks and compose day, twilight and night.
void BM_RefreshRecompose(benchmark::State& state) {
    BenchProfile profile;
    CDayNightMap map;
    Load(map, state);
    int minute = 0;
    for (auto _ : state) {
        minute = (minute + 7) % 1440;  // another column every time, on the same day
        if (!map.Refresh(At(20, minute), FALSE)) state.SkipWithError("did not recompose");
    }
    state.SetLabel(std::to_string(map.Width()) + " x " + std::to_string(map.Height()));
}
BENCHMARK(BM_RefreshRecompose)->Args({240, 0})->Args({240, 1})->Args({960, 0})->Args({960, 1})
    ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A tick in the same column: the common case, nothing to do.
void BM_RefreshUnchanged(benchmark::State& state) {
    BenchProfile profile;
    CDayNightMap map;
    Load(map, state);
    for (auto _ : state) benchmark::DoNotOptimize(map.Refresh(At(20, 0), FALSE));
}
BENCHMARK(BM_RefreshUnchanged)->Args({240, 0})->Repetitions(5)->ReportAggregatesOnly(true);

// A new UTC day: both outlines computed and drawn into the masks.
void BM_BuildMasks(benchmark::State& state) {
    BenchProfile profile;
    CDayNightMap map;
    Load(map, state);
    int day = 20;
    for (auto _ : state) {
        day = day == 20 ? 21 : 20;
        map.BuildMasks(At(day, 0));
    }
    state.SetLabel(std::to_string(map.Width()) + " x " + std::to_string(map.Height()));
}
BENCHMARK(BM_BuildMasks)->Args({240, 0})->Args({240, 1})->Args({960, 0})->Args({960, 1})
    ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A paint of the window with the marker shown, at 240 and 480 pixels wide and zoomed.
void BM_Paint(benchmark::State& state) {
    BenchProfile profile;
    const int width = static_cast<int>(state.range(0));
    CWorldMapWnd window(nullptr, MAP_TWILIGHT | MAP_SHADING);
    window.resize(width, window.heightForWidth(width));
    window.Refresh(At(20, 720));
    if (state.range(1)) window.ZoomAt(235, 4886);
    window.SetMarker(235, 4886, QStringLiteral("Paris"));
    QImage target(window.size(), QImage::Format_ARGB32_Premultiplied);
    window.render(&target);
    for (auto _ : state) window.render(&target);
}
BENCHMARK(BM_Paint)->Args({240, 0})->Args({480, 0})->Args({480, 1})->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);

// The first paint after the shading moved, which also makes the window's picture.
void BM_PaintAfterRecompose(benchmark::State& state) {
    BenchProfile profile;
    const int width = static_cast<int>(state.range(0));
    CWorldMapWnd window(nullptr, MAP_TWILIGHT | MAP_SHADING);
    window.resize(width, window.heightForWidth(width));
    window.Refresh(At(20, 0));
    QImage target(window.size(), QImage::Format_ARGB32_Premultiplied);
    int minute = 0;
    for (auto _ : state) {
        minute = (minute + 7) % 1440;
        window.Refresh(At(20, minute));
        window.render(&target);
    }
}
BENCHMARK(BM_PaintAfterRecompose)->Arg(240)->Arg(480)->Unit(benchmark::kMicrosecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// The window at its opening size (480 wide), loaded, composed and painted once; the resident
// memory it added, in MB. One iteration: the first load is what counts.
void BM_ResidentMemoryAtOpeningSize(benchmark::State& state) {
    BenchProfile profile;
    // Qt's own first-paint costs (fonts, the raster engine) and the open device profile (the
    // application has it open long before) are not the map's: they are paid first.
    GetReg().GetDWORDValue(CRegistry::Twilight);
    {
        QWidget plain;
        plain.resize(480, 300);
        QImage target(plain.size(), QImage::Format_ARGB32_Premultiplied);
        plain.render(&target);
    }
    for (auto _ : state) {
        const long before = ResidentBytes();
        auto* window = new CWorldMapWnd(nullptr, MAP_TWILIGHT | MAP_SHADING);
        window->resize(480, 300);
        window->Refresh(At(20, 720));
        QImage target(window->size(), QImage::Format_ARGB32_Premultiplied);
        window->render(&target);
        state.counters["added_MB"] = static_cast<double>(ResidentBytes() - before) / (1024.0 * 1024.0);
        state.counters["target_MB"] = static_cast<double>(target.sizeInBytes()) / (1024.0 * 1024.0);
        delete window;
    }
}
BENCHMARK(BM_ResidentMemoryAtOpeningSize)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
