// The record database at the size of a large city list: 10,000 records of eight properties,
// sorted by name, zone and latitude, in the object store of a fresh temporary profile.
#include "benchprofile.h"
#include "objectstore.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr int kRecords = 10000;
constexpr CEPROPID kName = MAKE_PROPID(100, CEVT_LPWSTR);
constexpr CEPROPID kZone = MAKE_PROPID(101, CEVT_I2);
constexpr CEPROPID kLatitude = MAKE_PROPID(103, CEVT_I2);
constexpr CEPROPID kCountry = MAKE_PROPID(107, CEVT_LPWSTR);

QString NameOf(int i) { return QStringLiteral("City %1 of Somewhere").arg((i * 7919) % kRecords); }

struct Store {
    BenchProfile profile;
    CEGUID guid{};
    Store() {
        CREATE_SYSTEMGUID(&guid);
        CEDBASEINFO info{};
        info.szDbaseName = QStringLiteral("Bench Cities");
        info.wNumSortOrder = 3;
        info.rgSortSpecs[0] = {kName, CEDB_SORT_CASEINSENSITIVE};
        info.rgSortSpecs[1] = {kZone, 0};
        info.rgSortSpecs[2] = {kLatitude, 0};
        CeCreateDatabaseEx(&guid, &info);
        HANDLE db = Open(0);
        const QString country = QStringLiteral("Country");
        const QString airport = QStringLiteral("XYZ");
        for (int i = 0; i < kRecords; ++i) {
            const QString name = NameOf(i);
            CEPROPVAL v[8] = {};
            v[0].propid = kName;
            v[0].val.lpwstr = reinterpret_cast<const WCHAR*>(name.utf16());
            v[1].propid = kZone;
            v[1].val.iVal = static_cast<short>(i % 95);
            v[2].propid = MAKE_PROPID(102, CEVT_I2);
            v[2].val.iVal = static_cast<short>(i % 36000 - 18000);
            v[3].propid = kLatitude;
            v[3].val.iVal = static_cast<short>(i % 18000 - 9000);
            for (int p = 4; p < 8; ++p) {
                v[p].propid = MAKE_PROPID(static_cast<WORD>(100 + p), CEVT_LPWSTR);
                v[p].val.lpwstr = reinterpret_cast<const WCHAR*>((p == 7 ? country : airport).utf16());
            }
            CeWriteRecordProps(db, 0, 8, v);
        }
        CloseHandle(db);
    }
    HANDLE Open(CEPROPID sort) {
        CEOID oid = 0;
        return CeOpenDatabaseEx(&guid, &oid, QStringLiteral("Bench Cities"), sort, 0, nullptr);
    }
};

// One lookup by name: seek the first equal record and read all its properties into the
// reused record buffer.
void BM_ObjectStoreSeekAndRead(benchmark::State& state) {
    Store store;
    HANDLE db = store.Open(kName);
    std::vector<QString> names;
    std::mt19937 random(7);
    for (int i = 0; i < 1000; ++i) names.push_back(NameOf(static_cast<int>(random() % kRecords)));
    DWORD size = 1024;
    BYTE* buffer = LocalAlloc(LPTR, size);
    std::size_t next = 0;
    for (auto _ : state) {
        CEPROPVAL key{};
        key.propid = kName;
        key.val.lpwstr = reinterpret_cast<const WCHAR*>(names[next++ % names.size()].utf16());
        CEOID oid = CeSeekDatabase(db, CEDB_SEEK_VALUEFIRSTEQUAL, &key, nullptr);
        WORD count = 0;
        oid &= CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr);
        if (!oid) state.SkipWithError("lookup failed");
        benchmark::DoNotOptimize(buffer);
    }
    LocalFree(buffer);
    CloseHandle(db);
}
BENCHMARK(BM_ObjectStoreSeekAndRead)->Repetitions(5)->ReportAggregatesOnly(true);

// The name list: every record in name order, reading name and country.
void BM_ObjectStoreReadAllInOrder(benchmark::State& state) {
    Store store;
    DWORD size = 1024;
    BYTE* buffer = LocalAlloc(LPTR, size);
    const CEPROPID props[] = {kName, kCountry};
    for (auto _ : state) {
        HANDLE db = store.Open(kName);
        int read = 0;
        for (CEOID oid = CeSeekDatabase(db, CEDB_SEEK_BEGINNING, DWORD{0}, nullptr); oid;
             oid = CeSeekDatabase(db, CEDB_SEEK_CURRENT, DWORD{1}, nullptr)) {
            WORD count = 2;
            if (CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, props, &buffer, &size, nullptr)) ++read;
        }
        CloseHandle(db);
        if (read != kRecords) state.SkipWithError("walk incomplete");
    }
    LocalFree(buffer);
}
BENCHMARK(BM_ObjectStoreReadAllInOrder)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
