#include "cityoffset.h"

#include "oledate.h"
#include "stringtable.h"
#include "timezone.h"
#include "worldstrings.h"

#include <cstdint>
#include <cstdlib>

namespace za {
namespace {

// Days since 1970 of the local date at a UTC instant under a bias.
std::int64_t LocalDay(std::int64_t utc, int bias) {
    const std::int64_t local = utc - static_cast<std::int64_t>(bias) * 60;
    return local >= 0 ? local / 86400 : -((-local + 86399) / 86400);
}

}  // namespace

CityOffset OffsetBetween(const CTimeZone& reference, const CTimeZone& zone, const SYSTEMTIME& utc) {
    CityOffset offset;
    std::int64_t seconds = 0;
    if (!SystemTimeToSeconds(utc, &seconds)) return offset;
    const int referenceBias = reference.Bias(utc), bias = zone.Bias(utc);
    offset.minutes = referenceBias - bias;
    offset.dayDelta = static_cast<int>(LocalDay(seconds, bias) - LocalDay(seconds, referenceBias));
    return offset;
}

QString OffsetText(int minutes) {
    const QString sign = minutes < 0 ? QStringLiteral("\u2212") : (minutes > 0 ? QStringLiteral("+") : QString());
    const int size = std::abs(minutes);
    if (size < 60 && size > 0) return FormatString(WorldString(IDS_OFFSET_MIN), {sign, size});
    if (size % 60 == 0) return FormatString(WorldString(IDS_OFFSET_HOURS), {sign, size / 60});
    return FormatString(WorldString(IDS_OFFSET_HOURS_MIN), {sign, size / 60, size % 60});
}

QString DayDeltaText(int dayDelta) {
    if (dayDelta < 0) return WorldString(IDS_YESTERDAY);
    if (dayDelta > 0) return WorldString(IDS_TOMORROW);
    return QString();
}

QString OffsetLabel(const CityOffset& offset) {
    const QString day = DayDeltaText(offset.dayDelta);
    return day.isEmpty() ? OffsetText(offset.minutes) : OffsetText(offset.minutes) + QLatin1Char(' ') + day;
}

}  // namespace za
