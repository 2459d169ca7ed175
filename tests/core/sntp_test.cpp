// NTP timestamps and day numbers: conversions, rounding, carries and the 2036 era.
#include "sntp.h"

#include "oledate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

SYSTEMTIME Time(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(y);
    t.wMonth = static_cast<WORD>(mo);
    t.wDay = static_cast<WORD>(d);
    t.wHour = static_cast<WORD>(h);
    t.wMinute = static_cast<WORD>(mi);
    t.wSecond = static_cast<WORD>(s);
    t.wMilliseconds = static_cast<WORD>(ms);
    return t;
}

void ExpectTime(const SYSTEMTIME& want, const SYSTEMTIME& got) {
    EXPECT_EQ(want.wYear, got.wYear);
    EXPECT_EQ(want.wMonth, got.wMonth);
    EXPECT_EQ(want.wDay, got.wDay);
    EXPECT_EQ(want.wHour, got.wHour);
    EXPECT_EQ(want.wMinute, got.wMinute);
    EXPECT_EQ(want.wSecond, got.wSecond);
    EXPECT_EQ(want.wMilliseconds, got.wMilliseconds);
    EXPECT_EQ(za::WeekdayFromDays(za::DaysFromCivil(want.wYear, want.wMonth, want.wDay)), got.wDayOfWeek);
}

}  // namespace

TEST(NtpTimestamp, FromSystemTimeGivesSecondsSince1900AndTheFraction) {
    struct Case {
        const char* name;
        SYSTEMTIME utc;
        std::uint32_t seconds;
        std::uint32_t fraction;
    } const cases[] = {
        {"1 January 1900 is zero", Time(1900, 1, 1), 0, 0},
        {"1 January 1970", Time(1970, 1, 1), 2208988800u, 0},
        {"500 ms is half of 2^32", Time(1970, 1, 1, 0, 0, 0, 500), 2208988800u, 2147483648u},
        {"1 ms rounds 4294967.296 down", Time(1970, 1, 1, 0, 0, 0, 1), 2208988800u, 4294967u},
        {"999 ms rounds up", Time(1970, 1, 1, 0, 0, 0, 999), 2208988800u, 4290672329u},
        {"the last second before the wrap", Time(2036, 2, 7, 6, 28, 15), 0xFFFFFFFFu, 0},
        {"the wrap itself starts the next era at 0", Time(2036, 2, 7, 6, 28, 16), 0, 0},
        {"2040 is written in the next era", Time(2040, 1, 1), 123010304u, 0},  // 4417977600 - 2^32
        {"the first second of the readable window", Time(1968, 1, 20, 3, 14, 8), 0x80000000u, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NtpTimestamp t;
        ASSERT_TRUE(t.FromSystemTime(c.utc));
        EXPECT_EQ(c.seconds, t.Seconds());
        EXPECT_EQ(c.fraction, t.Fraction());
    }
}

TEST(NtpTimestamp, RoundTripsEveryMillisecondAndAcrossTheEras) {
    const SYSTEMTIME times[] = {
        Time(1968, 1, 20, 3, 14, 8),        Time(1970, 1, 1),          Time(1999, 12, 31, 23, 59, 59, 999),
        Time(2000, 2, 29, 12, 0, 0, 1),      Time(2026, 6, 1, 12, 34, 56, 789),
        Time(2036, 2, 7, 6, 28, 15, 999),    Time(2036, 2, 7, 6, 28, 16),  // both sides of the wrap
        Time(2036, 3, 1, 0, 0, 0, 250),      Time(2040, 2, 29, 23, 59, 59, 500),
        Time(2104, 2, 26, 9, 42, 23, 999),   // the last instant the eras can tell apart
    };
    for (const SYSTEMTIME& utc : times) {
        SCOPED_TRACE(utc.wYear);
        NtpTimestamp t;
        ASSERT_TRUE(t.FromSystemTime(utc));
        SYSTEMTIME back{};
        t.ToSystemTime(back);
        ExpectTime(utc, back);
    }
    // Every millisecond survives the trip through the fraction.
    for (int ms = 0; ms < 1000; ++ms) {
        NtpTimestamp t;
        ASSERT_TRUE(t.FromSystemTime(Time(2026, 6, 1, 0, 0, 0, ms)));
        SYSTEMTIME back{};
        t.ToSystemTime(back);
        ASSERT_EQ(ms, back.wMilliseconds) << "fraction " << t.Fraction();
        ASSERT_EQ(0, back.wSecond);
    }
}

TEST(NtpTimestamp, MillisecondsRoundingUpTo1000CarryIntoTheSeconds) {
    struct Case {
        const char* name;
        SYSTEMTIME at;  // whole second the fraction is added to
        double fraction;
        SYSTEMTIME want;
    } cases[] = {
        {"999.6 ms is the next second", Time(2026, 6, 1, 10, 20, 30), 0.9996, Time(2026, 6, 1, 10, 20, 31)},
        {"the carry reaches the year", Time(2026, 12, 31, 23, 59, 59), 0.9996, Time(2027, 1, 1)},
        {"the largest fraction", Time(2026, 2, 28, 23, 59, 59), 4294967295.0 / 4294967296.0, Time(2026, 3, 1)},
        {"999.4 ms stays", Time(2026, 6, 1, 10, 20, 30), 0.9994, Time(2026, 6, 1, 10, 20, 30, 999)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NtpTimestamp whole;
        ASSERT_TRUE(whole.FromSystemTime(c.at));
        const auto fraction = static_cast<std::uint32_t>(std::llround(c.fraction * 4294967296.0 - 0.5));
        SYSTEMTIME got{};
        NtpTimestamp::Make(whole.Seconds(), fraction).ToSystemTime(got);
        ExpectTime(c.want, got);
    }
}

TEST(NtpTimestamp, TimesThatDoNotExistAreRefused) {
    struct Case {
        const char* name;
        SYSTEMTIME utc;
    } cases[] = {
        {"1000 ms would read past the fraction table", Time(2026, 6, 1, 0, 0, 0, 1000)},
        {"65535 ms", Time(2026, 6, 1, 0, 0, 0, 65535)},
        {"month 0", Time(2026, 0, 1)},
        {"month 13", Time(2026, 13, 1)},
        {"30 February", Time(2026, 2, 30)},
        {"29 February of a common year", Time(2100, 2, 29)},
        {"day 0", Time(2026, 6, 0)},
        {"hour 24", Time(2026, 6, 1, 24)},
        {"minute 60", Time(2026, 6, 1, 0, 60)},
        {"second 60", Time(2026, 6, 1, 0, 0, 60)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NtpTimestamp t = NtpTimestamp::Make(12345, 678);
        EXPECT_FALSE(t.FromSystemTime(c.utc));
        EXPECT_EQ(NtpTimestamp::Make(12345, 678), t);
    }
}

TEST(NtpTimestamp, DifferenceReadsEachTimestampInItsEra) {
    constexpr std::uint32_t k1970 = 2208988800u;
    struct Case {
        const char* name;
        NtpTimestamp a;
        NtpTimestamp b;
        double want;
    } cases[] = {
        {"half a second", NtpTimestamp::Make(k1970, 0x80000000u), NtpTimestamp::Make(k1970, 0), 0.5},
        {"negated when a is earlier", NtpTimestamp::Make(k1970, 0), NtpTimestamp::Make(k1970, 0x80000000u), -0.5},
        {"the fraction borrows", NtpTimestamp::Make(k1970 + 1, 0x40000000u), NtpTimestamp::Make(k1970, 0xC0000000u), 0.5},
        {"equal", NtpTimestamp::Make(k1970, 7), NtpTimestamp::Make(k1970, 7), 0.0},
        {"across the 2036 wrap", NtpTimestamp::Make(1, 0), NtpTimestamp::Make(0xFFFFFFFFu, 0), 2.0},
        {"back across the wrap", NtpTimestamp::Make(0xFFFFFFFFu, 0), NtpTimestamp::Make(1, 0), -2.0},
        {"1970 to 2040", NtpTimestamp::Make(123010304u, 0), NtpTimestamp::Make(k1970, 0), 2208988800.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(c.want, NtpTimestamp::Difference(c.a, c.b), 1e-9);
    }
}

TEST(NtpTimestamp, AddSecondsCarriesAndBorrowsBetweenTheWords) {
    struct Case {
        const char* name;
        NtpTimestamp t;
        double x;
        NtpTimestamp want;
    } cases[] = {
        {"a negative offset borrows from the seconds", NtpTimestamp::Make(100, 0x40000000u), -0.5,
         NtpTimestamp::Make(99, 0xC0000000u)},
        {"a positive one carries into them", NtpTimestamp::Make(100, 0xC0000000u), 0.5,
         NtpTimestamp::Make(101, 0x40000000u)},
        {"whole seconds back", NtpTimestamp::Make(100, 5), -40.0, NtpTimestamp::Make(60, 5)},
        {"minus three hours and a quarter second", NtpTimestamp::Make(20000, 0), -10800.25,
         NtpTimestamp::Make(9199, 0xC0000000u)},
        {"forward over the 2036 wrap", NtpTimestamp::Make(0xFFFFFFFFu, 0x80000000u), 1.5, NtpTimestamp::Make(1, 0)},
        {"back over the wrap", NtpTimestamp::Make(1, 0), -2.0, NtpTimestamp::Make(0xFFFFFFFFu, 0)},
        {"not a number changes nothing", NtpTimestamp::Make(100, 1), std::numeric_limits<double>::quiet_NaN(),
         NtpTimestamp::Make(100, 1)},
        {"nor does infinity", NtpTimestamp::Make(100, 1), -std::numeric_limits<double>::infinity(),
         NtpTimestamp::Make(100, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NtpTimestamp got = NtpTimestamp::AddSeconds(c.t, c.x);
        EXPECT_EQ(c.want.Seconds(), got.Seconds());
        // The fraction of x is scaled by 2^32 - 1, so a half is one unit short of 2^31 at most.
        EXPECT_NEAR(static_cast<double>(c.want.Fraction()), static_cast<double>(got.Fraction()), 1.0);
    }
    // A move back and forth by an exchange's offset returns to the start within one unit.
    const NtpTimestamp start = NtpTimestamp::Make(3990000000u, 123456789u);
    const NtpTimestamp there = NtpTimestamp::AddSeconds(start, -10800.123456);
    EXPECT_NEAR(-10800.123456, NtpTimestamp::Difference(there, start), 1e-9);
}

TEST(NtpTimestamp, WireFormIsBigEndianSecondsThenFraction) {
    const NtpTimestamp t = NtpTimestamp::Make(0x01020304u, 0x05060708u);
    unsigned char bytes[8] = {};
    t.Write(bytes);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(i + 1, bytes[i]);
    EXPECT_EQ(t, NtpTimestamp::Read(bytes));
}

TEST(DayNumbers, AgreeWithTheCivilCalendarEveryDayFrom1600To2400) {
    EXPECT_EQ(2415021, DateToDayNumber(1900, 1, 1));
    EXPECT_EQ(2440588, DateToDayNumber(1970, 1, 1));
    EXPECT_EQ(2451545, DateToDayNumber(2000, 1, 1));
    EXPECT_EQ(2299161, DateToDayNumber(1582, 10, 15));  // the first Gregorian day
    int worst = 0;
    for (std::int64_t days = za::DaysFromCivil(1600, 1, 1); days <= za::DaysFromCivil(2400, 12, 31); ++days) {
        int y = 0, m = 0, d = 0;
        za::CivilFromDays(days, &y, &m, &d);
        const long dayNumber = DateToDayNumber(y, m, d);
        if (dayNumber != days + 2440588) {
            ADD_FAILURE() << y << '-' << m << '-' << d << " gives " << dayNumber;
            if (++worst > 5) return;
        }
        int by = 0, bm = 0, bd = 0;
        DayNumberToDate(dayNumber, by, bm, bd);
        if (by != y || bm != m || bd != d) {
            ADD_FAILURE() << dayNumber << " gives " << by << '-' << bm << '-' << bd;
            if (++worst > 5) return;
        }
    }
}
