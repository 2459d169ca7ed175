// For the benchmarks: with ZONARIA_REPORT_PAINT set, a program prints "painted" on standard
// output once its first window content has been painted; with ZONARIA_REPORT_READY set, a
// program without a window prints "ready" once it does its work.
#pragma once

#include <functional>

namespace za {

// Call once after the application object exists; does nothing without the variable.
void ReportFirstPaint();
void ReportReady();

// Runs fn once, after the first paint of any widget of the application has been handled: for
// work that should not delay the window's first appearance.
void AfterFirstPaint(std::function<void()> fn);

}  // namespace za
