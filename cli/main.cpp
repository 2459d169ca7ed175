// zonaria-cli: the world clock without a window. For now it shows the device's clock and
// where its profile lives.
#include "citylist.h"
#include "clock.h"
#include "device.h"
#include "localetext.h"
#include "tzderive.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

QString Stamp(const SYSTEMTIME& st) {
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(st.wYear, 4, 10, QLatin1Char('0'))
        .arg(st.wMonth, 2, 10, QLatin1Char('0'))
        .arg(st.wDay, 2, 10, QLatin1Char('0'))
        .arg(st.wHour, 2, 10, QLatin1Char('0'))
        .arg(st.wMinute, 2, 10, QLatin1Char('0'))
        .arg(st.wSecond, 2, 10, QLatin1Char('0'));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    out << "Device profile: " << za::device::ProfilePath() << "\n";
    if (!za::device::Db()) {
        err << "zonaria-cli: " << za::device::LastError() << "\n";
        return 1;
    }
    SYSTEMTIME utc{}, local{};
    GetSystemTime(&utc);
    GetLocalTime(&local);
    TIME_ZONE_INFORMATION tzi{};
    const DWORD state = GetTimeZoneInformation(&tzi);
    const QString zoneName = state == TIME_ZONE_ID_DAYLIGHT ? za::tz::DaylightName(tzi) : za::tz::StandardName(tzi);

    out << "UTC:            " << Stamp(utc) << "\n";
    out << "Local:          " << Stamp(local) << "  " << za::locale::FormatDate(local, DATE_LONGDATE) << ", "
        << za::locale::FormatTime(local, TIME_NOSECONDS) << "\n";
    out << "Time zone:      " << zoneName << "\n";
    CCityList& cities = GetCityList();
    if (cities.Open()) {
        out << "Cities:         " << cities.GetCityCount() << "\n";
        cities.Close();
    } else {
        out << "Cities:         the city database cannot be opened\n";
    }
    return 0;
}
