#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace za {
namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkBackground(const QColor& background) {
    // Middle grey by contrast: the luminance at which black and white text stand out equally.
    return RelativeLuminance(background) < 0.179;
}

QColor ReadableOn(const QColor& ink, const QColor& background, double minimum) {
    if (ContrastRatio(ink, background) >= minimum) return ink;
    const bool lighter = IsDarkBackground(background);
    const QColor hsl = ink.toHsl();
    // Lightness moves one step at a time away from the background; 256 steps span it all.
    for (int l = hsl.lightness(); l >= 0 && l <= 255; l += lighter ? 1 : -1) {
        const QColor shade = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), l, ink.alpha());
        if (ContrastRatio(shade, background) >= minimum) return shade;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace za
