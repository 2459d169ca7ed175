#include "clockchange.h"

#include "biaschange.h"
#include "oledate.h"
#include "stringtable.h"
#include "timezone.h"
#include "worldstrings.h"

#include <QDate>
#include <QLocale>

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace za {
namespace {

constexpr std::int64_t kDay = 86400;

SYSTEMTIME FromSeconds(std::int64_t seconds) {
    SYSTEMTIME st{};
    SecondsToSystemTime(seconds, &st);
    return st;
}

int BiasAtSeconds(const CTimeZone& zone, std::int64_t seconds) { return zone.Bias(FromSeconds(seconds)); }

}  // namespace

ClockChange NextClockChange(const CTimeZone& zone, const SYSTEMTIME& afterUtc, int horizonDays) {
    ClockChange change;
    std::int64_t start = 0;
    if (!SystemTimeToSeconds(afterUtc, &start)) return change;
    const auto biasAt = [&zone](std::int64_t seconds) { return BiasAtSeconds(zone, seconds); };
    const std::optional<std::int64_t> after = NextBiasChange(start, horizonDays, biasAt);
    if (!after) return change;
    change.found = true;
    change.biasBefore = biasAt(start);
    change.biasAfter = biasAt(*after);
    change.utc = FromSeconds(*after);
    change.local = FromSeconds(*after - static_cast<std::int64_t>(change.biasBefore) * 60);
    return change;
}

QString ClockChangeAmountText(int minutes) {
    minutes = std::abs(minutes);
    const int hours = minutes / 60, rest = minutes % 60;
    QString hourText;
    if (hours == 1) {
        hourText = WorldString(IDS_ONE_HOUR);
    } else if (hours > 1) {
        hourText = FormatString(WorldString(IDS_N_HOURS), {hours});
    }
    if (rest == 0) return hourText;
    if (hourText.isEmpty()) return FormatString(WorldString(IDS_N_MIN), {rest});
    return FormatString(WorldString(IDS_HOURS_AND_MIN), {hourText, rest});
}

QString ClockChangeText(const ClockChange& change) {
    if (!change.found) return QString();
    const QLocale locale;
    const QDate date(change.local.wYear, change.local.wMonth, change.local.wDay);
    const QString dateText = locale.toString(date, QString::fromUtf16(kClockChangeDatePattern));
    const QString timeText = QString::asprintf("%02d:%02d", change.local.wHour, change.local.wMinute);
    return ClockChangeText(change.Minutes() > 0, ClockChangeAmountText(change.Minutes()), dateText, timeText);
}

QString ClockChangeText(bool forward, const QString& amount, const QString& date, const QString& time) {
    return FormatString(WorldString(forward ? IDS_CLOCKS_FORWARD : IDS_CLOCKS_BACK), {amount, date, time});
}

bool ChangesWithinDays(const ClockChange& change, const SYSTEMTIME& utc, int days) {
    std::int64_t now = 0, at = 0;
    if (!change.found || !SystemTimeToSeconds(utc, &now) || !SystemTimeToSeconds(change.utc, &at)) return false;
    return at > now && at - now <= days * kDay;
}

}  // namespace za
