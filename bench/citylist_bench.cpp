// The city list on the shipped data and on a generated 50,000-city database: the look-ups the
// pickers, the map and the editor make.
#include "benchprofile.h"
#include "cityinstall.h"
#include "citylist.h"
#include "textfold.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// Replaces the installed city database with `count` generated cities spread over the globe
// (0 keeps the shipped list). With accented, every third name carries letters that fold
// ("Zürich 12", "Łódź 15", "São 18").
void UseCities(int count, bool accented = false) {
    if (count == 0) return;
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEOID oid = 0;
    CloseHandle(CeOpenDatabaseEx(&store, &oid, QStringLiteral("Zonaria Cities"), 0, 0, nullptr));
    CeDeleteDatabaseEx(&store, oid);
    QByteArray csv = "name,country,phone,area,airport,latitude,longitude,tz,zone_id\n";
    std::mt19937 random(11);
    for (int i = 0; i < count; ++i) {
        const int latitude = static_cast<int>(random() % 15001) - 6000;
        const int longitude = static_cast<int>(random() % 36000) - 18000;
        static const char* const kAccented[] = {"Zürich", "Łódź", "São", "Ærø", "Straße", "Bogotá", "Reykjavík"};
        const QString stem = accented && i % 3 == 0 ? QString::fromUtf8(kAccented[i / 3 % 7]) : QStringLiteral("Town");
        csv += QStringLiteral("%1 %2,Country %3,%4,,,%5,%6,UTC,85\n")
                   .arg(stem)
                   .arg(i)
                   .arg(i % 200)
                   .arg(i % 999 + 1)
                   .arg(latitude)
                   .arg(longitude)
                   .toUtf8();
    }
    QString error;
    za::CreateCityDatabase(&store, csv, &error);
}

QString SomeName(CCityList& list, std::mt19937& random) {
    QString name = [&] {
        POSITION pos = list.GetHeadCityNamePosition();
        const int skip = static_cast<int>(random() % static_cast<unsigned>(list.GetCityCount()));
        for (int i = 0; i < skip; ++i) list.GetNextCityName(pos);
        return list.GetNextCityName(pos);
    }();
    return name.left(name.lastIndexOf(QStringLiteral(" (")));
}

void BM_CityListOpenAndLoadNames(benchmark::State& state) {
    BenchProfile profile;
    UseCities(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CCityList list;
        list.Open();
        list.LoadCityNames();
        benchmark::DoNotOptimize(list.GetCityCount());
        list.Close();
    }
}
BENCHMARK(BM_CityListOpenAndLoadNames)->Arg(0)->Arg(50000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CityListLoadCityByName(benchmark::State& state) {
    BenchProfile profile;
    UseCities(static_cast<int>(state.range(0)));
    CCityList list;
    list.Open();
    std::mt19937 random(3);
    std::vector<QString> names;
    for (int i = 0; i < 200; ++i) names.push_back(SomeName(list, random));
    std::size_t next = 0;
    CCity city;
    for (auto _ : state) {
        if (!list.LoadCity(names[next++ % names.size()], city)) state.SkipWithError("city not found");
    }
    list.Close();
}
BENCHMARK(BM_CityListLoadCityByName)->Arg(0)->Arg(50000)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CityListFindNearestCity(benchmark::State& state) {
    BenchProfile profile;
    UseCities(static_cast<int>(state.range(0)));
    CCityList list;
    list.Open();
    std::mt19937 random(5);
    CCity city;
    for (auto _ : state) {
        const int latitude = static_cast<int>(random() % 12001) - 5000;
        const int longitude = static_cast<int>(random() % 36000) - 18000;
        benchmark::DoNotOptimize(list.FindNearestCity(longitude, latitude, city));
    }
    list.Close();
}
BENCHMARK(BM_CityListFindNearestCity)->Arg(0)->Arg(50000)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CityListFindIndexOfCity(benchmark::State& state) {
    BenchProfile profile;
    UseCities(static_cast<int>(state.range(0)));
    CCityList list;
    list.Open();
    std::mt19937 random(9);
    std::vector<QString> prefixes;
    for (int i = 0; i < 200; ++i) prefixes.push_back(SomeName(list, random));  // found where it stands
    std::size_t next = 0;
    for (auto _ : state) benchmark::DoNotOptimize(list.FindIndexOfCity(prefixes[next++ % prefixes.size()]));
    list.Close();
}
BENCHMARK(BM_CityListFindIndexOfCity)->Arg(0)->Arg(50000)->Repetitions(5)->ReportAggregatesOnly(true);

// The prefix search as a user types, without accents, on 50,000 generated names of which a
// third carry accents: "Zurich 1234" for "Zürich 1234", "lodz" for every "Łódź", "town 4".
void BM_CityListFindIndexOfCityFolded(benchmark::State& state) {
    BenchProfile profile;
    UseCities(static_cast<int>(state.range(0)), true);
    CCityList list;
    list.Open();
    std::mt19937 random(17);
    std::vector<QString> typed;
    for (int i = 0; i < 200; ++i) {
        const QString name = SomeName(list, random);
        typed.push_back(za::FoldForSearch(name.left(static_cast<qsizetype>(1 + random() % static_cast<unsigned>(name.size())))));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        if (list.FindIndexOfCity(typed[next++ % typed.size()]) < 0) state.SkipWithError("not found");
    }
    list.Close();
}
BENCHMARK(BM_CityListFindIndexOfCityFolded)->Arg(50000)->Repetitions(5)->ReportAggregatesOnly(true);

// One screen of a picker: 15 rows loaded by position.
void BM_CityListLoadOneScreen(benchmark::State& state) {
    BenchProfile profile;
    UseCities(static_cast<int>(state.range(0)));
    CCityList list;
    list.Open();
    std::mt19937 random(13);
    const int count = list.GetCityCount();
    CCity city;
    for (auto _ : state) {
        const long first = static_cast<long>(random() % static_cast<unsigned>(std::max(1, count - 15)));
        list.BeginLoadCityByIndex();
        for (long i = first; i < first + 15 && i < count; ++i) list.LoadCity(i, city);
        list.EndLoadCityByIndex();
    }
    list.Close();
}
BENCHMARK(BM_CityListLoadOneScreen)->Arg(0)->Arg(50000)->Repetitions(5)->ReportAggregatesOnly(true);

// The check a profile gets when a process first opens it: SQLite's quick check of the shipped
// profile (every page read, every record's form checked), on a fresh connection each time as at
// a program's start, with the file in the system's cache (target under 20 ms).
void BM_ProfileQuickCheck(benchmark::State& state) {
    BenchProfile profile;
    za::device::Db();  // installs the shipped profile
    UseCities(static_cast<int>(state.range(0)));
    const QString file = za::device::Status().file;
    za::device::Reset();
    for (auto _ : state) {
        za::sql::Database db;
        db.open(file, false);
        db.exec("PRAGMA cache_size = -32768");
        db.exec("PRAGMA mmap_size = 268435456");
        za::sql::Statement check = db.prepare("PRAGMA quick_check(1)");
        if (!check.step() || check.columnText(0) != QLatin1String("ok")) state.SkipWithError("the profile fails its check");
    }
}
BENCHMARK(BM_ProfileQuickCheck)->Arg(0)->Arg(50000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
