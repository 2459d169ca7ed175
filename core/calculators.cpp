#include "calculators.h"

#include "oledate.h"
#include "settings.h"
#include "translation.h"

#include <array>
#include <cstdint>
#include <cmath>

namespace za::calc {

namespace {

// The application's mode strings, in slider order.
const char* const kModeStrings[kTravelModeCount] = {
    "2~Walk",          "8~Sailboat",          "10~Bicycle",       "22~Cruise Ship",
    "48~Automobile",   "60~Train",            "136~High Speed Train", "125~Private Plane",
    "200~Commuter Turbo-Prop", "450~Commercial Jet", "520~Commercial Jet (fastest)", "1160~Concorde Supersonic",
};

const std::array<TravelMode, kTravelModeCount>& Modes() {
    static const std::array<TravelMode, kTravelModeCount> table = [] {
        std::array<TravelMode, kTravelModeCount> modes;
        // The application's table holds the same texts as 5000 to 5011: their translations serve here.
        for (int i = 0; i < kTravelModeCount; ++i) {
            const QString text = za::i18n::Translate("Zonaria", QString::fromLatin1(kModeStrings[i]),
                                                     QByteArray::number(5000 + i).constData());
            modes[i] = ParseTravelModeString(text);
        }
        return modes;
    }();
    return table;
}

}  // namespace

TUnitSystem UnitSystemSetting() {
    const DWORD value = GetReg().GetDWORDValue(CRegistry::UnitSystem);
    return value <= usNautical ? static_cast<TUnitSystem>(value) : usMetric;
}

bool GetTravelMode(int mode, TravelMode* out) {
    if (mode < 0 || mode >= kTravelModeCount) return false;
    if (out) *out = Modes()[static_cast<std::size_t>(mode)];
    return true;
}

TravelMode ParseTravelModeString(const QString& text) {
    const qsizetype tilde = text.indexOf(QLatin1Char('~'));
    const QString number = tilde < 0 ? text : text.left(tilde);
    // Leading digits only, as a C library's integer reading would take them.
    TravelMode mode;
    for (QChar c : number) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        if (mode.knots > 100000000) break;  // no mode is that fast; stop before overflow
        mode.knots = mode.knots * 10 + (c.unicode() - u'0');
    }
    mode.name = tilde < 0 ? QString() : text.mid(tilde + 1);
    return mode;
}

double InitialSpeed(TUnitSystem units) { return std::floor(ConvertDistance(500.0, usMetric, units)); }

double TravelModeSpeed(int mode, TUnitSystem units) {
    TravelMode m;
    if (!GetTravelMode(mode, &m)) return 0.0;
    return std::floor(ConvertDistance(m.knots, usNautical, units));
}

bool IsValidSpeed(double speed) { return std::isfinite(speed) && speed >= 0.0 && speed <= kMaxSpeed; }

QString TypedSpeedText(double speed, TUnitSystem units) {
    return FormatVelocity(ConvertDistance(speed, units, usMetric), units);
}

DistanceResult RecalculateDistance(int fromLongitude, int fromLatitude, int toLongitude, int toLatitude,
                                   double speed, TUnitSystem units) {
    DistanceResult r;
    r.unitText = VelocityUnits(units);
    GreatCircleDistance(fromLongitude, fromLatitude, toLongitude, toLatitude, &r.km);
    // A typed "-0" is no speed, as 0 is: no negative infinity of days.
    const double kmPerHour = speed == 0.0 ? 0.0 : ConvertDistance(speed, units, usMetric);
    r.days = (r.km / kmPerHour) / 24.0;
    if (std::isnan(r.days)) r.days = HUGE_VAL;  // 0 km at 0 km/h: no finite time either
    r.distanceText = FormatDistance(r.km, units);
    r.timeText = FormatTimeSpan(r.days);
    return r;
}

DistanceResult RecalculateDistance(const CCity& from, const CCity& to, double speed, TUnitSystem units) {
    return RecalculateDistance(from.Longitude(), from.Latitude(), to.Longitude(), to.Latitude(), speed, units);
}

bool ArrivalTime(const SYSTEMTIME& departureUtc, double days, SYSTEMTIME* arrivalUtc) {
    // Beyond about 27,000 centuries no calendar date is left; the bound also keeps the
    // conversion to whole seconds within 64 bits.
    constexpr double kMaxDays = 1.0e9;
    if (!std::isfinite(days) || days < 0.0 || days > kMaxDays) return false;
    std::int64_t seconds = 0;
    if (!za::SystemTimeToSeconds(departureUtc, &seconds)) return false;
    seconds += std::llround(days * 86400.0);
    SYSTEMTIME arrival{};
    if (!za::SecondsToSystemTime(seconds, &arrival)) return false;
    if (arrivalUtc) *arrivalUtc = arrival;
    return true;
}

QString ArrivalLocalText(const CCity& to, const SYSTEMTIME& departureUtc, double days) {
    SYSTEMTIME arrival{};
    if (!ArrivalTime(departureUtc, days, &arrival)) return QString();
    return to.LocalTimeAsString(arrival, TF_SHORTDATE_TIME);
}

SYSTEMTIME CombineDateAndTime(const SYSTEMTIME& date, const SYSTEMTIME& time) {
    SYSTEMTIME st{};
    st.wYear = date.wYear;
    st.wMonth = date.wMonth;
    st.wDay = date.wDay;
    st.wHour = time.wHour;
    st.wMinute = time.wMinute;
    st.wSecond = time.wSecond;
    st.wMilliseconds = time.wMilliseconds;
    // Recompute the weekday through the date conversion so the value is a proper SYSTEMTIME.
    DATE d = 0;
    if (SystemTimeToVariantTime(&st, &d)) {
        SYSTEMTIME back{};
        if (VariantTimeToSystemTime(d, &back)) st.wDayOfWeek = back.wDayOfWeek;
    }
    return st;
}

SYSTEMTIME ReferenceTimeToUtc(const CCity& reference, const SYSTEMTIME& date, const SYSTEMTIME& time,
                              QString* note) {
    return reference.LocalToUtc(CombineDateAndTime(date, time), note);
}

SYSTEMTIME InitialReferenceTime(const CCity& reference, const SYSTEMTIME& utcNow) {
    SYSTEMTIME local{};
    reference.TimeZone().UTCTimeToLocalTime(utcNow, local);
    local.wMinute = 0;
    local.wSecond = 0;
    local.wMilliseconds = 0;
    return local;
}

}  // namespace za::calc
