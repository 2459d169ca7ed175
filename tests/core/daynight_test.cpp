#include "daynight.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

struct Outline {
    std::vector<POINT> points;
    int count = 0;
};

// The outline for a date with room for `capacity` points, in a buffer with guard points
// behind it that must stay untouched.
Outline Compute(ZENITH zenith, int year, int month, int day, int capacity = 292) {
    constexpr int kGuard = 16;
    Outline o;
    o.points.assign(capacity + kGuard, POINT{12345, 12345});
    o.count = capacity;
    CalcDarkBoundaries(zenith, year, month, day, o.points.data(), &o.count);
    for (int i = capacity; i < capacity + kGuard; ++i) {
        EXPECT_EQ(12345, o.points[i].x) << "written past the capacity at " << i;
    }
    return o;
}

// The second half mirrors the first: reversed, x negated.
void ExpectMirrored(const Outline& o) {
    const int k = o.count / 2;
    for (int i = 0; i < k; ++i) {
        const POINT& west = o.points[k - 1 - i];
        const POINT& east = o.points[k + i];
        ASSERT_EQ(-west.x, east.x) << i;
        ASSERT_EQ(west.y, east.y) << i;
    }
}

// The western half runs south to north (a corner repeats the pole's y).
void ExpectSouthToNorth(const Outline& o) {
    for (int i = 1; i < o.count / 2; ++i) ASSERT_GE(o.points[i].y, o.points[i - 1].y) << i;
}

}  // namespace

TEST(DarkBoundaries, EquinoxEdgeCrossesEveryParallelButThePoles) {
    // Near the March equinox both poles see the Sun within 0.1 degree of the horizon, above
    // the -50' of official sunset: they add nothing, and the other 143 parallels one point each.
    const Outline o = Compute(ZENITH_OFFICIAL, 2026, 3, 20);
    ASSERT_EQ(2 * 143, o.count);
    ExpectMirrored(o);
    ExpectSouthToNorth(o);
    // 88.75 degrees either side; adding a half and truncating toward zero rounds the southern
    // one up.
    EXPECT_EQ(-8874, o.points[0].y);
    EXPECT_EQ(8875, o.points[142].y);
    // At 0 h UT the Sun is over the date line, so the night is centred on the prime meridian
    // and its western edge crosses the equator near 90 degrees west.
    const POINT& equator = o.points[71];
    ASSERT_EQ(0, equator.y);
    EXPECT_NEAR(-9000, equator.x, 300);
    EXPECT_NEAR(9000, o.points[o.count - 1 - 71].x, 300);
}

TEST(DarkBoundaries, DarkPolesCloseThroughTheMapCorners) {
    struct Row {
        const char* name;
        int month;
        bool northDark;
    } rows[] = {
        {"December, North Pole dark", 12, true},
        {"June, South Pole dark", 6, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Outline o = Compute(ZENITH_OFFICIAL, 2026, r.month, 21);
        ExpectMirrored(o);
        ExpectSouthToNorth(o);
        const int k = o.count / 2;
        if (r.northDark) {
            // The west edge runs up the map's left border into the north-west corner, and the
            // east half starts from the north-east one.
            EXPECT_EQ(-18000, o.points[k - 1].x);
            EXPECT_EQ(9000, o.points[k - 1].y);
            EXPECT_EQ(-18000, o.points[k - 2].x);
            EXPECT_EQ(9000, o.points[k - 2].y);  // the pole itself: 90° gives 9000
            EXPECT_EQ(-18000, o.points[k - 3].x);
            EXPECT_EQ(18000, o.points[k].x);
            EXPECT_EQ(9000, o.points[k].y);
            EXPECT_NE(-18000, o.points[0].x) << "the South Pole is in daylight";
        } else {
            EXPECT_EQ(-18000, o.points[0].x);
            EXPECT_EQ(-9000, o.points[0].y);
            // The pole: -90° + 0.5 truncated toward zero.
            EXPECT_EQ(-18000, o.points[1].x);
            EXPECT_EQ(-8999, o.points[1].y);
            EXPECT_EQ(18000, o.points[o.count - 1].x);
            EXPECT_EQ(-9000, o.points[o.count - 1].y);
            EXPECT_NE(-18000, o.points[k - 1].x) << "the North Pole is in daylight";
        }
    }
}

TEST(DarkBoundaries, NeverMoreThanTheCapacity) {
    for (int capacity : {292, 100, 12}) {
        for (int zenith = ZENITH_OFFICIAL; zenith <= ZENITH_ASTRONOMICAL; ++zenith) {
            for (int day = 1; day <= 365; day += 4) {
                SCOPED_TRACE(testing::Message() << "capacity " << capacity << ", zenith " << zenith << ", day " << day);
                const Outline o = Compute(static_cast<ZENITH>(zenith), 2026, 1, day, capacity);
                ASSERT_LE(o.count, capacity);
                ASSERT_EQ(0, o.count % 2);
                ASSERT_GT(o.count, 0);
                ExpectMirrored(o);
                for (int i = 0; i < o.count; ++i) {
                    ASSERT_LE(std::abs(o.points[i].y), 9000);
                    ASSERT_LE(std::abs(o.points[i].x), 18000 + 500);  // a little past the date line at most
                }
            }
        }
    }
}

TEST(DarkBoundaries, DeeperTwilightShrinksTheDarkRegion) {
    // At the equator the edge for -18 degrees lies 18 degrees of longitude further from the
    // Sun's side than official sunset, that is further east on the western edge.
    const Outline official = Compute(ZENITH_OFFICIAL, 2026, 9, 23);
    const Outline astronomical = Compute(ZENITH_ASTRONOMICAL, 2026, 9, 23);
    auto equatorX = [](const Outline& o) {
        for (int i = 0; i < o.count / 2; ++i) {
            if (o.points[i].y == 0) return o.points[i].x;
        }
        return LONG{0};
    };
    EXPECT_NEAR(equatorX(official) + 1800 - 83, equatorX(astronomical), 30);
}
