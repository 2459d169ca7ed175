#include "daynight.h"
#include "daynightmap.h"
#include "profile.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace za::app;

namespace {

using za::test::MakeTime;


// The composer with a set loaded and composed at `utc`.
struct Composer {
    CDayNightMap map;
    Composer(int setWidth, DWORD options, const SYSTEMTIME& utc, DWORD twilight = ZENITH_CIVIL) {
        map.SetSetWidth(setWidth);
        map.SetTwilightSetting(twilight);
        EXPECT_TRUE(map.LoadImages(options, utc));
    }
    int At(const CDibSection& dib, int x, int y) const { return dib.Image().pixelIndex(x, y); }
    int Composite(int x, int y) const { return At(map.Composite(), x, y); }
    int Day(int x, int y) const { return At(map.Day(), x, y); }
    int Night(int x, int y) const { return At(map.Night(), x, y); }
    int Twilight(int x, int y) const { return At(map.Twilight(), x, y); }
};

using DayNightMapTest = za::test::ProfileTest;

}  // namespace

TEST(DayNightMapProjection, Pixels) {
    CDayNightMap map;
    map.SetSetWidth(240);
    ASSERT_TRUE(map.LoadImages(0, MakeTime(2026, 3, 20)));  // the day image alone, 240 × 150
    struct Row {
        const char* name;
        LONG x, y, longitude, latitude;
    };
    const Row toPlace[] = {
        {"top-left corner", 0, 0, -18000, 9000},
        {"centre", 120, 75, 0, 0},
        {"bottom-right corner", 240, 150, 18000, -9000},
        {"one pixel is 1.5 by 1.2 degrees", 1, 1, -17850, 8880},
        {"divisions round toward zero", 7, 7, -16950, 8160},
    };
    for (const Row& row : toPlace) {
        SCOPED_TRACE(row.name);
        LONG longitude = 1, latitude = 1;
        map.PixelToLatLong(row.x, row.y, &longitude, &latitude);
        EXPECT_EQ(row.longitude, longitude);
        EXPECT_EQ(row.latitude, latitude);
    }
    const Row toPixel[] = {
        {"centre", 120, 75, 0, 0},
        {"west and north edges", 0, 0, -18000, 9000},
        {"east and south edges", 240, 150, 18000, -9000},
        // -149 × 240 / 36000 = -0.99 → 0 and 119 × 150 / 18000 = 0.99 → 0, not -1 and 1.
        {"toward zero, not down", 120, 75, -149, 119},
        {"toward zero, west and south", 119, 76, -150, -120},
        {"Paris", 121, 35, 235, 4886},
    };
    for (const Row& row : toPixel) {
        SCOPED_TRACE(row.name);
        const POINT p = map.LatLongToPixel(row.longitude, row.latitude);
        EXPECT_EQ(row.x, p.x);
        EXPECT_EQ(row.y, p.y);
    }
}

TEST_F(DayNightMapTest, ShiftFollowsTheMinuteOfTheDay) {
    struct Row {
        const char* name;
        int setWidth;
        DWORD options;
        int hour, minute;
        int shift;
    };
    const Row rows[] = {
        {"midnight", 240, MAP_SHADING, 0, 0, 0},
        {"noon is half the map", 240, MAP_SHADING, 12, 0, 120},
        {"a column per 6 minutes", 240, MAP_SHADING, 0, 11, 1},
        {"last minute", 240, MAP_SHADING, 23, 59, 239},
        {"zoomed: a column per 3 minutes", 240, MAP_SHADING | MAP_ZOOMED, 0, 3, 1},
        {"zoomed noon", 240, MAP_SHADING | MAP_ZOOMED, 12, 0, 240},
        {"960: 1.5 minutes", 960, MAP_SHADING, 0, 3, 2},
        {"1920: 0.75 minutes", 960, MAP_SHADING | MAP_ZOOMED, 0, 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Composer c(row.setWidth, row.options, MakeTime(2026, 3, 20, row.hour, row.minute));
        EXPECT_EQ(row.shift, c.map.ShiftAt(MakeTime(2026, 3, 20, row.hour, row.minute)));
    }
}

// At 00:00 UTC nothing is rotated: the picture shows the outline as computed, night centred on
// the prime meridian. At noon the night has moved half the map, to the date line.
TEST_F(DayNightMapTest, MidnightShowsTheOutlineAsComputedAndTheNightMovesWest) {
    Composer c(240, MAP_SHADING | MAP_TWILIGHT, MakeTime(2026, 3, 20, 0, 0));
    const QImage& night = c.map.NightMask();
    EXPECT_EQ(1, night.pixelIndex(120, 75));  // 0°, 0°: midnight
    EXPECT_EQ(0, night.pixelIndex(0, 75));    // 180°: noon
    // The outline's every point is in the mask, unshifted.
    POINT outline[292];
    int count = 292;
    CalcDarkBoundaries(ZENITH_OFFICIAL, 2026, 3, 20, outline, &count);
    ASSERT_GT(count, 200);
    for (int i = 0; i < count; ++i) {
        const POINT p = c.map.LatLongToPixel(outline[i].x, outline[i].y);
        if (p.x >= 0 && p.x < 240 && p.y >= 0 && p.y < 150) {
            ASSERT_EQ(1, night.pixelIndex(p.x, p.y)) << i;
        }
    }
    EXPECT_EQ(c.Night(120, 75), c.Composite(120, 75));
    EXPECT_EQ(c.Day(0, 75), c.Composite(0, 75));

    // At 06:00 the night is centred on 90° west (a quarter of the map moved west), not east.
    ASSERT_TRUE(c.map.Refresh(MakeTime(2026, 3, 20, 6, 0), FALSE));
    const POINT west = c.map.LatLongToPixel(-9000, 0), east = c.map.LatLongToPixel(9000, 0);
    EXPECT_EQ(c.Night(west.x, west.y), c.Composite(west.x, west.y));
    EXPECT_EQ(c.Day(east.x, east.y), c.Composite(east.x, east.y));

    ASSERT_TRUE(c.map.Refresh(MakeTime(2026, 3, 20, 12, 0), FALSE));
    EXPECT_EQ(c.Day(120, 75), c.Composite(120, 75));
    EXPECT_EQ(c.Night(0, 75), c.Composite(0, 75));
}

// An equinox at noon UTC: the Sun stands over the Gulf of Guinea. Along the equator the Sun's
// altitude is 90° less the angle from the subsolar point, so the picture must be the day image
// up to sunset (90.83°), the twilight image down to astronomical twilight (108°) and the night
// image beyond, for every set. The margins allow for the shading moving in whole columns (1.5°
// at most) and for the outline being mirrored about the prime meridian: the Sun stands 1.85°
// east of Greenwich (the equation of time is -7.4 minutes), which the mirrored outline
// narrows on one side and widens on the other.
TEST_F(DayNightMapTest, EquinoxNoonPixels) {
    for (const int setWidth : {240, 480, 960}) {
        for (const DWORD zoom : {DWORD{0}, MAP_ZOOMED}) {
            Composer c(setWidth, MAP_SHADING | MAP_TWILIGHT | zoom, MakeTime(2026, 3, 20, 12, 0), ZENITH_ASTRONOMICAL);
            const int width = c.map.Width();
            SCOPED_TRACE(width);
            const POINT equator = c.map.LatLongToPixel(0, 0);
            // The test can only fail if the three images differ where it looks.
            int checked = 0;
            for (int x = 0; x < width; ++x) {
                LONG longitude = 0, latitude = 0;
                c.map.PixelToLatLong(x, equator.y, &longitude, &latitude);
                // From the centre of the pixel.
                double fromSun = std::fabs((longitude + 18000.0 / width) / 100.0 );
                if (fromSun > 180) fromSun = 360 - fromSun;
                const int y = equator.y;
                if (c.Day(x, y) == c.Night(x, y) || c.Day(x, y) == c.Twilight(x, y) || c.Night(x, y) == c.Twilight(x, y)) continue;
                ++checked;
                if (fromSun < 85) {
                    ASSERT_EQ(c.Day(x, y), c.Composite(x, y)) << "x " << x;
                } else if (fromSun > 96 && fromSun < 103) {
                    ASSERT_EQ(c.Twilight(x, y), c.Composite(x, y)) << "x " << x;
                } else if (fromSun > 113) {
                    ASSERT_EQ(c.Night(x, y), c.Composite(x, y)) << "x " << x;
                }
            }
            EXPECT_GT(checked, width / 2);
            // The subsolar and antisolar points themselves.
            const POINT sun = c.map.LatLongToPixel(185, 0);
            ASSERT_NE(c.Day(sun.x, sun.y), c.Night(sun.x, sun.y));
            EXPECT_EQ(c.Day(sun.x, sun.y), c.Composite(sun.x, sun.y));
            EXPECT_EQ(c.Night(0, equator.y), c.Composite(0, equator.y));
            EXPECT_EQ(c.Night(width - 1, equator.y), c.Composite(width - 1, equator.y));
        }
    }
}

// Without MAP_TWILIGHT the band between sunset and the twilight limit is day.
TEST_F(DayNightMapTest, WithoutTwilightTheBandIsDay) {
    Composer c(240, MAP_SHADING, MakeTime(2026, 3, 20, 12, 0), ZENITH_ASTRONOMICAL);
    const POINT band = c.map.LatLongToPixel(10000, 0);  // 100° east: the Sun 8° down
    ASSERT_NE(c.Day(band.x, band.y), c.Twilight(band.x, band.y));
    EXPECT_EQ(c.Day(band.x, band.y), c.Composite(band.x, band.y));
    c.map.SetOptions(MAP_SHADING | MAP_TWILIGHT, MakeTime(2026, 3, 20, 12, 0));
    EXPECT_EQ(c.Twilight(band.x, band.y), c.Composite(band.x, band.y));
}

TEST_F(DayNightMapTest, RecomposesWhenTheShadingMovesOrTheClockGoesBack) {
    Composer c(240, MAP_SHADING | MAP_TWILIGHT, MakeTime(2026, 3, 20, 12, 0));
    struct Row {
        const char* name;
        SYSTEMTIME utc;
        BOOL recomposed;
    };
    const Row rows[] = {
        {"10 seconds later", MakeTime(2026, 3, 20, 12, 0, 10), FALSE},
        {"5 minutes later, same column", MakeTime(2026, 3, 20, 12, 5, 59), FALSE},
        {"6 minutes later, next column", MakeTime(2026, 3, 20, 12, 6), TRUE},
        {"set back by hours", MakeTime(2026, 3, 20, 9, 0), TRUE},
        {"forward in the same column", MakeTime(2026, 3, 20, 9, 5, 30), FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.recomposed, c.map.Refresh(row.utc, FALSE));
        if (row.recomposed) {
            EXPECT_EQ(row.utc.wMinute, c.map.RenderedTime().wMinute);
        }
    }
    // Set back by seconds within the column the picture shows: the unsigned minute count is
    // huge, so it recomposes.
    ASSERT_TRUE(c.map.Refresh(MakeTime(2026, 3, 20, 9, 5, 30), TRUE));
    EXPECT_TRUE(c.map.Refresh(MakeTime(2026, 3, 20, 9, 5, 0), FALSE));
    // A day later or earlier at the same minute: same column, other masks.
    EXPECT_TRUE(c.map.Refresh(MakeTime(2026, 3, 21, 9, 5, 0), FALSE));
    EXPECT_EQ(20260321, c.map.MaskDate());
    EXPECT_TRUE(c.map.Refresh(MakeTime(2026, 3, 20, 9, 5, 0), FALSE));
    EXPECT_EQ(20260320, c.map.MaskDate());
}

TEST_F(DayNightMapTest, MasksAreDrawnOncePerUtcDay) {
    Composer c(240, MAP_SHADING | MAP_TWILIGHT, MakeTime(2026, 6, 21, 0, 0));
    EXPECT_EQ(1, c.map.MaskBuilds());
    for (int minute = 6; minute < 1440; minute += 6) c.map.Refresh(MakeTime(2026, 6, 21, minute / 60, minute % 60), FALSE);
    EXPECT_EQ(1, c.map.MaskBuilds());
    EXPECT_TRUE(c.map.Refresh(MakeTime(2026, 6, 22, 0, 0), FALSE));
    EXPECT_EQ(2, c.map.MaskBuilds());
    EXPECT_EQ(20260622, c.map.MaskDate());
    // Forced: drawn again on the same day.
    EXPECT_TRUE(c.map.Refresh(MakeTime(2026, 6, 22, 0, 0), TRUE));
    EXPECT_EQ(3, c.map.MaskBuilds());
    // In June the North Pole is light all day and the South Pole dark.
    EXPECT_EQ(0, c.map.NightMask().pixelIndex(120, 0));
    EXPECT_EQ(1, c.map.NightMask().pixelIndex(0, 149));
    EXPECT_EQ(1, c.map.NightMask().pixelIndex(239, 149));
}

TEST_F(DayNightMapTest, TwilightSettingChoosesTheDarkOutline) {
    const SYSTEMTIME utc = MakeTime(2026, 3, 20, 0, 0);
    auto darkCount = [&](DWORD setting) {
        Composer c(240, MAP_SHADING | MAP_TWILIGHT, utc, setting);
        int n = 0;
        for (int x = 0; x < 240; ++x) n += c.map.DarkMask().pixelIndex(x, 75);
        // The dark region lies inside the night region.
        for (int y = 0; y < 150; y += 5) {
            for (int x = 0; x < 240; ++x) {
                if (c.map.DarkMask().pixelIndex(x, y) == 1) {
                    EXPECT_EQ(1, c.map.NightMask().pixelIndex(x, y)) << x << "," << y;
                }
            }
        }
        return n;
    };
    const int official = darkCount(1), civil = darkCount(2), nautical = darkCount(3), astronomical = darkCount(4);
    EXPECT_GT(official, civil);
    EXPECT_GT(civil, nautical);
    EXPECT_GT(nautical, astronomical);
    // Outside 1 … 4 reads as civil.
    EXPECT_EQ(civil, darkCount(0));
    EXPECT_EQ(civil, darkCount(7));
    // On the equator at an equinox the Sun is below -0.83° over 180° - 2 × 0.83° and below -6°
    // over 168°. The outline is its western edge mirrored about the prime meridian, and on 20
    // March that edge lies 1.85° east of a night centred on it (the equation of time), so the
    // outlines are 3.7° narrower: 174.6° or 116 columns of 1.5°, and 164.3° or 110 columns.
    EXPECT_NEAR(116, official, 2);
    EXPECT_NEAR(110, civil, 2);
}

TEST_F(DayNightMapTest, OptionsChanges) {
    const SYSTEMTIME utc = MakeTime(2026, 3, 20, 12, 0);
    Composer c(240, MAP_SHADING | MAP_TWILIGHT, utc);
    EXPECT_EQ(240, c.map.Width());
    const int builds = c.map.MaskBuilds();
    // The twilight bit alone: same images, masks drawn again.
    c.map.SetOptions(MAP_SHADING, utc);
    EXPECT_EQ(240, c.map.Width());
    EXPECT_EQ(builds + 1, c.map.MaskBuilds());
    // The zoom bit: the zoomed set.
    c.map.SetOptions(MAP_SHADING | MAP_ZOOMED, utc);
    EXPECT_EQ(480, c.map.Width());
    EXPECT_EQ(300, c.map.Height());
    // No shading: the day image alone, which never recomposes.
    c.map.SetOptions(0, utc);
    EXPECT_EQ(240, c.map.Width());
    EXPECT_FALSE(c.map.Day().IsValid());
    EXPECT_TRUE(c.map.Composite().IsValid());
    EXPECT_FALSE(c.map.Refresh(MakeTime(2026, 3, 20, 18, 0), TRUE));
    EXPECT_EQ(c.At(c.map.Composite(), 0, 75), [] {
        CDibSection day;
        day.LoadResource(130);
        return day.Image().pixelIndex(0, 75);
    }());

    c.map.Release();
    EXPECT_EQ(0, c.map.Width());
    EXPECT_FALSE(c.map.Composite().IsValid());
    EXPECT_TRUE(c.map.DarkMask().isNull());
    EXPECT_TRUE(c.map.Palette().isEmpty());
    EXPECT_FALSE(c.map.Refresh(utc, TRUE));
    EXPECT_TRUE(c.map.LoadImages(MAP_SHADING | MAP_TWILIGHT, utc));
    EXPECT_EQ(256, c.map.Palette().size());
}
