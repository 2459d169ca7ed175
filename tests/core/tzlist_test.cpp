#include "poutlook.h"
#include "profile.h"
#include "registry.h"
#include "tzlist.h"

#include <vector>

using za::test::FixedHostClock;
using za::test::ProfileTest;
using TimeZoneTable = ProfileTest;
using za::test::UtcMs;

namespace {

void WriteTable(const QByteArray& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Corvantel\\Zonaria"), 0,
                                             QString(), 0, 0, nullptr, &key, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, QStringLiteral("TZID"), 0, REG_BINARY,
                                            reinterpret_cast<const BYTE*>(bytes.constData()),
                                            static_cast<DWORD>(bytes.size())));
    RegCloseKey(key);
}

QByteArray Words(const std::vector<int>& words) {
    QByteArray bytes;
    for (int w : words) {
        bytes.append(static_cast<char>(w & 0xFF));
        bytes.append(static_cast<char>((w >> 8) & 0xFF));
    }
    return bytes;
}

TIME_ZONE_INFORMATION Zone(int id) {
    TIME_ZONE_INFORMATION tzi{};
    const za::outlook::ZoneEntry* entry = za::outlook::FindZoneEntry(id);
    EXPECT_NE(nullptr, entry) << id;
    if (entry) {
        EXPECT_TRUE(za::outlook::ZoneInformation(*entry, 2026, &tzi));
    }
    return tzi;
}

TIME_ZONE_INFORMATION Renamed(TIME_ZONE_INFORMATION tzi) {
    const QString name = QStringLiteral("Somewhere Else Time");
    std::fill(std::begin(tzi.StandardName), std::end(tzi.StandardName), u'\0');
    std::copy(name.utf16(), name.utf16() + name.size(), tzi.StandardName);
    return tzi;
}

// The same offsets with daylight time starting in another month.
TIME_ZONE_INFORMATION OtherRule(TIME_ZONE_INFORMATION tzi) {
    tzi.DaylightDate.wMonth = static_cast<WORD>(tzi.DaylightDate.wMonth == 4 ? 5 : 4);
    return tzi;
}

// Grouped by Bias: Pacific | Central, Central America, Canada Central | Eastern | GMT,
// Greenwich | Romance, W. Europe | Tokyo.
const std::vector<int> kTable = {11, 4, 20, 33, 25, 35, 85, 90, 105, 110, 235};

class TimeZoneList : public ProfileTest {
protected:
    void SetUp() override {
        WriteTable(Words(kTable));
        ASSERT_TRUE(list.Init());
    }
    FixedHostClock host{UtcMs(2026, 1, 15, 12, 0)};
    CTimeZoneList list;
};

}  // namespace

TEST_F(TimeZoneList, NearestZoneFollowsTheBiasGroups) {
    struct Case {
        const char* nickname;
        TIME_ZONE_INFORMATION tzi;
        int hint;
        int id;
        BOOL sameRule;
    } cases[] = {
        {"exact names later in the group", Zone(110), -1, 110, TRUE},
        {"first of the group under other names", Renamed(Zone(105)), -1, 105, TRUE},
        {"only a later entry has the rule: the group's last", Renamed(Zone(33)), -1, 25, FALSE},
        {"the Bias occurs, no rule matches", OtherRule(Zone(20)), -1, 25, FALSE},
        {"Bias nowhere: the first ID", Zone(193 /* Nepal */), -1, 4, FALSE},
        {"the hint with the same rule", Renamed(Zone(20)), 20, 20, TRUE},
        {"a hint of another rule is passed over", Zone(110), 235, 110, TRUE},
        {"the last group, same rule", Renamed(Zone(235)), -1, 235, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nickname);
        BOOL same = -1;
        EXPECT_EQ(c.id, list.GetNearestTimeZoneID(&c.tzi, &same, c.hint));
        EXPECT_EQ(c.sameRule, same);
    }
    // A Bias of the last group with another rule ends at the end of the table.
    TIME_ZONE_INFORMATION tokyoWithDaylight = Zone(110);
    tokyoWithDaylight.Bias = Zone(235).Bias;
    BOOL same = TRUE;
    EXPECT_EQ(235, list.GetNearestTimeZoneID(&tokyoWithDaylight, &same));
    EXPECT_FALSE(same);
}

TEST_F(TimeZoneList, ReadsTheTableAsStored) {
    EXPECT_EQ(10, list.GetCount());
    EXPECT_EQ(4, list.GetID(0));
    EXPECT_EQ(235, list.GetID(9));
    EXPECT_EQ(0, list.GetID(10));
    EXPECT_EQ(0, list.GetID(-1));
    QStringList names{QStringLiteral("stale")};
    QList<int> ids;
    EXPECT_TRUE(list.LoadTimeZoneNamesAndIDs(names, ids));
    ASSERT_EQ(10, names.size());
    EXPECT_EQ(QList<int>({4, 20, 33, 25, 35, 85, 90, 105, 110, 235}), ids);
    EXPECT_TRUE(names[0].contains(QStringLiteral("Pacific"))) << qPrintable(names[0]);

    // A count larger than the IDs stored reads only those present; an odd byte rounds down.
    WriteTable(Words({9, 4, 20, 35}) + QByteArray(1, '\x55'));
    ASSERT_TRUE(list.Init());
    EXPECT_EQ(3, list.GetCount());
    EXPECT_EQ(35, list.GetID(2));
    EXPECT_EQ(0, list.GetID(3));

    // An empty table: no entries, the first ID is 0.
    WriteTable(QByteArray());
    EXPECT_TRUE(list.Init());
    EXPECT_EQ(0, list.GetCount());
    names = {QStringLiteral("stale")};
    ids.clear();
    EXPECT_FALSE(list.LoadTimeZoneNamesAndIDs(names, ids));
    EXPECT_TRUE(names.isEmpty());
    const TIME_ZONE_INFORMATION london = Zone(85);
    BOOL same = TRUE;
    EXPECT_EQ(0, list.GetNearestTimeZoneID(&london, &same));
    EXPECT_FALSE(same);

    // GetTZList reads the table again while it is empty.
    WriteTable(Words(kTable));
    EXPECT_EQ(10, GetTZList().GetCount());
}

TEST_F(TimeZoneList, AFailedReadKeepsTheTableThatWasRead) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Corvantel\\Zonaria"), 0, 0, &key));
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteValueW(key, QStringLiteral("TZID")));
    RegCloseKey(key);
    EXPECT_FALSE(list.Init());
    EXPECT_EQ(10, list.GetCount());
    EXPECT_EQ(110, list.GetID(8));
}

TEST_F(TimeZoneTable, InstalledTableListsEveryZone) {
    CTimeZoneList list;
    ASSERT_TRUE(list.Init());
    int tableSize = 0;
    za::outlook::ZoneTable(&tableSize);
    EXPECT_EQ(tableSize, list.GetCount());
    // Every entry of the table maps back to itself by rule and names.
    for (int i = 0; i < list.GetCount(); ++i) {
        const TIME_ZONE_INFORMATION tzi = Zone(list.GetID(i));
        BOOL same = FALSE;
        EXPECT_EQ(list.GetID(i), list.GetNearestTimeZoneID(&tzi, &same)) << list.GetID(i);
        EXPECT_TRUE(same);
    }
}
