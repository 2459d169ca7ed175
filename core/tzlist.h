// The suite's list of time zones in its fixed order, and the search that maps any zone (the
// device's, say, which another program may have set) back to its best entry. The list of IDs
// is the "TZID" value of the settings key: a count word and the IDs, little-endian, grouped by
// Bias; names and rules come from the time-zone table.
#pragma once

#include "wintypes.h"

#include <QList>
#include <QString>
#include <QStringList>

class CDBTimeZoneList {
public:
    CDBTimeZoneList() = default;
    virtual ~CDBTimeZoneList() = default;

    // Reads "TZID". The table is published only when the whole read succeeds; a failed read
    // leaves the previous state (no table, or the last one read).
    BOOL Init();
    // The number of IDs the table holds (a count word larger than the IDs stored counts only
    // those present); 0 while no table is loaded.
    int GetCount() const;
    // 0 for an index outside the table or while no table is loaded.
    int GetID(int index) const;
    // The display name of the entry's zone, as a zone loaded by ID has it.
    QString GetName(int index) const;
};

class CTimeZoneList : public CDBTimeZoneList {
public:
    ~CTimeZoneList() override = default;

    // Empties names, then appends every entry's name to names and its ID to ids (ids is
    // appended to). TRUE when the table has entries.
    BOOL LoadTimeZoneNamesAndIDs(QStringList& names, QList<int>& ids) const;
    // The table's entry for a zone: the hint when its rule is the zone's; else the entry of the
    // zone's Bias group with the same rule and names; else the group's first entry when it has
    // the same rule under other names; else the group's last entry (sameRule FALSE); the
    // table's first ID (sameRule FALSE) when no entry has the zone's Bias.
    int GetNearestTimeZoneID(const TIME_ZONE_INFORMATION* tzi, BOOL* sameRule = nullptr, int hint = -1) const;
};

// The library-wide list; reads the table again on every call while it is missing or empty.
CTimeZoneList& GetTZList();
