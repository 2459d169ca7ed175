#include "geography.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct DmsCase {
    const char* nickname;
    int value;
    int degrees;
    int minutes;
    int positive;
};

}  // namespace

TEST(Coordinates, ConvertToDmsRoundsHundredthsToMinutes) {
    const DmsCase cases[] = {
        {"37.75 N", 3775, 37, 45, 1},
        {"122.42 W rounds 25.2 down", -12242, 122, 25, 0},
        {"half a degree south", -50, 0, 30, 0},
        {"99 hundredths never give 60 minutes", 99, 0, 59, 1},
        {"zero counts as north or east", 0, 0, 0, 1},
        {"half a minute rounds up", 1, 0, 1, 1},  // 0.6 minute
        {"the date line", -18000, 180, 0, 0},
        {"pole", 9000, 90, 0, 1},
        {"most negative int has a magnitude", std::numeric_limits<int>::min(), 21474836, 29, 0},
    };
    for (const DmsCase& c : cases) {
        SCOPED_TRACE(c.nickname);
        int d = -1, m = -1, p = -1;
        ConvertToDMS(c.value, &d, &m, &p);
        EXPECT_EQ(c.degrees, d);
        EXPECT_EQ(c.minutes, m);
        EXPECT_EQ(c.positive, p);
    }
    for (int v = -18000; v <= 18000; ++v) {
        int d = 0, m = 0, p = 0;
        ConvertToDMS(v, &d, &m, &p);
        ASSERT_LE(m, 59) << v;
    }
}

TEST(Coordinates, ConvertFromDmsTruncatesAndIsNotAnExactRoundTrip) {
    int value = 0;
    ConvertFromDMS(&value, 37, 45, 1);
    EXPECT_EQ(3775, value);
    ConvertFromDMS(&value, 0, 1, 1);
    EXPECT_EQ(1, value);
    ConvertFromDMS(&value, 122, 25, 0);
    EXPECT_EQ(-12241, value);
    // 2 hundredths become 0° 1' and come back as 1.
    int d = 0, m = 0, p = 0;
    ConvertToDMS(2, &d, &m, &p);
    ConvertFromDMS(&value, d, m, p);
    EXPECT_EQ(1, value);
    ConvertFromDMS(&value, 0, 30, 0);
    EXPECT_EQ(-50, value);
    ConvertFromDMS(&value, std::numeric_limits<int>::max(), 59, 1);
    EXPECT_EQ(std::numeric_limits<int>::max(), value) << "held within an int, not overflowed";
}

TEST(Coordinates, FormatsWithHemisphere) {
    EXPECT_EQ(QStringLiteral("40\u00b0 45\u00b4 N"), FormatLatitude(4075));
    EXPECT_EQ(QStringLiteral("0\u00b0 0\u00b4 N"), FormatLatitude(0));
    EXPECT_EQ(QStringLiteral("0\u00b0 30\u00b4 S"), FormatLatitude(-50));
    EXPECT_EQ(QStringLiteral("0\u00b0 0\u00b4 E"), FormatLongitude(0));
    EXPECT_EQ(QStringLiteral("122\u00b0 25\u00b4 W"), FormatLongitude(-12242));
    EXPECT_EQ(QStringLiteral("180\u00b0 0\u00b4 E"), FormatLongitude(18000));
}

TEST(GreatCircle, SpecialPositions) {
    double km = -1;
    GreatCircleDistance(1234, 4567, 1234, 4567, &km);
    EXPECT_EQ(0.0, km) << "identical positions are exactly 0";
    // One pole at two longitudes: 0/0 in exact arithmetic; cos(90°) is not exactly 0 in
    // doubles, so what remains is a rounding residue far below a metre.
    GreatCircleDistance(0, 9000, 4500, 9000, &km);
    EXPECT_NEAR(0.0, km, 1e-9);
    GreatCircleDistance(-9000, -9000, 9000, -9000, &km);
    EXPECT_NEAR(0.0, km, 1e-9);
    EXPECT_FALSE(std::isnan(km));
    GreatCircleDistance(0, 0, 0, 100, &km);
    EXPECT_NEAR(110.6, km, 0.05);
    GreatCircleDistance(0, 0, 100, 0, &km);
    EXPECT_NEAR(111.3, km, 0.05);
    double a = 0, b = 0;
    GreatCircleDistance(-7401, 4071, -13, 5151, &a);
    GreatCircleDistance(-13, 5151, -7401, 4071, &b);
    EXPECT_DOUBLE_EQ(a, b) << "symmetric";
    GreatCircleDistance(0, 9000, 0, -9000, &km);
    EXPECT_NEAR(20003.9, km, 0.1) << "pole to pole";
    GreatCircleDistance(1, 2, 3, 4, nullptr);  // writes nothing, does not crash
}

// Against GeodSolve on the same ellipsoid, within a metre everywhere: the Andoyer-Lambert
// approximation was up to 68 m out, and 33.6 km too long from 1° N 1° E to 1° S 179° W.
TEST(GreatCircle, AgreesWithTheExactGeodesic) {
    QFile file(QStringLiteral(ZONARIA_TEST_DATA "/geodesic.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << "see tests/data/README.md";
    file.readLine();  // header
    constexpr double kToleranceKm = 0.001;
    double worst = 0;
    QString worstRow;
    int rows = 0;
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
        if (f.size() != 6) continue;
        ++rows;
        double km = 0;
        GreatCircleDistance(f[1].toLong(), f[2].toLong(), f[3].toLong(), f[4].toLong(), &km);
        const double exact = f[5].toDouble();
        const double error = std::fabs(km - exact);
        if (error >= worst) {
            worst = error;
            worstRow = QStringLiteral("%1: %2 km, exact %3 km").arg(f[0]).arg(km, 0, 'f', 6).arg(exact, 0, 'f', 6);
        }
    }
    EXPECT_GE(rows, 39);
    EXPECT_LT(worst, kToleranceKm) << "worst " << worst * 1000.0 << " m at " << qPrintable(worstRow);
}

TEST(Units, ConvertsDistancesAndSpeeds) {
    EXPECT_DOUBLE_EQ(62.13711922, ConvertDistance(100, usMetric, usEnglish));
    EXPECT_NEAR(100.0, ConvertDistance(62.13711922, usEnglish, usMetric), 1e-12);
    EXPECT_DOUBLE_EQ(53.99568, ConvertDistance(100, usMetric, usNautical));
    EXPECT_NEAR(100.0, ConvertDistance(ConvertDistance(100, usEnglish, usNautical), usNautical, usEnglish), 1e-12);
    EXPECT_EQ(7.5, ConvertDistance(7.5, static_cast<TUnitSystem>(9), static_cast<TUnitSystem>(9)))
        << "unknown systems count as metric";

    EXPECT_EQ(QStringLiteral("62 miles"), FormatDistance(100, usEnglish));
    EXPECT_EQ(QStringLiteral("100 km"), FormatDistance(100, usMetric));
    EXPECT_EQ(QStringLiteral("54 nautical miles"), FormatDistance(100, usNautical));
    EXPECT_EQ(QStringLiteral("0 km"), FormatDistance(0.4, usMetric));
    EXPECT_EQ(QStringLiteral("54 knots"), FormatVelocity(100, usNautical));
    EXPECT_EQ(QStringLiteral("559 miles/hour"), FormatVelocity(900, usEnglish));
    EXPECT_EQ(QStringLiteral("900 km/hour"), FormatVelocity(900, usMetric));
    EXPECT_EQ(QStringLiteral("km/hour"), VelocityUnits(usMetric));
    EXPECT_EQ(QStringLiteral("miles/hour"), VelocityUnits(usEnglish));
    EXPECT_EQ(QStringLiteral("knots"), VelocityUnits(usNautical));
}

TEST(TimeSpans, FormatsDaysHoursMinutesAndSeconds) {
    struct Span {
        const char* nickname;
        double days;
        const char* text;
    } spans[] = {
        {"a day and a half", 1.5, "1 days 12 hours 0 min"},
        {"a quarter day", 0.25, "6 hours 0 min"},
        {"minutes and seconds", 0.01, "14 min 24 sec"},
        {"nothing", 0.0, "0 min 0 sec"},
        {"rounded to the second", 1.0 / 86400 * 59.6, "1 min 0 sec"},
        // Every part comes from the span rounded to the second.
        {"23:59:59.7 is a whole day", (86399.7) / 86400.0, "1 days 0 hours 0 min"},
        {"1.9999954 days are two days", 1.9999954, "2 days 0 hours 0 min"},
        {"just under an hour", 3599.6 / 86400.0, "1 hours 0 min"},
    };
    for (const Span& s : spans) {
        SCOPED_TRACE(s.nickname);
        EXPECT_EQ(QString::fromUtf8(s.text), FormatTimeSpan(s.days));
    }
}

TEST(TimeSpans, SpansWithoutADayCountGiveNoText) {
    // A travel at a speed of 0 or nearly 0.
    EXPECT_EQ(QString(), FormatTimeSpan(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(QString(), FormatTimeSpan(-std::numeric_limits<double>::infinity()));
    EXPECT_EQ(QString(), FormatTimeSpan(std::nan("")));
    EXPECT_EQ(QString(), FormatTimeSpan(1e12));
    EXPECT_EQ(QString(), FormatTimeSpan(static_cast<double>(std::numeric_limits<int>::max())));
    EXPECT_EQ(QStringLiteral("2000000000 days 0 hours 0 min"), FormatTimeSpan(2e9));
}
