#include "citylist.h"

#include "settings.h"
#include "stringtable.h"
#include "textfold.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <deque>
#include <numeric>
#include <vector>

#include <malloc.h>

namespace {

// The record-reading buffer, shared by the whole library: allocated by a successful Open,
// freed by Close, enlarged by the object store when a record needs more.
constexpr DWORD kRecordBufferSize = 1024;
BYTE* g_recordBuffer = nullptr;
DWORD g_recordBufferSize = 0;

const QString kForbiddenNameCharacters = QStringLiteral("\"~()*%#");

QString DatabaseName() { return QString::fromUtf16(kCityDatabaseName); }

// A walk in sort order ends where a seek finds no further record; any other failure (a damaged
// page, a lost handle) means records could not be read, and the walk must not pass for whole.
bool WalkEnded() { return GetLastError() == ERROR_SEEK; }

CEPROPVAL TextValue(CEPROPID id, const QString& text) {
    CEPROPVAL v{};
    v.propid = id;
    v.val.lpwstr = reinterpret_cast<const WCHAR*>(text.utf16());
    return v;
}

CEPROPVAL ShortValue(CEPROPID id, short value) {
    CEPROPVAL v{};
    v.propid = id;
    v.val.iVal = value;
    return v;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// CDBCityList

CDBCityList::CDBCityList() { CREATE_INVALIDGUID(&m_volume); }

CDBCityList::~CDBCityList() {
    CloseDatabase();
    Close();
}

BOOL CDBCityList::Open(const QString& path) {
    m_path = path;
    if (path.isEmpty()) {
        CREATE_SYSTEMGUID(&m_volume);
    } else if (!CeMountDBVol(&m_volume, path, OPEN_EXISTING)) {
        // A missing or foreign file: no volume to unmount later.
        CREATE_INVALIDGUID(&m_volume);
        return FALSE;
    }
    if (!OpenDatabase(PROPID_CITY_NAME)) return FALSE;
    CloseDatabase();
    if (!g_recordBuffer) {
        g_recordBuffer = LocalAlloc(LPTR, kRecordBufferSize);
        g_recordBufferSize = g_recordBuffer ? kRecordBufferSize : 0;
    }
    return TRUE;
}

BOOL CDBCityList::Close() {
    g_recordBuffer = LocalFree(g_recordBuffer);
    g_recordBufferSize = 0;
    if (!CHECK_INVALIDGUID(&m_volume) && !m_path.isEmpty()) {
        const BOOL unmounted = CeUnmountDBVol(&m_volume);
        // Unmounted once: a second Close must not unmount another user's mount of the file.
        CREATE_INVALIDGUID(&m_volume);
        return unmounted;
    }
    return TRUE;
}

BOOL CDBCityList::OpenDatabase(CEPROPID sortPropid) {
    CloseDatabase();
    if (CHECK_INVALIDGUID(&m_volume)) return FALSE;
    m_database = CeOpenDatabaseEx(&m_volume, &m_databaseOid, m_databaseOid ? QString() : DatabaseName(),
                                  sortPropid, 0, nullptr);
    return m_database != INVALID_HANDLE_VALUE;
}

void CDBCityList::CloseDatabase() {
    if (m_database != INVALID_HANDLE_VALUE) {
        CloseHandle(m_database);
        m_database = INVALID_HANDLE_VALUE;
    }
}

BOOL CDBCityList::ReadCity(CDBCity& city) {
    WORD count = 0;
    if (!CeReadRecordPropsEx(m_database, CEDB_ALLOWREALLOC, &count, nullptr, &g_recordBuffer,
                             &g_recordBufferSize, nullptr)) {
        return FALSE;
    }
    city.ResetForLoad();
    const auto* values = reinterpret_cast<const CEPROPVAL*>(g_recordBuffer);
    for (WORD i = 0; i < count; ++i) {
        const CEPROPVAL& v = values[i];
        switch (v.propid) {
        case PROPID_CITY_NAME: city.m_name = QString::fromUtf16(v.val.lpwstr); break;
        case PROPID_CITY_TZID: city.m_timeZoneID = v.val.iVal; break;
        case PROPID_CITY_LONGITUDE: city.m_longitude = v.val.iVal; break;
        case PROPID_CITY_LATITUDE: city.m_latitude = v.val.iVal; break;
        case PROPID_CITY_AIRPORT: city.m_airportCode = QString::fromUtf16(v.val.lpwstr); break;
        case PROPID_CITY_COUNTRY_CODE: city.m_countryPhoneCode = QString::fromUtf16(v.val.lpwstr); break;
        case PROPID_CITY_AREA_CODE: city.m_areaCode = QString::fromUtf16(v.val.lpwstr); break;
        case PROPID_CITY_COUNTRY: city.m_countryName = QString::fromUtf16(v.val.lpwstr); break;
        default: break;
        }
    }
    return TRUE;
}

CEOID CDBCityList::SeekName(const QString& name) {
    CEPROPVAL key = TextValue(PROPID_CITY_NAME, name);
    return CeSeekDatabase(m_database, CEDB_SEEK_VALUEFIRSTEQUAL, &key, nullptr);
}

BOOL CDBCityList::LoadCity(const QString& name, CDBCity& city) {
    if (!OpenDatabase(PROPID_CITY_NAME)) return FALSE;
    const BOOL loaded = SeekName(name) && ReadCity(city);
    CloseDatabase();
    return loaded;
}

BOOL CDBCityList::BeginLoadCityByIndex() { return OpenDatabase(PROPID_CITY_NAME); }

BOOL CDBCityList::LoadCity(long index, CDBCity& city) {
    if (m_database == INVALID_HANDLE_VALUE || index < 0) return FALSE;
    return CeSeekDatabase(m_database, CEDB_SEEK_BEGINNING, static_cast<DWORD>(index), nullptr) && ReadCity(city);
}

BOOL CDBCityList::LoadCityInBracket(const QString& name, CDBCity& city) {
    return m_database != INVALID_HANDLE_VALUE && SeekName(name) && ReadCity(city);
}

void CDBCityList::EndLoadCityByIndex() { CloseDatabase(); }

BOOL CDBCityList::FindCityWithSameTZ(int tzID, CDBCity& city, const QString* preferred) {
    if (preferred && OpenDatabase(PROPID_CITY_NAME)) {
        CDBCity candidate(city);
        if (SeekName(*preferred) && ReadCity(candidate) && candidate.m_timeZoneID == tzID) {
            city = candidate;
            CloseDatabase();
            return TRUE;
        }
        CloseDatabase();
    }
    if (!OpenDatabase(PROPID_CITY_TZID)) return FALSE;
    CEPROPVAL key = ShortValue(PROPID_CITY_TZID, static_cast<short>(tzID));
    const BOOL found = CeSeekDatabase(m_database, CEDB_SEEK_VALUEFIRSTEQUAL, &key, nullptr) && ReadCity(city);
    CloseDatabase();
    return found;
}

BOOL CDBCityList::FindNearestCity(int longitude, int latitude, CDBCity& city) {
    if (!OpenDatabase(PROPID_CITY_LATITUDE)) return FALSE;
    // Each pass's box holds the last one, so the records of the latitude band are read once,
    // as the band grows, and kept in latitude order; each pass then looks through them. The
    // result is the same as walking the whole band in every pass: the last record of the band,
    // in latitude order, whose longitude lies in the box.
    struct Seen {
        CEOID oid;
        int longitude;
    };
    std::deque<Seen> band;
    const CEPROPID position[] = {PROPID_CITY_LONGITUDE, PROPID_CITY_LATITUDE};
    // Reads the records whose latitude lies in (low, high], in order; false when they could
    // not all be read.
    auto readBand = [&](int low, int high, std::vector<Seen>* out) {
        CEPROPVAL key = ShortValue(PROPID_CITY_LATITUDE, static_cast<short>(low));
        for (CEOID oid = CeSeekDatabase(m_database, CEDB_SEEK_VALUEGREATER, &key, nullptr); oid;
             oid = CeSeekDatabase(m_database, CEDB_SEEK_CURRENT, DWORD{1}, nullptr)) {
            WORD count = 2;
            if (!CeReadRecordPropsEx(m_database, CEDB_ALLOWREALLOC, &count, position, &g_recordBuffer,
                                     &g_recordBufferSize, nullptr)) {
                return false;
            }
            const auto* v = reinterpret_cast<const CEPROPVAL*>(g_recordBuffer);
            if (v[1].wFlags & CEDB_PROPNOTFOUND) return true;  // records without a latitude come last
            if (v[1].val.iVal > high) return true;
            out->push_back(Seen{oid, (v[0].wFlags & CEDB_PROPNOTFOUND) ? 0 : v[0].val.iVal});
        }
        return WalkEnded();
    };

    int lonLow = longitude, lonHigh = longitude, latLow = latitude, latHigh = latitude;
    CEOID winner = 0;
    for (int pass = 1; pass <= 5 && !winner; ++pass) {
        // Half-widths of 1°, 3°, 6°, 10° and 15°; the box does not wrap across ±180°.
        const int step = 100 * pass;
        const int oldLow = latLow, oldHigh = latHigh;
        lonLow = std::max(lonLow - step, -18000);
        lonHigh = std::min(lonHigh + step, 17999);
        latLow = std::max(latLow - step, -8999);
        latHigh = std::min(latHigh + step, 9000);
        std::vector<Seen> below, above;
        const bool read = pass == 1 ? readBand(latLow, latHigh, &above)
                                    : (latLow >= oldLow || readBand(latLow, oldLow, &below)) &&
                                          (latHigh <= oldHigh || readBand(oldHigh, latHigh, &above));
        if (!read) {
            CloseDatabase();
            return FALSE;
        }
        band.insert(band.begin(), below.begin(), below.end());
        band.insert(band.end(), above.begin(), above.end());
        for (auto it = band.rbegin(); it != band.rend(); ++it) {
            if (it->longitude >= lonLow && it->longitude <= lonHigh) {
                winner = it->oid;
                break;
            }
        }
    }
    const BOOL found = winner && CeSeekDatabase(m_database, CEDB_SEEK_CEOID, winner, nullptr) && ReadCity(city);
    CloseDatabase();
    return found;
}

BOOL CDBCityList::SaveCity(const CDBCity& city) {
    // Whatever the caller checked: a text that breaks later reads is never stored.
    for (const QString* text : {&city.m_name, &city.m_airportCode, &city.m_countryPhoneCode, &city.m_areaCode,
                                &city.m_countryName}) {
        if (!za::IsStorableText(*text)) return FALSE;
    }
    if (za::IsBlank(city.m_name)) return FALSE;
    if (!OpenDatabase(PROPID_CITY_NAME)) return FALSE;
    const CEOID existing = SeekName(city.m_name);
    const CEPROPVAL values[] = {
        TextValue(PROPID_CITY_NAME, city.m_name),
        ShortValue(PROPID_CITY_TZID, city.m_timeZoneID),
        ShortValue(PROPID_CITY_LONGITUDE, city.m_longitude),
        ShortValue(PROPID_CITY_LATITUDE, city.m_latitude),
        TextValue(PROPID_CITY_AIRPORT, city.m_airportCode),
        TextValue(PROPID_CITY_COUNTRY_CODE, city.m_countryPhoneCode),
        TextValue(PROPID_CITY_AREA_CODE, city.m_areaCode),
        TextValue(PROPID_CITY_COUNTRY, city.m_countryName),
    };
    const CEOID written = CeWriteRecordProps(m_database, existing, 8, values);
    CloseDatabase();
    return written != 0;
}

BOOL CDBCityList::DeleteCity(const QString& name) {
    if (!OpenDatabase(PROPID_CITY_NAME)) return FALSE;
    const CEOID oid = SeekName(name);
    const BOOL deleted = oid && CeDeleteRecord(m_database, oid);
    CloseDatabase();
    return deleted;
}

BOOL CDBCityList::CityExists(const QString& name) {
    if (!OpenDatabase(PROPID_CITY_NAME)) return FALSE;
    const BOOL exists = SeekName(name) != 0;
    CloseDatabase();
    return exists;
}

namespace {

const CEPROPID kIndexTexts[] = {PROPID_CITY_NAME, PROPID_CITY_COUNTRY, PROPID_CITY_COUNTRY_CODE, PROPID_CITY_AREA_CODE,
                                PROPID_CITY_AIRPORT};

std::function<bool(CEOID, const QString*)> AppendTo(za::CityIndex* index) {
    return [index](CEOID, const QString* texts) {
        index->Append({texts[0], texts[1], texts[2], texts[3], texts[4]});
        return true;
    };
}

}  // namespace

BOOL CDBCityList::ReadIndex(za::CityIndex* index) {
    if (!OpenDatabase(PROPID_CITY_NAME)) return FALSE;
    index->Clear();
    const BOOL whole = za::objectstore::ReadAllTexts(m_database, 5, kIndexTexts, AppendTo(index));
    CloseDatabase();
    return whole;
}

BOOL CDBCityList::ReadNames(const std::function<void(const QString& name)>& each) {
    if (!OpenDatabase(PROPID_CITY_NAME)) return FALSE;
    const CEPROPID name[] = {PROPID_CITY_NAME};
    const BOOL whole = za::objectstore::ReadAllTexts(m_database, 1, name, [&each](CEOID, const QString* texts) {
        each(texts[0]);
        return true;
    });
    CloseDatabase();
    return whole;
}

// A name whose folded entry begins with the folded text t has, up to its first character
// beyond ASCII, the letters of t in some case (ASCII folds to lower case only). So it lies in
// the name order either in the run of names that begin with t itself, or in the run of names
// that begin with t's first i letters followed by a character beyond ASCII, for some i up to
// t's first character beyond ASCII. Those runs are read, in name order, and each name is
// folded to be sure.
BOOL CDBCityList::ReadEntriesBeginning(const QString& text, QStringList* entries, QList<long>* positions) {
    const QString t = za::FoldForSearch(text);
    entries->clear();
    if (positions) positions->clear();
    if (!OpenDatabase(PROPID_CITY_NAME)) return FALSE;
    qsizetype firstWide = 0;
    while (firstWide < t.size() && t.at(firstWide).unicode() < 0x80) ++firstWide;
    struct Run {
        QString from, to;
    };
    std::vector<Run> runs;
    static const QChar kFirstWide(0x80), kLast(0xFFFF);
    // In the name order: t itself before t's first letters and a wide character, and those
    // before shorter beginnings.
    if (firstWide == t.size() && !t.isEmpty()) runs.push_back({t, t + kLast});
    for (qsizetype i = std::min(firstWide, t.size() - 1); i >= 0; --i) runs.push_back({t.left(i) + kFirstWide, t.left(i) + kLast});
    const CEPROPID wanted[] = {PROPID_CITY_NAME, PROPID_CITY_COUNTRY};
    BOOL ok = TRUE;
    qint64 before = 0;  // records before the current run's start
    for (const Run& run : runs) {
        qint64 position = -1;
        ok = za::objectstore::ReadTextsInRange(m_database, run.from, run.to, 2, wanted, [&](CEOID, const QString* texts) {
            if (position < 0 && positions) {
                // Counted once per run that holds a match, from the start: runs are few.
                if (!za::objectstore::CountBefore(m_database, run.from, &before)) return false;
                position = before;
            }
            const QString entry = za::CityEntry(texts[0], texts[1]);
            if (za::FoldForSearch(entry).startsWith(t)) {
                entries->append(entry);
                if (positions) positions->append(static_cast<long>(position));
            }
            if (position >= 0) ++position;
            return true;
        });
        if (!ok) break;
    }
    CloseDatabase();
    return ok;
}

BOOL CDBCityList::ApartReadOfIndex(za::objectstore::ApartRead* read) {
    if (!OpenDatabase(PROPID_CITY_NAME)) return FALSE;
    const BOOL ready = za::objectstore::ReadApart(m_database, read);
    CloseDatabase();
    return ready;
}

BOOL CDBCityList::ReadIndexApart(const za::objectstore::ApartRead& read, za::CityIndex* index) {
    index->Clear();
    return za::objectstore::ReadAllTextsApart(read, 5, kIndexTexts, AppendTo(index));
}

// ---------------------------------------------------------------------------------------------
// CCityList

BOOL CCityList::Open() {
    CRegistry& reg = GetReg();
    reg.Open();
    const QString path = reg.GetStringValue(CRegistry::DBPath);
    reg.Close();
    return CDBCityList::Open(path);
}

BOOL CCityList::Close() { return CDBCityList::Close(); }

void CCityList::Refresh() {
    ++m_edits;
    m_namesStale = true;
    CityNames();
    if (m_changeHandler) m_changeHandler();
}

void CCityList::PreloadNames(qint64 fromBytes) {
    if (!m_namesStale || m_preload.valid()) return;
    za::objectstore::ApartRead read;
    if (!ApartReadOfIndex(&read)) return;  // the first use reads them, and says what is wrong
    if (fromBytes > 0 && QFileInfo(read.file).size() < fromBytes) return;
    auto index = std::make_shared<za::CityIndex>();
    m_preloaded = index;
    m_preloadEdits = m_edits;
    m_preload = std::async(std::launch::async, [read, index] { return ReadIndexApart(read, index.get()) == TRUE; });
}

void CCityList::CityNames() {
    if (m_preload.valid()) {
        const bool read = m_preload.get();
        if (read && m_namesStale && m_preloadEdits == m_edits) {
            m_index = std::move(*m_preloaded);
            ++m_indexVersion;
            m_foldedStale = true;
            m_namesStale = false;
        }
        m_preloaded.reset();
        // The thread built the index in an allocation arena of its own; what it freed there
        // (the buffers outgrown on the way) goes back to the system rather than stay resident.
        malloc_trim(0);
    }
    if (!m_namesStale) return;
    za::CityIndex index;
    if (ReadIndex(&index)) {
        // An empty database empties the list: keeping the old names would offer cities that
        // are gone.
        m_index = std::move(index);
        ++m_indexVersion;
        m_foldedStale = true;
    }
    // Cleared even when the database did not open; the list then stays as it was.
    m_namesStale = false;
}

const za::CityIndex& CCityList::Index() {
    CityNames();
    return m_index;
}

BOOL CCityList::LoadCityNames() {
    CityNames();
    return TRUE;
}

int CCityList::GetCityCount() {
    CityNames();
    return static_cast<int>(m_index.Size());
}

POSITION CCityList::GetHeadCityNamePosition() {
    CityNames();
    return m_index.Size() == 0 ? 0 : 1;
}

QString CCityList::GetNextCityName(POSITION& pos) {
    CityNames();
    if (pos < 1 || pos > m_index.Size()) {
        pos = 0;
        return QString();
    }
    const QString entry = m_index.Entry(pos - 1);
    pos = pos < m_index.Size() ? pos + 1 : 0;
    return entry;
}

void CCityList::BuildFoldedIndex() {
    // Built at the first search rather than with the names: folding every name costs a
    // window's start several milliseconds that only a search needs.
    if (!m_foldedStale) return;
    m_foldedStale = false;
    const size_t n = static_cast<size_t>(m_index.Size());
    std::vector<QByteArrayView> folded(n);
    for (size_t i = 0; i < n; ++i) folded[i] = m_index.FoldedEntry(static_cast<qsizetype>(i));
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    // The name order is mostly the folded order already (always, for names of plain letters);
    // a stable sort keeps name order among entries that fold alike.
    auto byFolded = [&folded](int a, int b) {
        return folded[static_cast<size_t>(a)] < folded[static_cast<size_t>(b)];
    };
    if (!std::is_sorted(order.begin(), order.end(), byFolded)) std::stable_sort(order.begin(), order.end(), byFolded);
    m_folded.resize(n);
    m_foldedIndex = order;
    for (size_t i = 0; i < n; ++i) m_folded[i] = folded[static_cast<size_t>(order[i])];
    // Leaves at [n, 2n), each inner node the smaller of its two children.
    m_smallestTree.assign(2 * n, 0);
    std::copy(order.begin(), order.end(), m_smallestTree.begin() + static_cast<std::ptrdiff_t>(n));
    for (size_t i = n; i-- > 1;) m_smallestTree[i] = std::min(m_smallestTree[2 * i], m_smallestTree[2 * i + 1]);
}

void CCityList::FoldedRun(const QString& text, size_t* first, size_t* last) const {
    // UTF-8 compares byte by byte in the order of its characters, and a text's entries are
    // the run that begins with its bytes.
    const QByteArray folded = text.toUtf8();
    const auto begin = std::lower_bound(m_folded.begin(), m_folded.end(), QByteArrayView(folded));
    const auto end = std::partition_point(begin, m_folded.end(),
                                          [&folded](QByteArrayView entry) { return entry.startsWith(folded); });
    *first = static_cast<size_t>(begin - m_folded.begin());
    *last = static_cast<size_t>(end - m_folded.begin());
}

long CCityList::SmallestIndex(size_t first, size_t last) const {
    const size_t n = m_folded.size();
    long smallest = -1;
    for (size_t l = first + n, r = last + n; l < r; l /= 2, r /= 2) {
        if (l & 1) {
            const long v = m_smallestTree[l++];
            smallest = smallest < 0 ? v : std::min(smallest, v);
        }
        if (r & 1) {
            const long v = m_smallestTree[--r];
            smallest = smallest < 0 ? v : std::min(smallest, v);
        }
    }
    return smallest;
}

long CCityList::FindIndexOfCity(const QString& text) {
    CityNames();
    // Text as spelt wins: the name list is in the order of names compared without regard to
    // case, so the entries that begin with the text in any case are one run of it, and the
    // first is where the text would stand ("San José" finds San José, not San Jose before it).
    qsizetype low = 0, high = m_index.Size();
    while (low < high) {
        const qsizetype mid = low + (high - low) / 2;
        if (m_index.Entry(mid).compare(text, Qt::CaseInsensitive) < 0) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    if (low < m_index.Size() && m_index.Entry(low).startsWith(text, Qt::CaseInsensitive)) return static_cast<long>(low);
    BuildFoldedIndex();
    size_t first = 0, last = 0;
    FoldedRun(za::FoldForSearch(text), &first, &last);
    return first < last ? SmallestIndex(first, last) : -1;
}

QList<long> CCityList::FindIndexesOfCity(const QString& text) {
    CityNames();
    BuildFoldedIndex();
    size_t first = 0, last = 0;
    FoldedRun(za::FoldForSearch(text), &first, &last);
    QList<long> indexes(m_foldedIndex.begin() + static_cast<std::ptrdiff_t>(first),
                        m_foldedIndex.begin() + static_cast<std::ptrdiff_t>(last));
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

BOOL CCityList::FindEntriesOfCity(const QString& text, QStringList* entries, QList<long>* positions) {
    // A text that reaches into the country, or none, is a matter for the whole list.
    if (!m_namesStale || za::FoldForSearch(text).isEmpty() || text.contains(QLatin1Char('('))) {
        const QList<long> found = FindIndexesOfCity(text);
        entries->clear();
        for (long i : found) entries->append(m_index.Entry(i));
        if (positions) *positions = found;
        return TRUE;
    }
    return ReadEntriesBeginning(text, entries, positions);
}

QString CCityList::ForbiddenNameCharacters() { return kForbiddenNameCharacters; }

BOOL CCityList::IsCityNameValid(const QString& name) {
    if (CityExists(name)) return FALSE;
    // Another city's name with other accents: names cannot hold parentheses, so an entry whose
    // name folds alike begins with the folded name and " (".
    if (FindIndexOfCity(za::CityEntryPrefix(name)) >= 0) return FALSE;
    if (name.isEmpty() || name.size() > za::kMaxCityName) return FALSE;
    // A name of blanks cannot be told from none, and a character that breaks the lines or the
    // order of later lists cannot be stored.
    if (za::IsBlank(name) || !za::IsStorableText(name)) return FALSE;
    return std::none_of(name.begin(), name.end(), [](QChar c) { return kForbiddenNameCharacters.contains(c); });
}

BOOL CCityList::LoadCity(const QString& name, CCity& city) {
    const BOOL loaded = CDBCityList::LoadCity(name, city);
    city.SetTimeZoneID(city.TimeZoneID());  // unloads the zone for the ID just read
    return loaded;
}

BOOL CCityList::BeginLoadCityByIndex() { return CDBCityList::BeginLoadCityByIndex(); }

BOOL CCityList::LoadCity(long index, CCity& city) {
    // By its name where the index knows it: a seek to a place counts every record before it,
    // which for a row far down a list of 300,000 is most of a keystroke's time.
    const BOOL loaded = (!m_namesStale && index >= 0 && index < m_index.Size() &&
                         LoadCityInBracket(m_index.Name(index), city)) ||
                        CDBCityList::LoadCity(index, city);
    city.SetTimeZoneID(city.TimeZoneID());
    return loaded;
}

void CCityList::EndLoadCityByIndex() { CDBCityList::EndLoadCityByIndex(); }

BOOL CCityList::FindCityWithSameTZ(int tzID, CCity& city, const QString* preferred) {
    const BOOL found = CDBCityList::FindCityWithSameTZ(tzID, city, preferred);
    city.SetTimeZoneID(city.TimeZoneID());
    return found;
}

BOOL CCityList::FindNearestCity(int longitude, int latitude, CCity& city) {
    const BOOL found = CDBCityList::FindNearestCity(longitude, latitude, city);
    city.SetTimeZoneID(city.TimeZoneID());
    return found;
}

BOOL CCityList::SaveCity(const CCity& city) {
    if (!CDBCityList::SaveCity(city)) return FALSE;
    ++m_edits;
    // The index follows the edit in place: reading 300,000 records again for one city would
    // take the user's second.
    if (!m_namesStale) {
        bool exists = false;
        const qsizetype row = m_index.RowOfName(city.Name(), &exists);
        const za::CityIndex::Texts texts{city.Name(), city.CountryName(), city.CountryPhoneCode(), city.AreaCode(),
                                         city.AirportCode()};
        if (exists) {
            m_index.Replace(row, texts);
        } else {
            m_index.Insert(row, texts);
        }
        IndexChanged();
    }
    return TRUE;
}

BOOL CCityList::DeleteCity(const QString& name) {
    const BOOL deleted = CDBCityList::DeleteCity(name);
    if (deleted) ++m_edits;
    if (deleted && !m_namesStale) {
        bool exists = false;
        const qsizetype row = m_index.RowOfName(name, &exists);
        if (exists) m_index.Remove(row);
        IndexChanged();
    }
    return deleted;
}

void CCityList::IndexChanged() {
    ++m_indexVersion;
    m_foldedStale = true;
    if (m_changeHandler) m_changeHandler();
}

CCityList& GetCityList() {
    static CCityList list;
    return list;
}
