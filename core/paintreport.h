// For the window benchmarks: with ZONARIA_REPORT_PAINT set, a program prints "painted" on
// standard output once its first window content has been painted.
#pragma once

namespace za {

// Call once after the application object exists; does nothing without the variable.
void ReportFirstPaint();

}  // namespace za
