// The city's sunrise, sunset and moonrise texts, over the search in sun.cpp.
#include "city.h"
#include "clock.h"
#include "sun.h"

namespace {

// The given local date, or the city's local date now.
SYSTEMTIME LocalDateOf(const CCity& city, const SYSTEMTIME* date) {
    if (date) return *date;
    SYSTEMTIME utc{}, local{};
    GetSystemTime(&utc);
    city.TimeZone().UTCTimeToLocalTime(utc, local);
    return local;
}

}  // namespace

void CCity::RiseSet(QString& riseText, QString& setText, const SYSTEMTIME* date, ZENITH zenith) const {
    za::astro::RiseSetTexts(TimeZone(), Longitude(), Latitude(), LocalDateOf(*this, date), zenith, riseText, setText);
}

QString CCity::DaylightHours(const SYSTEMTIME* date, ZENITH zenith) const {
    return za::astro::DaylightHoursText(TimeZone(), Longitude(), Latitude(), LocalDateOf(*this, date), zenith);
}
