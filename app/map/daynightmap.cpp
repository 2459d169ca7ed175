#include "daynightmap.h"

#include "daynight.h"
#include "mapresources.h"
#include "oledate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace za::app {

namespace {

// Points of each outline, as the dark-boundary computation is asked for: parallels every 1.25°.
constexpr int kOutlinePoints = 292;

void SetBit(uchar* row, int x) { row[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7)); }

// Sets bits x0 … x1 − 1 of a most-significant-bit-first row.
void SetSpan(uchar* row, int x0, int x1) {
    while (x0 < x1 && (x0 & 7) != 0) SetBit(row, x0++);
    if (x1 - x0 >= 8) {
        std::memset(row + (x0 >> 3), 0xFF, static_cast<std::size_t>((x1 - x0) >> 3));
        x0 += (x1 - x0) & ~7;
    }
    while (x0 < x1) SetBit(row, x0++);
}

// A 1-pixel line, end points included, clipped to the mask.
void DrawLine(QImage& mask, POINT a, POINT b) {
    const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    for (int x = a.x, y = a.y;;) {
        if (x >= 0 && y >= 0 && x < mask.width() && y < mask.height()) SetBit(mask.scanLine(y), x);
        if (x == b.x && y == b.y) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// Fills a closed polygon as a drawing with a white brush and a white pen would: the pixels
// whose corners lie inside by the even-odd rule, then the outline. Points may lie a little
// outside the mask; what falls outside is clipped.
void FillPolygon(QImage& mask, const std::vector<POINT>& points) {
    const int n = static_cast<int>(points.size());
    const int height = mask.height();
    if (n < 2) return;
    // Each edge's crossings with the rows it spans, gathered row by row in one flat buffer:
    // the work grows with the outline's length, not with rows × edges. Rows are half-open in
    // y, so a vertex shared by two edges is counted once.
    auto rowsOf = [&](const POINT& p, const POINT& q, int* first, int* last) {
        *first = std::max(0, std::min(p.y, q.y));
        *last = std::min(height, std::max(p.y, q.y));  // exclusive
    };
    std::vector<int> start(static_cast<std::size_t>(height) + 1, 0);
    for (int i = 0; i < n; ++i) {
        int first, last;
        rowsOf(points[i], points[(i + 1) % n], &first, &last);
        for (int y = first; y < last; ++y) ++start[static_cast<std::size_t>(y) + 1];
    }
    for (int y = 0; y < height; ++y) start[static_cast<std::size_t>(y) + 1] += start[static_cast<std::size_t>(y)];
    std::vector<double> crossings(static_cast<std::size_t>(start[static_cast<std::size_t>(height)]));
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (int i = 0; i < n; ++i) {
        const POINT& p = points[i];
        const POINT& q = points[(i + 1) % n];
        int first, last;
        rowsOf(p, q, &first, &last);
        for (int y = first; y < last; ++y) {
            crossings[static_cast<std::size_t>(fill[static_cast<std::size_t>(y)]++)] =
                p.x + static_cast<double>(y - p.y) * (q.x - p.x) / (q.y - p.y);
        }
    }
    for (int y = 0; y < height; ++y) {
        const auto begin = crossings.begin() + start[static_cast<std::size_t>(y)];
        const auto end = crossings.begin() + start[static_cast<std::size_t>(y) + 1];
        std::sort(begin, end);
        uchar* row = mask.scanLine(y);
        for (auto it = begin; it != end && it + 1 != end; it += 2) {
            const int x0 = std::max(0, static_cast<int>(std::ceil(*it)));
            const int x1 = std::min(mask.width(), static_cast<int>(std::floor(*(it + 1))) + 1);
            if (x0 < x1) SetSpan(row, x0, x1);
        }
    }
    for (int i = 0; i < n; ++i) DrawLine(mask, points[i], points[(i + 1) % n]);
}

// dst column x = src column (x + s) mod W: the picture moves s columns to the left and what
// leaves on the left comes back on the right.
void RotateLeft(const QImage& src, QImage& dst, int s) {
    const int width = src.width();
    s = ((s % width) + width) % width;
    if (width % 8 == 0) {
        // Whole bytes: each output byte is two neighbouring input bytes funnelled together.
        const int bytes = width / 8, q0 = s / 8, r = s % 8;
        for (int y = 0; y < src.height(); ++y) {
            const uchar* in = src.constScanLine(y);
            uchar* out = dst.scanLine(y);
            for (int j = 0, q = q0; j < bytes; ++j) {
                const int next = q + 1 == bytes ? 0 : q + 1;
                out[j] = r == 0 ? in[q] : static_cast<uchar>(in[q] << r | in[next] >> (8 - r));
                q = next;
            }
        }
        return;
    }
    dst.fill(0);
    for (int y = 0; y < src.height(); ++y) {
        const uchar* in = src.constScanLine(y);
        uchar* out = dst.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int from = (x + s) % width;
            if ((in[from >> 3] & (0x80 >> (from & 7))) != 0) SetBit(out, x);
        }
    }
}

LONG DateKey(const SYSTEMTIME& st) { return st.wYear * 10000 + st.wMonth * 100 + st.wDay; }

}  // namespace

BOOL CDayNightMap::LoadImages(DWORD options, const SYSTEMTIME& utc) {
    m_dwOptions = options;
    const MapImageSet* set = MapImageSetOfWidth((options & MAP_ZOOMED) != 0 ? 2 * m_nSetWidth : m_nSetWidth);
    if (set == nullptr) return FALSE;
    if ((options & (MAP_TWILIGHT | MAP_SHADING)) != 0) {
        m_day.LoadResource(set->day);
        if (m_day.IsValid()) m_palette = PaletteFromColorTable(*m_day.Header());
        m_night.LoadResource(set->night);
        m_twilight.LoadResource(set->twilight);
        m_nWidth = m_day.Width();
        m_nHeight = m_day.Height();
        m_composite.CreateEmptyLike(m_day, m_nWidth, m_nHeight);
        m_darkMask = m_composite.MonochromeMaskLike();
        m_nightMask = m_composite.MonochromeMaskLike();
        m_shiftedDark = m_darkMask;
        m_shiftedNight = m_nightMask;
        Refresh(utc, TRUE);
    } else {
        m_composite.LoadResource(set->day);
        if (m_composite.IsValid()) m_palette = PaletteFromColorTable(*m_composite.Header());
        m_nWidth = m_composite.Width();
        m_nHeight = m_composite.Height();
    }
    return m_composite.IsValid();
}

void CDayNightMap::Release() {
    m_twilight.Release();
    m_night.Release();
    m_day.Release();
    m_composite.Release();
    m_darkMask = m_nightMask = m_shiftedDark = m_shiftedNight = QImage();
    m_palette.clear();
    m_nWidth = m_nHeight = 0;
    m_nMaskDate = -1;
    m_bRendered = false;
}

void CDayNightMap::SetOptions(DWORD options, const SYSTEMTIME& utc) {
    if (options == m_dwOptions) return;
    constexpr DWORD kImageBits = MAP_SHADING | MAP_ZOOMED;
    if ((options & kImageBits) == (m_dwOptions & kImageBits)) {
        m_dwOptions = options;
        Refresh(utc, TRUE);
    } else {
        Release();
        LoadImages(options, utc);
    }
}

int CDayNightMap::ShiftAt(const SYSTEMTIME& utc) const { return (utc.wHour * 60 + utc.wMinute) * m_nWidth / 1440; }

BOOL CDayNightMap::Refresh(const SYSTEMTIME& utc, BOOL forced) {
    if ((m_dwOptions & (MAP_TWILIGHT | MAP_SHADING)) == 0 || !m_composite.IsValid()) return FALSE;
    if (forced) {
        m_nMaskDate = -1;
    } else if (m_bRendered) {
        std::int64_t now = 0, rendered = 0;
        za::SystemTimeToSeconds(utc, &now);
        za::SystemTimeToSeconds(m_stRendered, &rendered);
        // As an unsigned number a time earlier than the one shown is huge, so a clock set back
        // always recomposes.
        const std::uint64_t minutes = static_cast<std::uint64_t>(now - rendered) / 60;
        if (minutes < 1440 && ShiftAt(utc) == m_nRenderedShift) return FALSE;
    }
    BuildMasks(utc);

    const int shift = ShiftAt(utc);
    RotateLeft(m_darkMask, m_shiftedDark, shift);
    RotateLeft(m_nightMask, m_shiftedNight, shift);
    m_day.BlitInto(m_composite);
    if ((m_dwOptions & MAP_TWILIGHT) != 0) m_twilight.MaskedBlitInto(m_composite, m_shiftedNight);
    m_night.MaskedBlitInto(m_composite, m_shiftedDark);

    m_stRendered = utc;
    m_nRenderedShift = shift;
    m_bRendered = true;
    return TRUE;
}

void CDayNightMap::BuildMasks(const SYSTEMTIME& utc) {
    if (DateKey(utc) == m_nMaskDate || m_darkMask.isNull()) return;
    m_nMaskDate = DateKey(utc);
    DWORD twilight = m_twilightSetting;
    if (twilight < ZENITH_OFFICIAL || twilight > ZENITH_ASTRONOMICAL) twilight = ZENITH_CIVIL;
    DrawMask(m_darkMask, static_cast<ZENITH>(twilight), utc);
    DrawMask(m_nightMask, ZENITH_OFFICIAL, utc);
    ++m_nMaskBuilds;
}

void CDayNightMap::DrawMask(QImage& mask, ZENITH zenith, const SYSTEMTIME& utc) const {
    POINT outline[kOutlinePoints];
    int count = kOutlinePoints;
    CalcDarkBoundaries(zenith, utc.wYear, utc.wMonth, utc.wDay, outline, &count);
    std::vector<POINT> pixels(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) pixels[i] = LatLongToPixel(outline[i].x, outline[i].y);
    mask.fill(0);
    FillPolygon(mask, pixels);
}

POINT CDayNightMap::LatLongToPixel(LONG longitude, LONG latitude) const {
    return {longitude * m_nWidth / 36000 + m_nWidth / 2, m_nHeight / 2 - latitude * m_nHeight / 18000};
}

void CDayNightMap::PixelToLatLong(LONG x, LONG y, LONG* longitude, LONG* latitude) const {
    *longitude = m_nWidth > 0 ? x * 36000 / m_nWidth - 18000 : 0;
    *latitude = m_nHeight > 0 ? 9000 - y * 18000 / m_nHeight : 0;
}

}  // namespace za::app
