// Text contrast as WCAG 2 measures it, so that colours which carry meaning stay readable on a
// light and on a dark desktop palette.
#pragma once

#include <QColor>

namespace za {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white) (WCAG 2, "relative luminance").
double RelativeLuminance(const QColor& colour);
// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 (no contrast) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);
// Whether text on this background wants light ink: it is darker than middle grey.
bool IsDarkBackground(const QColor& background);
// The text contrast WCAG 2 asks of normal text (level AA).
inline constexpr double kMinimumTextContrast = 4.5;
// ink itself when it stands out enough from background; else ink made lighter (on a dark
// background) or darker (on a light one), keeping its hue, just far enough to reach `minimum`;
// black or white when no shade of the hue does.
QColor ReadableOn(const QColor& ink, const QColor& background, double minimum = kMinimumTextContrast);

}  // namespace za
