#include "astro.h"
#include "moon.h"
#include "profile.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace za::astro;
using za::test::MakeTime;

namespace {

double MinutesOf(const SYSTEMTIME& st) {
    return DayNumber(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond) * 1440.0;
}

struct Phases {
    enLunarPhase last = static_cast<enLunarPhase>(-1);
    enLunarPhase next = static_cast<enLunarPhase>(-1);
    SYSTEMTIME lastTime{};
    SYSTEMTIME nextTime{};
};

Phases PhasesAround(const SYSTEMTIME& when) {
    Phases p;
    MoonPhase(when, p.last, p.lastTime, p.next, p.nextTime);
    return p;
}

}  // namespace

TEST(DeltaT, ZeroOutsideItsYearsAndContinuousWithin) {
    EXPECT_EQ(0.0, DeltaT(-1.7501));  // 1824
    EXPECT_EQ(0.0, DeltaT(0.0501));   // 2005
    EXPECT_EQ(0.0, DeltaT(1.0));
    EXPECT_NEAR(10.4, DeltaT(-1.75), 1e-9);  // 1825
    // The quarter-century cubics meet to within a second: a wrong coefficient would not.
    for (int i = -6; i <= 0; ++i) {
        SCOPED_TRACE(i);
        const double joint = i / 4.0;
        EXPECT_NEAR(DeltaT(joint - 1e-9), DeltaT(joint), 1.0);
    }
    // 2000 to 2005 run on along the cubic of 1975 to 2000, seamlessly.
    EXPECT_NEAR(DeltaT(-1e-9), DeltaT(0.0), 1e-5);
    EXPECT_GT(DeltaT(0.05), DeltaT(0.0));
}

TEST(CalendarFromMjd, DatesTimesAndTheCalendarReform) {
    struct Row {
        const char* name;
        double mjd;
        int y, m, d, h, mi, s;
    } rows[] = {
        {"epoch", 0.0, 1858, 11, 17, 0, 0, 0},
        {"J2000", 51544.5, 2000, 1, 1, 12, 0, 0},
        {"seconds truncated", 51544.5 + 59.9 / 86400.0, 2000, 1, 1, 12, 0, 59},
        {"last Julian day", -100841.0, 1582, 10, 4, 0, 0, 0},
        {"first Gregorian day", -100840.0, 1582, 10, 15, 0, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const SYSTEMTIME st = CalendarFromMjd(r.mjd);
        EXPECT_EQ(r.y, st.wYear);
        EXPECT_EQ(r.m, st.wMonth);
        EXPECT_EQ(r.d, st.wDay);
        EXPECT_EQ(r.h, st.wHour);
        EXPECT_EQ(r.mi, st.wMinute);
        EXPECT_EQ(r.s, st.wSecond);
        EXPECT_EQ(0, st.wDayOfWeek);
        EXPECT_EQ(0, st.wMilliseconds);
    }
}

TEST(CalendarFromMjd, InvertsTheDayNumberOverTenCenturies) {
    // Every 13th day from 1500 to 2500 at 06:00, both calendars and every month end included.
    for (double mjd = DayNumber(1500, 1, 1, 6, 0, 0); mjd < DayNumber(2500, 1, 1, 0, 0, 0); mjd += 13.0) {
        const SYSTEMTIME st = CalendarFromMjd(mjd);
        ASSERT_NEAR(mjd, DayNumber(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond), 1e-6)
            << st.wYear << "-" << st.wMonth << "-" << st.wDay;
    }
}

TEST(PegasusRoot, ConvergesKeepsItsBracketAndStopsWithoutOne) {
    int calls = 0;
    auto cubic = [&calls](double x) {
        ++calls;
        return x * x * x - 2.0;
    };
    bool ok = false;
    EXPECT_NEAR(std::cbrt(2.0), PegasusRoot(cubic, 0.0, 2.0, 1e-10, &ok), 1e-10);
    EXPECT_TRUE(ok);
    EXPECT_LE(calls, 32);

    // No sign change: no step, the left end back.
    calls = 0;
    EXPECT_EQ(1.5, PegasusRoot(cubic, 1.5, 2.0, 1e-10, &ok));
    EXPECT_FALSE(ok);
    EXPECT_EQ(2, calls);

    // A zero exactly at the right end is the root.
    EXPECT_EQ(2.0, PegasusRoot([](double x) { return x - 2.0; }, 1.0, 2.0, 1e-10, &ok));

    // Thirty steps at most: an accuracy that can never be met stops there.
    calls = 0;
    PegasusRoot(cubic, 0.0, 2.0, -1.0, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(32, calls);
}

// Phase times of Astronomy Engine for January 2026: full moon 3 Jan 10:03:26, last quarter
// 10 Jan 15:49:03, new moon 18 Jan 19:52:39.
TEST(MoonPhase, AroundAFullAndANewMoon) {
    struct Row {
        const char* name;
        SYSTEMTIME when;
        int last;
        SYSTEMTIME lastRef;
        int next;
        SYSTEMTIME nextRef;
    } rows[] = {
        {"two days after full moon", MakeTime(2026, 1, 5, 10, 0), LP_FULL_MOON, MakeTime(2026, 1, 3, 10, 3, 26), LP_LAST_QUARTER,
         MakeTime(2026, 1, 10, 15, 49, 3)},
        {"an hour before new moon", MakeTime(2026, 1, 18, 18, 52), LP_LAST_QUARTER, MakeTime(2026, 1, 10, 15, 49, 3), LP_NEW_MOON,
         MakeTime(2026, 1, 18, 19, 52, 39)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Phases p = PhasesAround(r.when);
        EXPECT_EQ(r.last, p.last);
        EXPECT_EQ(r.next, p.next);
        EXPECT_NEAR(MinutesOf(r.lastRef), MinutesOf(p.lastTime), 8.0);
        EXPECT_NEAR(MinutesOf(r.nextRef), MinutesOf(p.nextTime), 8.0);
        for (const SYSTEMTIME& st : {p.lastTime, p.nextTime}) {
            EXPECT_EQ(0, st.wDayOfWeek);
            EXPECT_EQ(0, st.wMilliseconds);
        }
    }
}

TEST(MoonPhase, AtTheInstantOfAPhase) {
    // Ask again at the full moon the search itself reported: it is one side of the instant,
    // within the search's half-minute, and the other side is the neighbouring quarter, never
    // the full moon a second time.
    const SYSTEMTIME full = PhasesAround(MakeTime(2026, 1, 5, 10, 0)).lastTime;
    const Phases p = PhasesAround(full);
    const bool fullIsLast = p.last == LP_FULL_MOON;
    ASSERT_NE(fullIsLast, p.next == LP_FULL_MOON);
    EXPECT_EQ(fullIsLast ? LP_LAST_QUARTER : LP_FIRST_QUARTER, fullIsLast ? p.next : p.last);
    EXPECT_NEAR(MinutesOf(full), MinutesOf(fullIsLast ? p.lastTime : p.nextTime), 1.0);
    EXPECT_GT(std::fabs(MinutesOf(full) - MinutesOf(fullIsLast ? p.nextTime : p.lastTime)), 6.0 * 1440.0);
}
