// The city database "Zonaria Cities" and the city list built on it. CDBCityList reads and
// writes the database record by record; CCityList keeps the alphabetical name list for the
// pickers and is what the applications use, through the library-wide GetCityList().
//
// The database lies in the device's object store, or in the volume file that the "DBPath"
// setting names. The suite never creates either: the installation does. Every operation opens
// the database with the sort order it needs, makes one seek, and closes it again.
#pragma once

#include "city.h"
#include "cityindex.h"
#include "objectstore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <memory>
#include <vector>

// The record of one city: eight properties, always written together in this order.
constexpr CEPROPID PROPID_CITY_NAME = MAKE_PROPID(100, CEVT_LPWSTR);  // unique; the main sort key
constexpr CEPROPID PROPID_CITY_TZID = MAKE_PROPID(101, CEVT_I2);
constexpr CEPROPID PROPID_CITY_LONGITUDE = MAKE_PROPID(102, CEVT_I2);  // hundredths of a degree, east positive
constexpr CEPROPID PROPID_CITY_LATITUDE = MAKE_PROPID(103, CEVT_I2);   // hundredths of a degree, north positive
constexpr CEPROPID PROPID_CITY_AIRPORT = MAKE_PROPID(104, CEVT_LPWSTR);
constexpr CEPROPID PROPID_CITY_COUNTRY_CODE = MAKE_PROPID(105, CEVT_LPWSTR);
constexpr CEPROPID PROPID_CITY_AREA_CODE = MAKE_PROPID(106, CEVT_LPWSTR);
constexpr CEPROPID PROPID_CITY_COUNTRY = MAKE_PROPID(107, CEVT_LPWSTR);

inline constexpr const char16_t* kCityDatabaseName = u"Zonaria Cities";

// A position in the name list; 0 (NULL) past the last entry.
using POSITION = qsizetype;

class CDBCityList {
public:
    CDBCityList();
    CDBCityList(const CDBCityList&) = delete;
    CDBCityList& operator=(const CDBCityList&) = delete;
    virtual ~CDBCityList();

protected:
    // Mounts the volume at path (empty: the object store) and checks that the database opens.
    BOOL Open(const QString& path);
    // Frees the record buffer and unmounts the volume, if one was mounted.
    BOOL Close();

    BOOL LoadCity(const QString& name, CDBCity& city);
    BOOL BeginLoadCityByIndex();
    BOOL LoadCity(long index, CDBCity& city);
    void EndLoadCityByIndex();
    // The city of that name, between Begin- and EndLoadCityByIndex.
    BOOL LoadCityInBracket(const QString& name, CDBCity& city);
    BOOL FindCityWithSameTZ(int tzID, CDBCity& city, const QString* preferred);
    BOOL FindNearestCity(int longitude, int latitude, CDBCity& city);
    BOOL SaveCity(const CDBCity& city);
    BOOL DeleteCity(const QString& name);
    // Whether a record with exactly this name (without regard to case) exists.
    BOOL CityExists(const QString& name);
    // Every record's texts into the index, in name order, in one query. FALSE when the database
    // does not open or the read cannot go on to the last record (a damaged page): never a part
    // of the list passed off as all of it. An empty database gives TRUE and no entries.
    BOOL ReadIndex(za::CityIndex* index);
    // Every record's name alone, in name order, in one query, for what needs nothing else of
    // the records. FALSE as ReadIndex.
    BOOL ReadNames(const std::function<void(const QString& name)>& each);
    // The entries ("Name (Country)") that begin with the text without regard to case and
    // accents, in name order, found through the name order's ranges rather than by reading
    // every name; with positions, each one's place in the name list. FALSE when a read fails.
    BOOL ReadEntriesBeginning(const QString& text, QStringList* entries, QList<long>* positions);
    // What a thread needs to read them on a connection of its own, and that read.
    BOOL ApartReadOfIndex(za::objectstore::ApartRead* read);
    static BOOL ReadIndexApart(const za::objectstore::ApartRead& read, za::CityIndex* index);

private:
    BOOL OpenDatabase(CEPROPID sortPropid);
    void CloseDatabase();
    // Reads the current record into city: name, zone and coordinates default when missing,
    // the four other strings keep what they hold.
    BOOL ReadCity(CDBCity& city);
    CEOID SeekName(const QString& name);

    CEGUID m_volume;
    QString m_path;
    CEOID m_databaseOid = 0;
    HANDLE m_database = INVALID_HANDLE_VALUE;
};

class CCityList : public CDBCityList {
public:
    using ChangeHandler = void (*)();

    CCityList() = default;
    ~CCityList() override = default;

    // Opens the database named by the "DBPath" setting.
    BOOL Open();
    BOOL Close();
    // Marks the names stale, rebuilds them and calls the change handler.
    void Refresh();
    void SetChangeHandler(ChangeHandler handler) { m_changeHandler = handler; }

    BOOL LoadCityNames();
    // Starts reading the names on a thread of its own, so that the first list opened finds them
    // read (300,000 take most of a second); the first use of the names waits for it. A change
    // made meanwhile has them read again instead. Only when the file that holds the cities is
    // at least fromBytes long: a smaller list is read at its first use as quickly.
    void PreloadNames(qint64 fromBytes = 0);
    int GetCityCount();
    POSITION GetHeadCityNamePosition();
    // The entry at pos, "Name (Country)"; moves pos on (to 0 after the last).
    QString GetNextCityName(POSITION& pos);
    // Every city's entry and folded texts, in name order, for the lists' searches; read when
    // the names are. Version() changes each time it is read again.
    const za::CityIndex& Index();
    unsigned IndexVersion() const { return m_indexVersion; }
    // Index of the first entry, in name order, that begins with text without regard to case;
    // when none does, of the first that begins with it without regard to accents either
    // (za::FoldForSearch: "sao" finds "São Paulo (Brazil)"); -1 when none does.
    long FindIndexOfCity(const QString& text);
    // The indexes of every entry that begins with text in the same way, in name order.
    QList<long> FindIndexesOfCity(const QString& text);
    // The same entries and (when positions is not null) their indexes, read from the database
    // without the whole name list: what a single look-up of a large list wants. FALSE when the
    // database cannot be read.
    BOOL FindEntriesOfCity(const QString& text, QStringList* entries, QList<long>* positions);
    // Every city's name alone, in name order, read from the database (for a look at every name
    // once, without the name list).
    using CDBCityList::ReadNames;
    // A name a new city may take: 1 to 31 characters, none of "~()*%#, not already taken, and
    // not another city's name with other accents or case ("Zurich" beside "Zürich").
    BOOL IsCityNameValid(const QString& name);
    // The characters a city name cannot hold.
    static QString ForbiddenNameCharacters();

    BOOL LoadCity(const QString& name, CCity& city);
    BOOL BeginLoadCityByIndex();
    // The city at this position of the name order, between Begin- and EndLoadCityByIndex.
    BOOL LoadCity(long index, CCity& city);
    void EndLoadCityByIndex();
    // A city of the zone: preferred when it exists and has the zone, else the first of the
    // zone in zone order.
    BOOL FindCityWithSameTZ(int tzID, CCity& city, const QString* preferred = nullptr);
    // The northernmost city within the first of five growing boxes (±1°, 3°, 6°, 10°, 15°)
    // around the position that holds any; hundredths of a degree.
    BOOL FindNearestCity(int longitude, int latitude, CCity& city);
    // Saves the city; the names and the index take it in (a new city at its place in the name
    // order), and the change handler is called.
    BOOL SaveCity(const CCity& city);
    // Deletes the city; the names and the index lose it, and the change handler is called.
    BOOL DeleteCity(const QString& name);

private:
    void CityNames();
    // The index changed in place: its users and the folded order must look again.
    void IndexChanged();
    // The entries folded once, sorted, with their index in the name list: the entries that
    // begin with a folded text are one run of it, found by binary search. Built when the names
    // have changed since it was last built.
    void BuildFoldedIndex();
    // The run of the folded index [*first, *last) whose entries begin with the folded text.
    void FoldedRun(const QString& folded, size_t* first, size_t* last) const;
    // The smallest name-list index within [first, last) of the folded index.
    long SmallestIndex(size_t first, size_t last) const;

    za::CityIndex m_index;
    unsigned m_indexVersion = 0;
    unsigned m_edits = 0;  // saves, deletes and refreshes, so that a preload knows it is late
    std::future<bool> m_preload;
    std::shared_ptr<za::CityIndex> m_preloaded;
    unsigned m_preloadEdits = 0;
    std::vector<QByteArrayView> m_folded;  // the entries folded (in m_index), sorted
    std::vector<int> m_foldedIndex;        // each one's row in m_index
    std::vector<int> m_smallestTree;       // a segment tree of the smallest index over runs of m_folded
    bool m_namesStale = true;
    bool m_foldedStale = true;
    ChangeHandler m_changeHandler = nullptr;
};

// The library-wide city list.
CCityList& GetCityList();
