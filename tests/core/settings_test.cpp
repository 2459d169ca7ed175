#include "device.h"
#include "profile.h"
#include "settings.h"

#include <QProcess>

using za::test::ProfileTest;

namespace {

const QString kKey = QStringLiteral("\\Software\\Corvantel\\Zonaria");

// Writes straight into the registry, past CRegistry, as another program could.
void Store(const QString& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, 0, &key));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size));
    RegCloseKey(key);
}

void StoreDword(const QString& name, DWORD value) { Store(name, REG_DWORD, &value, sizeof value); }

}  // namespace

// Each test uses its own CRegistry so that open counts never leak between tests.
class Settings : public ProfileTest {
protected:
    CRegistry reg;
};

TEST_F(Settings, AFreshKeyReadsTheDefaults) {
    struct Row {
        CRegistry::ValueName name;
        const char* text;
    } strings[] = {
        // The first city is written at installation: the tests' host zone's.
        {CRegistry::DBPath, ""},           {CRegistry::City0, "Los Angeles, CA"}, {CRegistry::City1, "Chicago, IL"},
        {CRegistry::City2, "New York, NY"}, {CRegistry::City3, "London"},           {CRegistry::City4, "Tokyo"},
        {CRegistry::AlarmSound, "Alarm1"},
    };
    for (const Row& r : strings) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(QString::fromUtf8(r.text), reg.GetStringValue(r.name));
    }
    struct Number {
        CRegistry::ValueName name;
        DWORD value;
    } numbers[] = {
        {CRegistry::CityX, 0},    {CRegistry::AlarmOptions, 29}, {CRegistry::UnitSystem, 0}, {CRegistry::Twilight, 2},
        {CRegistry::CCButton, 1}, {CRegistry::CPButton, 1},      {CRegistry::ZAReserved, 0}, {CRegistry::ZATodayCount, 5},
    };
    for (const Number& n : numbers) {
        SCOPED_TRACE(n.name);
        EXPECT_EQ(n.value, reg.GetDWORDValue(n.name));
    }
    // The installation package set InitialRun.
    EXPECT_EQ(1u, reg.GetDWORDValue(CRegistry::InitialRun));
    EXPECT_EQ(0, reg.OpenCount());
}

TEST_F(Settings, WrittenValuesReadBackUnderTheirRegistryNames) {
    reg.WriteStringValue(CRegistry::City3, QStringLiteral("Reykjavík"));
    reg.WriteDWORDValue(CRegistry::UnitSystem, 2);
    reg.WriteStringValue(static_cast<CRegistry::ValueName>(CRegistry::City0 + 4), QStringLiteral("Nuuk"));
    EXPECT_EQ(QStringLiteral("Reykjavík"), reg.GetStringValue(CRegistry::City3));
    EXPECT_EQ(2u, reg.GetDWORDValue(CRegistry::UnitSystem));
    EXPECT_EQ(QStringLiteral("Nuuk"), reg.GetStringValue(CRegistry::City4));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, 0, &key));
    DWORD type = 0, size = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, QStringLiteral("City3"), nullptr, &type, nullptr, &size));
    EXPECT_EQ(REG_SZ, type);
    EXPECT_EQ(20u, size);  // nine characters and the stored NUL
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, QStringLiteral("UnitSystem"), nullptr, &type, nullptr, &size));
    EXPECT_EQ(REG_DWORD, type);
    RegCloseKey(key);
}

TEST_F(Settings, TodayCountIsCappedAtFiveWithNoLowerBound) {
    StoreDword(QStringLiteral("ZATodayCount"), 9);
    EXPECT_EQ(5u, reg.GetDWORDValue(CRegistry::ZATodayCount));
    StoreDword(QStringLiteral("ZATodayCount"), 0);
    EXPECT_EQ(0u, reg.GetDWORDValue(CRegistry::ZATodayCount));
    StoreDword(QStringLiteral("ZATodayCount"), 3);
    EXPECT_EQ(3u, reg.GetDWORDValue(CRegistry::ZATodayCount));
    // Other numbers are not capped.
    StoreDword(QStringLiteral("Twilight"), 9);
    EXPECT_EQ(9u, reg.GetDWORDValue(CRegistry::Twilight));
}

TEST_F(Settings, NestedOpenOpensAndClosesTheKeyOnce) {
    ASSERT_TRUE(reg.Open());
    ASSERT_TRUE(reg.Open());
    EXPECT_EQ(2, reg.OpenCount());
    // Reads inside the bracket nest on the open key and leave the count as it was.
    EXPECT_EQ(QStringLiteral("Tokyo"), reg.GetStringValue(CRegistry::City4));
    EXPECT_EQ(2, reg.OpenCount());
    EXPECT_TRUE(reg.Close());
    EXPECT_EQ(1, reg.OpenCount());
    EXPECT_TRUE(reg.Close());
    EXPECT_EQ(0, reg.OpenCount());
    // An unbalanced Close is refused and leaves the count at zero.
    EXPECT_FALSE(reg.Close());
    EXPECT_EQ(0, reg.OpenCount());
}

TEST_F(Settings, AWriteIsFlushedAtTheNextOutermostClose) {
    const DWORD start = RegFlushCount();
    reg.WriteDWORDValue(CRegistry::CityX, 2);  // closes before it marks itself dirty
    EXPECT_EQ(start, RegFlushCount());
    reg.GetDWORDValue(CRegistry::CityX);  // the read's Close flushes
    EXPECT_EQ(start + 1, RegFlushCount());

    // Inside a bracket, the flush waits for the bracket's Close.
    ASSERT_TRUE(reg.Open());
    reg.WriteStringValue(CRegistry::City1, QStringLiteral("Denver, CO"));
    reg.GetStringValue(CRegistry::City1);
    EXPECT_EQ(start + 1, RegFlushCount());
    ASSERT_TRUE(reg.Close());
    EXPECT_EQ(start + 2, RegFlushCount());
    // The mark is never cleared: every later outermost Close flushes.
    reg.GetStringValue(CRegistry::City1);
    EXPECT_EQ(start + 3, RegFlushCount());
}

TEST_F(Settings, WithoutTheKeyReadsGiveDefaultsAndWritesAreDropped) {
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey));
    EXPECT_FALSE(reg.Open());
    EXPECT_EQ(0, reg.OpenCount());
    reg.WriteStringValue(CRegistry::City0, QStringLiteral("Lima"));
    reg.WriteDWORDValue(CRegistry::Twilight, 4);
    EXPECT_EQ(QStringLiteral("San Francisco, CA"), reg.GetStringValue(CRegistry::City0));
    EXPECT_EQ(2u, reg.GetDWORDValue(CRegistry::Twilight));
    // The settings store never creates the key.
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, 0, &key));
}

TEST_F(Settings, OddStoredValuesReadAsTheHandheldDid) {
    // A string stored without its NUL still ends where the data ends.
    const char16_t tokyo[] = u"Tokyo";
    Store(QStringLiteral("City2"), REG_SZ, tokyo, 10);
    EXPECT_EQ(QStringLiteral("Tokyo"), reg.GetStringValue(CRegistry::City2));
    // A number stored as a long string does not fit the 4-byte buffer: the default stays.
    Store(QStringLiteral("UnitSystem"), REG_SZ, tokyo, sizeof tokyo);
    EXPECT_EQ(0u, reg.GetDWORDValue(CRegistry::UnitSystem));
}

TEST(WavPath, NoSoundStaysAndNamesBecomeWindowsPaths) {
    EXPECT_EQ(QStringLiteral("--no sound--"), GetWavPath(QStringLiteral("--no sound--")));
    EXPECT_EQ(QStringLiteral("\\windows\\Alarm1.wav"), GetWavPath(QStringLiteral("Alarm1")));
    EXPECT_EQ(QStringLiteral("\\windows\\--No Sound--.wav"), GetWavPath(QStringLiteral("--No Sound--")));
}

// The application and the Today item are two processes over one registry.
TEST_F(Settings, SettingsWrittenByOneProcessAreReadByAnother) {
    reg.WriteStringValue(CRegistry::City2, QStringLiteral("Québec"));
    reg.GetStringValue(CRegistry::City2);
    QProcess child;
    child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    child.start(QStringLiteral(COREPROBE_PATH), {QStringLiteral("settings")});
    ASSERT_TRUE(child.waitForFinished(30000));
    ASSERT_EQ(0, child.exitCode()) << child.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("City2=Québec"))) << out.toStdString();
    // ...and the child's write is seen here.
    EXPECT_EQ(4u, reg.GetDWORDValue(CRegistry::ZATodayCount));
}
