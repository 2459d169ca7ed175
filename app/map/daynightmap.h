// The world map's picture: the day image with the night, and the twilight band, laid over it
// where the Sun is down at a given UTC instant.
//
// Two outlines of the dark region are computed once per UTC day (CalcDarkBoundaries gives
// them for 0 h UT) and drawn into 1-bit masks; during the day the masks are rotated west by
// one column per 1440 / W minutes and the night and twilight images are copied through them.
#pragma once

#include "astro.h"
#include "dibsection.h"

#include <QImage>

namespace za::app {

// Option bits of the map.
constexpr DWORD MAP_TWILIGHT = 1;  // draw the twilight band
constexpr DWORD MAP_SHADING = 2;   // draw the day/night shading (the main view always sets it)
constexpr DWORD MAP_ZOOMED = 4;    // use the zoomed set, twice the size; the window shows part of it

class CDayNightMap {
public:
    CDayNightMap() = default;
    CDayNightMap(const CDayNightMap&) = delete;
    CDayNightMap& operator=(const CDayNightMap&) = delete;
    virtual ~CDayNightMap() = default;

    // The width of the set shown unzoomed: 240 (the default), 480 or 960; the zoomed set is
    // twice as large. Takes effect at the next LoadImages.
    void SetSetWidth(int width) { m_nSetWidth = width; }
    int SetWidth() const { return m_nSetWidth; }
    // The "Twilight" setting (1 to 4, anything else reads as 2) that the dark mask follows from
    // its next drawing on.
    void SetTwilightSetting(DWORD twilight) { m_twilightSetting = twilight; }

    // Loads the set the options and the set width select and composes it for `utc`. With
    // neither MAP_TWILIGHT nor MAP_SHADING only the day image is loaded, as the picture. FALSE
    // when the picture could not be loaded (missing images are left empty and draw nothing).
    BOOL LoadImages(DWORD options, const SYSTEMTIME& utc);
    // Frees the images, the picture, the masks and the palette.
    void Release();
    // New options: a change of MAP_TWILIGHT alone recomposes (and rebuilds the masks) at `utc`;
    // any other change loads the images again.
    void SetOptions(DWORD options, const SYSTEMTIME& utc);
    // Recomposes the picture for `utc` and returns TRUE when that was needed: always when
    // forced (which also rebuilds the masks), else when the shading's column shift differs
    // from the one shown, or the instant is earlier than the one shown (a clock set back) or
    // a day or more later. FALSE, doing nothing, without MAP_TWILIGHT and MAP_SHADING.
    BOOL Refresh(const SYSTEMTIME& utc, BOOL forced);
    // Draws the two masks for the UTC date of `utc`, unless they are already drawn for it. The
    // dark mask is the region below the altitude of the twilight setting (1 to 4, else 2),
    // the night mask the region below official sunset.
    void BuildMasks(const SYSTEMTIME& utc);

    // The projection, equirectangular over the whole Earth, with signed integer divisions
    // that round toward zero: x = lon × W / 36000 + W/2, y = H/2 − lat × H / 18000.
    // Coordinates in hundredths of a degree, east and north positive; (0, 0) is the image's
    // top-left pixel. Longitude −180° is the left edge and +180° the right edge.
    POINT LatLongToPixel(LONG longitude, LONG latitude) const;
    // lon = x × 36000 / W − 18000, lat = 9000 − y × 18000 / H: the top-left corner of the pixel.
    void PixelToLatLong(LONG x, LONG y, LONG* longitude, LONG* latitude) const;

    // Columns the masks are rotated left at `utc`: minutes since 00:00 UTC × W / 1440.
    int ShiftAt(const SYSTEMTIME& utc) const;

    DWORD Options() const { return m_dwOptions; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    const CPalette& Palette() const { return m_palette; }
    const CDibSection& Composite() const { return m_composite; }
    const CDibSection& Day() const { return m_day; }
    const CDibSection& Night() const { return m_night; }
    const CDibSection& Twilight() const { return m_twilight; }
    const QImage& DarkMask() const { return m_darkMask; }
    const QImage& NightMask() const { return m_nightMask; }
    // The UTC date (yyyymmdd) the masks were drawn for; −1 when none.
    LONG MaskDate() const { return m_nMaskDate; }
    // Masks are drawn only when the date changes: this counts the drawings, for tests.
    int MaskBuilds() const { return m_nMaskBuilds; }
    const SYSTEMTIME& RenderedTime() const { return m_stRendered; }

private:
    void DrawMask(QImage& mask, ZENITH zenith, const SYSTEMTIME& utc) const;

    DWORD m_dwOptions = 0;
    int m_nSetWidth = 240;
    DWORD m_twilightSetting = ZENITH_CIVIL;
    int m_nWidth = 0;
    int m_nHeight = 0;
    CPalette m_palette;
    CDibSection m_day;
    CDibSection m_night;
    CDibSection m_twilight;
    CDibSection m_composite;
    LONG m_nMaskDate = -1;
    int m_nMaskBuilds = 0;
    SYSTEMTIME m_stRendered{};
    bool m_bRendered = false;
    int m_nRenderedShift = 0;
    QImage m_darkMask;
    QImage m_nightMask;
    // The masks rotated to the rendered time.
    QImage m_shiftedDark;
    QImage m_shiftedNight;
};

}  // namespace za::app
