// Makes a device profile with a city database of a chosen size, for the scale benchmarks:
//
//   bench_scale_cities DEVICE COUNT
//
// The shipped cities come first; the rest are copies of them under numbered names ("Zürich 7"),
// moved a little, in the same countries and zones, so that names, accents and scripts are spread
// as in the real list. The profile is installed first (as a first start would), and its city
// database then replaced.
#include "cityinstall.h"
#include "citylist.h"
#include "citylistcsv.h"
#include "device.h"
#include "objectstore.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_scale_cities DEVICE COUNT\n");
        return 2;
    }
    qputenv("ZONARIA_DEVICE", argv[1]);
    const long count = QByteArray(argv[2]).toLong();
    std::vector<za::CityListRow> rows;
    QString error;
    if (!za::ParseCityList(za::ShippedCityList(), &rows, &error) || rows.empty() || count < 1) {
        std::fprintf(stderr, "bench_scale_cities: nothing to copy\n");
        return 2;
    }
    QByteArray csv = "name,country,phone,area,airport,latitude,longitude,tz,zone_id\n";
    csv.reserve(static_cast<qsizetype>(count) * 64);
    const long shipped = static_cast<long>(rows.size());
    for (long i = 0; i < count; ++i) {
        za::CityListRow city = rows[static_cast<size_t>(i % shipped)];
        const long copy = i / shipped;
        if (copy > 0) {
            // Names hold at most 31 characters: the number is kept, the name shortened.
            const QString suffix = QStringLiteral(" %1").arg(copy + 1);
            city.name = city.name.left(31 - suffix.size()).trimmed() + suffix;
            city.latitude = static_cast<short>(std::clamp(city.latitude + static_cast<int>(copy % 7) * 11 - 33, -9000, 9000));
            city.longitude = static_cast<short>((city.longitude + static_cast<int>(copy % 11) * 13 + 18000 - 65 + 36000) % 36000 - 18000);
        }
        const QStringList texts = {city.name, city.country, city.phone, city.area, city.airport};
        for (const QString& text : texts) {
            QString quoted = text;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            csv += '"' + quoted.toUtf8() + "\",";
        }
        csv += QByteArray::number(city.latitude) + ',' + QByteArray::number(city.longitude) + ',' + city.tz + ',' +
               QByteArray::number(city.zoneId) + '\n';
    }
    // Opening the store installs the profile; the shipped database then gives way.
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseEx(&store, &oid, QString::fromUtf16(kCityDatabaseName), 0, 0, nullptr);
    if (db == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "bench_scale_cities: the profile does not open: %s\n", qPrintable(za::device::LastError()));
        return 1;
    }
    CloseHandle(db);
    CeDeleteDatabaseEx(&store, oid);
    int imported = 0;
    if (!za::CreateCityDatabase(&store, csv, &error, &imported)) {
        std::fprintf(stderr, "bench_scale_cities: %s\n", qPrintable(error));
        return 1;
    }
    za::device::Reset();
    std::printf("%d cities in %s\n", imported, argv[1]);
    return 0;
}
