#include "oledate.h"

#include <cmath>

namespace za {

namespace {
constexpr std::int64_t kSecondsPerDay = 86400;
// Days from 1970-01-01 back to the OLE epoch, 1899-12-30.
constexpr std::int64_t kOleEpochDays = -25569;
constexpr DATE kMinDate = -657434.0;            // 1 January 100
constexpr DATE kMaxDate = 2958466.0;             // 1 January 10000, exclusive

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Linear seconds since the OLE epoch of an OLE date, rounded to the whole second.
bool OleToLinearSeconds(DATE date, std::int64_t* seconds) {
    if (!std::isfinite(date) || date < kMinDate - 1.0 || date >= kMaxDate) return false;
    double whole = date < 0 ? std::ceil(date) : std::floor(date);
    double fraction = std::fabs(date - whole);
    auto day = static_cast<std::int64_t>(whole);
    *seconds = day * kSecondsPerDay + static_cast<std::int64_t>(std::llround(fraction * kSecondsPerDay));
    return true;
}

DATE LinearToOle(double linearDays) {
    double day = std::floor(linearDays);
    double fraction = linearDays - day;
    return day >= 0 ? day + fraction : day - fraction;
}

double OleToLinear(DATE date) {
    double whole = date < 0 ? std::ceil(date) : std::floor(date);
    return whole + std::fabs(date - whole);
}
}  // namespace

std::int64_t DaysFromCivil(int y, int m, int d) {
    // Howard Hinnant's days_from_civil.
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int* year, int* month, int* day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    *year = static_cast<int>(y + (m <= 2));
    *month = static_cast<int>(m);
    *day = static_cast<int>(d);
}

int WeekdayFromDays(std::int64_t days) {
    // 1970-01-01 was a Thursday.
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) {
        bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    return (month >= 1 && month <= 12) ? kDays[month - 1] : 0;
}

bool SystemTimeToSeconds(const SYSTEMTIME& st, std::int64_t* seconds) {
    if (st.wYear < 1 || st.wYear > 9999 || st.wMonth < 1 || st.wMonth > 12 || st.wDay < 1 ||
        st.wDay > 31 || st.wHour > 23 || st.wMinute > 59 || st.wSecond > 59) {
        return false;
    }
    // Day overflow rolls forward: DaysFromCivil is linear in the day.
    std::int64_t days = DaysFromCivil(st.wYear, st.wMonth, 1) + (st.wDay - 1);
    *seconds = days * kSecondsPerDay + st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
    return true;
}

bool SecondsToSystemTime(std::int64_t seconds, SYSTEMTIME* st) {
    std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
    std::int64_t rest = seconds - days * kSecondsPerDay;
    int y, m, d;
    CivilFromDays(days, &y, &m, &d);
    if (y < 1 || y > 9999) return false;
    st->wYear = static_cast<WORD>(y);
    st->wMonth = static_cast<WORD>(m);
    st->wDay = static_cast<WORD>(d);
    st->wDayOfWeek = static_cast<WORD>(WeekdayFromDays(days));
    st->wHour = static_cast<WORD>(rest / 3600);
    st->wMinute = static_cast<WORD>(rest % 3600 / 60);
    st->wSecond = static_cast<WORD>(rest % 60);
    st->wMilliseconds = 0;
    return true;
}

double DateSpan(long days, int hours, int minutes, int seconds) {
    return static_cast<double>(days) + hours / 24.0 + minutes / 1440.0 + seconds / 86400.0;
}

DATE AddSpan(DATE date, double spanDays) { return LinearToOle(OleToLinear(date) + spanDays); }

double SpanBetween(DATE date1, DATE date2) { return OleToLinear(date2) - OleToLinear(date1); }

}  // namespace za

BOOL SystemTimeToVariantTime(const SYSTEMTIME* st, DATE* out) {
    if (!st || !out || st->wYear < 100) return FALSE;
    std::int64_t seconds = 0;
    if (!za::SystemTimeToSeconds(*st, &seconds)) return FALSE;
    std::int64_t days = za::FloorDiv(seconds, za::kSecondsPerDay);
    std::int64_t secondOfDay = seconds - days * za::kSecondsPerDay;
    std::int64_t oleDay = days - za::kOleEpochDays;
    double fraction = static_cast<double>(secondOfDay) / za::kSecondsPerDay;
    DATE value = oleDay >= 0 ? oleDay + fraction : oleDay - fraction;
    if (value >= za::kMaxDate) return FALSE;
    *out = value;
    return TRUE;
}

BOOL VariantTimeToSystemTime(DATE date, SYSTEMTIME* st) {
    if (!st || !std::isfinite(date) || date <= za::kMinDate - 1.0 || date >= za::kMaxDate) return FALSE;
    std::int64_t linear = 0;
    if (!za::OleToLinearSeconds(date, &linear)) return FALSE;
    SYSTEMTIME result{};
    if (!za::SecondsToSystemTime(linear + za::kOleEpochDays * za::kSecondsPerDay, &result)) return FALSE;
    if (result.wYear < 100 || result.wYear > 9999) return FALSE;
    *st = result;
    return TRUE;
}
