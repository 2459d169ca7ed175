// The main screen's hot path: the 10-second clock tick when no minute changed (nothing to
// repaint) and when one did (the five displays repaint their times).
#include "benchprofile.h"
#include "citylist.h"
#include "clock.h"
#include "mainframe.h"
#include "shell.h"
#include "zonariaapp.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace za::app;

namespace {

SYSTEMTIME At(int minute, int second) {
    SYSTEMTIME st{};
    st.wYear = 2026;
    st.wMonth = 3;
    st.wDay = 8;
    st.wDayOfWeek = 0;
    st.wHour = 14;
    st.wMinute = static_cast<WORD>(minute);
    st.wSecond = static_cast<WORD>(second);
    return st;
}

void BM_ClockTickNothingToRepaint(benchmark::State& state) {
    BenchProfile profile;
    za::shell::ScopedRecorder shell;
    CZonariaApp app;
    app.InitInstance();
    CMainView& view = app.MainFrame()->View();
    view.OnClockTick(At(5, 0));
    QApplication::processEvents();
    int second = 0;
    for (auto _ : state) {
        view.OnClockTick(At(5, second));
        second = (second + 10) % 60;
    }
    app.ExitInstance();
}
BENCHMARK(BM_ClockTickNothingToRepaint)->Unit(benchmark::kMicrosecond);

void BM_ClockTickNewMinute(benchmark::State& state) {
    BenchProfile profile;
    za::shell::ScopedRecorder shell;
    CZonariaApp app;
    app.InitInstance();
    CMainView& view = app.MainFrame()->View();
    int minute = 0;
    for (auto _ : state) {
        view.OnClockTick(At(minute, 0));
        QApplication::processEvents();
        minute = (minute + 1) % 60;
    }
    app.ExitInstance();
}
BENCHMARK(BM_ClockTickNewMinute)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication qapp(argc, argv);
    za::app::SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
