#include "oledate.h"
#include "profile.h"

#include <cmath>

namespace {

SYSTEMTIME St(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    SYSTEMTIME st{};
    st.wYear = y;
    st.wMonth = mo;
    st.wDay = d;
    st.wHour = h;
    st.wMinute = mi;
    st.wSecond = s;
    st.wMilliseconds = ms;
    return st;
}

BOOL ToDate(const SYSTEMTIME& st, DATE* d) { return SystemTimeToVariantTime(&st, d); }

}  // namespace

TEST(OleDate, KnownDatesOnBothSidesOfTheEpoch) {
    struct Row {
        const char* name;
        SYSTEMTIME st;
        double date;
    } rows[] = {
        {"epoch", St(1899, 12, 30), 0.0},
        {"1 Jan 1900", St(1900, 1, 1), 2.0},
        {"noon after epoch", St(1899, 12, 30, 12), 0.5},
        {"day before epoch, 06:00", St(1899, 12, 29, 6), -1.25},
        {"two days before, 18:00", St(1899, 12, 28, 18), -2.75},
        {"2003-04-06 07:00", St(2003, 4, 6, 7), 37717.0 + 7.0 / 24},
        {"first valid day", St(100, 1, 1), -657434.0},
        {"last valid day", St(9999, 12, 31), 2958465.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        DATE d = 0;
        ASSERT_TRUE(SystemTimeToVariantTime(&r.st, &d));
        EXPECT_NEAR(r.date, d, 1e-9);
        SYSTEMTIME back{};
        ASSERT_TRUE(VariantTimeToSystemTime(r.date, &back));
        EXPECT_EQ(r.st.wYear, back.wYear);
        EXPECT_EQ(r.st.wMonth, back.wMonth);
        EXPECT_EQ(r.st.wDay, back.wDay);
        EXPECT_EQ(r.st.wHour, back.wHour);
        EXPECT_EQ(r.st.wMinute, back.wMinute);
    }
}

TEST(OleDate, MillisecondsAreDroppedAndSecondsRounded) {
    DATE d = 0;
    ASSERT_TRUE(ToDate(St(2020, 2, 29, 23, 59, 59, 999), &d));
    SYSTEMTIME back{};
    ASSERT_TRUE(VariantTimeToSystemTime(d, &back));
    EXPECT_EQ(59, back.wSecond);
    EXPECT_EQ(0, back.wMilliseconds);
    EXPECT_EQ(6, back.wDayOfWeek);  // a Saturday

    // 0.6 s before midnight rounds into the next day, and the weekday follows.
    ASSERT_TRUE(VariantTimeToSystemTime(d + 0.6 / 86400, &back));
    EXPECT_EQ(3, back.wMonth);
    EXPECT_EQ(1, back.wDay);
    EXPECT_EQ(0, back.wHour);
    EXPECT_EQ(0, back.wDayOfWeek);
    // Before the epoch the fraction still counts forward: -1.9999999 is 29 Dec, almost midnight,
    // which rounds to 30 Dec 00:00.
    ASSERT_TRUE(VariantTimeToSystemTime(-1.0 - (86399.6 / 86400), &back));
    EXPECT_EQ(30, back.wDay);
    EXPECT_EQ(0, back.wHour);
}

TEST(OleDate, InvalidInputFails) {
    DATE d = 0;
    EXPECT_FALSE(ToDate(St(2020, 13, 1), &d));
    EXPECT_FALSE(ToDate(St(2020, 0, 1), &d));
    EXPECT_FALSE(ToDate(St(2020, 1, 32), &d));
    EXPECT_FALSE(ToDate(St(2020, 1, 1, 24), &d));
    EXPECT_FALSE(ToDate(St(99, 1, 1), &d));
    SYSTEMTIME st{};
    EXPECT_FALSE(VariantTimeToSystemTime(2958466.0, &st));
    EXPECT_FALSE(VariantTimeToSystemTime(-657435.0, &st));
    EXPECT_FALSE(VariantTimeToSystemTime(std::nan(""), &st));
    // A day past the month's end rolls over, as on the handheld.
    ASSERT_TRUE(ToDate(St(2021, 4, 31), &d));
    ASSERT_TRUE(VariantTimeToSystemTime(d, &st));
    EXPECT_EQ(5, st.wMonth);
    EXPECT_EQ(1, st.wDay);
}

TEST(OleDate, SpansCrossTheEpochAlongTheTimeLine) {
    // 29 Dec 1899 06:00 plus one day is 30 Dec 06:00.
    EXPECT_NEAR(0.25, za::AddSpan(-1.25, 1.0), 1e-12);
    EXPECT_NEAR(-1.25, za::AddSpan(0.25, -1.0), 1e-12);
    EXPECT_NEAR(1.0, za::SpanBetween(-1.25, 0.25), 1e-12);
    EXPECT_NEAR(1.5 + 2.0 / 24 + 3.0 / 1440 + 4.0 / 86400, za::DateSpan(1, 14, 3, 4), 1e-12);
}
