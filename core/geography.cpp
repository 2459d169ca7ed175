#include "geography.h"

#include "stringtable.h"
#include "zastrings.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr UINT IDS_MILES = 511;
constexpr UINT IDS_NAUTICAL_MILES = 512;
constexpr UINT IDS_KM = 513;
constexpr UINT IDS_KM_PER_HOUR = 514;
constexpr UINT IDS_MILES_PER_HOUR = 515;
constexpr UINT IDS_KNOTS = 516;
constexpr UINT IDS_DAYS_HOURS_MIN = 517;
constexpr UINT IDS_HOURS_MIN = 518;
constexpr UINT IDS_MIN_SEC = 519;
constexpr UINT IDS_EAST = 521;
constexpr UINT IDS_WEST = 522;
constexpr UINT IDS_NORTH = 523;
constexpr UINT IDS_SOUTH = 524;

// Exact constants of the system: kilometres to statute and to nautical miles.
constexpr double kKmToMiles = 0.6213711922;
constexpr double kKmToNauticalMiles = 0.5399568;

// The reference ellipsoid: flattening 1/298.257 and twice the equatorial radius 6378.14 km,
// held as these literals so that distances match the system's to the last digit.
constexpr double kFlattening = 0.0033528131778969143;
constexpr double kTwiceEquatorialRadiusKm = 12756.28;

QString FormatCoordinate(int value, bool latitude) {
    int degrees = 0, minutes = 0, positive = 0;
    ConvertToDMS(value, &degrees, &minutes, &positive);
    return FormatDegreesMinutes(degrees, minutes, positive != 0, latitude);
}

}  // namespace

void ConvertToDMS(int value, int* degrees, int* minutes, int* positive) {
    *positive = value >= 0 ? 1 : 0;
    // In 64 bits so that INT_MIN has a magnitude.
    const long long a = std::llabs(static_cast<long long>(value));
    *degrees = static_cast<int>(a / 100);
    *minutes = static_cast<int>(((a % 100) * 60 + 50) / 100);
}

void ConvertFromDMS(int* value, int degrees, int minutes, int positive) {
    // In 64 bits so that no input overflows; the result is kept within an int.
    long long b = (static_cast<long long>(minutes) * 100) / 60 + static_cast<long long>(degrees) * 100;
    if (!positive) b = -b;
    if (b > std::numeric_limits<int>::max()) b = std::numeric_limits<int>::max();
    if (b < std::numeric_limits<int>::min()) b = std::numeric_limits<int>::min();
    *value = static_cast<int>(b);
}

QString FormatLatitude(int value) { return FormatCoordinate(value, true); }

QString FormatLongitude(int value) { return FormatCoordinate(value, false); }

QString FormatDegreesMinutes(int degrees, int minutes, bool positive, bool latitude) {
    const UINT id = latitude ? (positive ? IDS_NORTH : IDS_SOUTH) : (positive ? IDS_EAST : IDS_WEST);
    return za::FormatString(za::CoreString(id), {degrees, minutes});
}

void GreatCircleDistance(long lon1, long lat1, long lon2, long lat2, double* km) {
    if (!km) return;
    if (lon1 == lon2 && lat1 == lat2) {
        *km = 0.0;
        return;
    }
    // Karney's solution of the inverse problem (GeographicLib), exact to round-off on the
    // system's ellipsoid. The Andoyer-Lambert approximation was up to 68 m out in general and
    // 33.6 km (0.17 %) too long near antipodal points (1° N 1° E to 1° S 179° W).
    static const GeographicLib::Geodesic ellipsoid(kTwiceEquatorialRadiusKm * 500.0, kFlattening);
    double metres = 0.0;
    ellipsoid.Inverse(lat1 / 100.0, lon1 / 100.0, lat2 / 100.0, lon2 / 100.0, metres);
    // Written this way round so that NaN also gives 0.
    *km = metres > 0.0 ? metres / 1000.0 : 0.0;
}

double ConvertDistance(double value, TUnitSystem from, TUnitSystem to) {
    if (from == usEnglish) {
        value /= kKmToMiles;
    } else if (from == usNautical) {
        value /= kKmToNauticalMiles;
    }
    if (to == usEnglish) {
        value *= kKmToMiles;
    } else if (to == usNautical) {
        value *= kKmToNauticalMiles;
    }
    return value;
}

QString FormatDistance(double km, TUnitSystem units) {
    const double x = ConvertDistance(km, usMetric, units);
    const UINT id = units == usEnglish ? IDS_MILES : units == usNautical ? IDS_NAUTICAL_MILES : IDS_KM;
    return za::FormatString(za::CoreString(id), {x});
}

QString FormatVelocity(double kmPerHour, TUnitSystem units) {
    const double x = ConvertDistance(kmPerHour, usMetric, units);
    const UINT id = units == usEnglish ? IDS_MILES_PER_HOUR : units == usNautical ? IDS_KNOTS : IDS_KM_PER_HOUR;
    return za::FormatString(za::CoreString(id), {x});
}

QString VelocityUnits(TUnitSystem units) {
    const UINT id = units == usEnglish ? IDS_MILES_PER_HOUR : units == usNautical ? IDS_KNOTS : IDS_KM_PER_HOUR;
    return za::CoreString(id).remove(QStringLiteral("%.0f "));
}

QString FormatTimeSpan(double days) {
    // Too long a span for an int day count (a speed of nearly 0) has no text to show.
    if (!std::isfinite(days) || std::fabs(days) >= static_cast<double>(std::numeric_limits<int>::max())) {
        return QString();
    }
    // Every part comes from the span rounded to the second, so 23:59:59.7 is a whole day
    // rather than "0 min 0 sec".
    const long long total = std::llround(std::fabs(days) * 86400.0);
    const int sign = days < 0 ? -1 : 1;
    const long long wholeDays = total / 86400;
    if (wholeDays > std::numeric_limits<int>::max()) return QString();
    const int d = sign * static_cast<int>(wholeDays);
    const int h = sign * static_cast<int>(total % 86400 / 3600);
    const int m = sign * static_cast<int>(total % 3600 / 60);
    const int s = sign * static_cast<int>(total % 60);
    if (d != 0) return za::FormatString(za::CoreString(IDS_DAYS_HOURS_MIN, std::abs(d)), {d, h, m});
    if (h != 0) return za::FormatString(za::CoreString(IDS_HOURS_MIN, std::abs(h)), {h, m});
    return za::FormatString(za::CoreString(IDS_MIN_SEC, std::abs(m)), {m, s});
}
