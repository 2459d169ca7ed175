#include "device.h"
#include "profile.h"
#include "registry.h"

#include <QProcess>
#include <QString>

#include <cstring>
#include <vector>

using za::test::ProfileTest;

namespace {

const QString kTestKey = QStringLiteral("\\Software\\Test\\Registry");

HKEY Create(const QString& path = kTestKey) {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, QString(), 0, 0, nullptr, &key, nullptr));
    return key;
}

LONG SetDword(HKEY key, const QString& name, DWORD value) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

LONG SetString(HKEY key, const QString& name, const QString& text) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.utf16()),
                          static_cast<DWORD>((text.size() + 1) * 2));
}

// Size first, then the data, as the callers of the registry do.
bool QueryString(HKEY key, const QString& name, QString* out, DWORD* type = nullptr) {
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, type, nullptr, &size) != ERROR_SUCCESS) return false;
    std::vector<char16_t> buf(size / 2 + 1, 0);
    if (RegQueryValueExW(key, name, nullptr, type, reinterpret_cast<BYTE*>(buf.data()), &size) != ERROR_SUCCESS) {
        return false;
    }
    *out = QString::fromUtf16(buf.data());
    return true;
}

bool QueryDword(HKEY key, const QString& name, DWORD* value) {
    DWORD size = sizeof *value;
    DWORD type = 0;
    return RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
           type == REG_DWORD && size == 4;
}

}  // namespace

class Registry : public ProfileTest {};

TEST_F(Registry, NewProfileHoldsTheSettingsKeyWithInitialRun) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Corvantel\\Zonaria"), 0, 0, &key));
    DWORD initialRun = 0;
    EXPECT_TRUE(QueryDword(key, QStringLiteral("InitialRun"), &initialRun));
    EXPECT_EQ(1u, initialRun);
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
}

TEST_F(Registry, KeysAndValuesIgnoreCaseAndSurviveReopening) {
    HKEY key = Create();
    ASSERT_NE(nullptr, key);
    ASSERT_EQ(ERROR_SUCCESS, SetString(key, QStringLiteral("City0"), QStringLiteral("Zürich")));
    ASSERT_EQ(ERROR_SUCCESS, SetDword(key, QStringLiteral("CityX"), 3));
    RegCloseKey(key);

    za::device::Reset();
    HKEY again = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("software\\TEST\\registry\\"), 0, 0, &again));
    QString text;
    ASSERT_TRUE(QueryString(again, QStringLiteral("CITY0"), &text));
    EXPECT_EQ(QStringLiteral("Zürich"), text);
    DWORD x = 0;
    EXPECT_TRUE(QueryDword(again, QStringLiteral("cityx"), &x));
    EXPECT_EQ(3u, x);
    // A parent created on the way can be opened; another root does not share the key.
    HKEY parent = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Test"), 0, 0, &parent));
    RegCloseKey(parent);
    HKEY other = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, 0, &other));
    RegCloseKey(again);
}

TEST_F(Registry, QueryReportsSizeFirstAndRefusesSmallBuffers) {
    HKEY key = Create();
    ASSERT_EQ(ERROR_SUCCESS, SetString(key, QStringLiteral("Name"), QStringLiteral("Tokyo")));
    DWORD size = 0, type = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, QStringLiteral("Name"), nullptr, &type, nullptr, &size));
    EXPECT_EQ(12u, size);  // five characters and the NUL, two bytes each
    EXPECT_EQ(REG_SZ, type);
    BYTE small[4] = {};
    DWORD smallSize = sizeof small;
    EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueExW(key, QStringLiteral("Name"), nullptr, nullptr, small, &smallSize));
    EXPECT_EQ(12u, smallSize);
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegQueryValueExW(key, QStringLiteral("Name"), nullptr, nullptr, small, nullptr));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExW(key, QStringLiteral("Missing"), nullptr, nullptr, nullptr, &size));
    RegCloseKey(key);
}

TEST_F(Registry, BinaryValuesAndOverwritesKeepTheirLatestTypeAndBytes) {
    HKEY key = Create();
    const BYTE table[] = {3, 0, 85, 0, 4, 0, 35, 0};
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, QStringLiteral("TZID"), 0, REG_BINARY, table, sizeof table));
    BYTE back[16] = {};
    DWORD size = sizeof back, type = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, QStringLiteral("TZID"), nullptr, &type, back, &size));
    EXPECT_EQ(REG_BINARY, type);
    ASSERT_EQ(sizeof table, size);
    EXPECT_EQ(0, std::memcmp(table, back, size));
    // Overwriting with another type replaces both.
    ASSERT_EQ(ERROR_SUCCESS, SetDword(key, QStringLiteral("tzid"), 7));
    DWORD value = 0;
    EXPECT_TRUE(QueryDword(key, QStringLiteral("TZID"), &value));
    EXPECT_EQ(7u, value);
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueW(key, QStringLiteral("TZID")));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValueW(key, QStringLiteral("TZID")));
    RegCloseKey(key);
}

TEST_F(Registry, RefusesValuesOfWrongSizeTypeOrLength) {
    HKEY key = Create();
    const BYTE two[2] = {1, 0};
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegSetValueExW(key, QStringLiteral("D"), 0, REG_DWORD, two, 2));
    const BYTE odd[3] = {65, 0, 0};
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegSetValueExW(key, QStringLiteral("S"), 0, REG_SZ, odd, 3));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegSetValueExW(key, QStringLiteral("T"), 0, 11 /* REG_QWORD */, two, 2));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, SetDword(key, QString(kRegMaxNameLength + 1, QLatin1Char('n')), 1));
    EXPECT_EQ(ERROR_SUCCESS, SetDword(key, QString(kRegMaxNameLength, QLatin1Char('n')), 1));
    const QString huge(kRegMaxDataSize / 2 + 1, QLatin1Char('x'));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, SetString(key, QStringLiteral("Huge"), huge));
    HKEY bad = nullptr;
    EXPECT_EQ(ERROR_INVALID_PARAMETER, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QString(300, QLatin1Char('k')), 0, 0, &bad));
    // Nothing refused was stored.
    DWORD size = 0;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExW(key, QStringLiteral("D"), nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExW(key, QStringLiteral("Huge"), nullptr, nullptr, nullptr, &size));
    RegCloseKey(key);
}

TEST_F(Registry, NonBmpTextRoundTripsAndLoneSurrogatesAreRefused) {
    HKEY key = Create();
    const QString text = QStringLiteral("Nuuk \U0001F30D");  // a character outside the BMP
    ASSERT_EQ(ERROR_SUCCESS, SetString(key, QStringLiteral("Globe \U0001F30D"), text));
    QString back;
    ASSERT_TRUE(QueryString(key, QStringLiteral("GLOBE \U0001F30D"), &back));
    EXPECT_EQ(text, back);
    const QString lone = QString(QChar(0xD83C));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, SetDword(key, lone, 1));
    RegCloseKey(key);
}

TEST_F(Registry, SubkeysAreListedByNameOneLevelDown) {
    const QString items = QStringLiteral("SOFTWARE\\Microsoft\\Today\\Items");
    RegCloseKey(Create(items + QStringLiteral("\\\"Zonaria\"")));
    RegCloseKey(Create(items + QStringLiteral("\\Calendar\\Deeper")));
    RegCloseKey(Create(items + QStringLiteral("\\alarms")));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("software\\microsoft\\today\\items"), 0, 0, &key));
    QStringList names;
    QString name;
    for (DWORD i = 0; RegEnumKeyExW(key, i, &name) == ERROR_SUCCESS; ++i) names << name;
    EXPECT_EQ(names, (QStringList{"\"Zonaria\"", "alarms", "Calendar"}));
    EXPECT_EQ(RegEnumKeyExW(key, 3, &name), ERROR_NO_MORE_ITEMS);
    RegCloseKey(key);
    // From a root: its top-level keys only.
    names.clear();
    for (DWORD i = 0; RegEnumKeyExW(HKEY_LOCAL_MACHINE, i, &name) == ERROR_SUCCESS; ++i) names << name;
    EXPECT_TRUE(names.contains(QStringLiteral("SOFTWARE"), Qt::CaseInsensitive));
    for (const QString& n : names) EXPECT_FALSE(n.contains(QLatin1Char('\\'))) << qPrintable(n);
}

TEST_F(Registry, WritesThroughAHandleOfADeletedKeyFail) {
    HKEY key = Create();
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Test")));
    EXPECT_EQ(ERROR_KEY_DELETED, SetDword(key, QStringLiteral("X"), 1));
    HKEY gone = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_LOCAL_MACHINE, kTestKey, 0, 0, &gone));
    EXPECT_EQ(nullptr, gone);
    RegCloseKey(key);
}

TEST_F(Registry, FlushIsCountedAndTheDataIsInTheDatabaseFile) {
    HKEY key = Create();
    ASSERT_EQ(ERROR_SUCCESS, SetDword(key, QStringLiteral("Flushed"), 42));
    const DWORD before = RegFlushCount();
    ASSERT_EQ(ERROR_SUCCESS, RegFlushKey(key));
    EXPECT_EQ(before + 1, RegFlushCount());
    RegCloseKey(key);
}

// Two processes write to the same key at once; no write may be lost.
TEST_F(Registry, TwoProcessesWritingAtOnceLoseNothing) {
    HKEY key = Create();
    ASSERT_NE(nullptr, key);
    QProcess child;
    child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    child.start(QStringLiteral(REGWRITER_PATH), {QStringLiteral("write"), kTestKey, QStringLiteral("child"), QStringLiteral("200")});
    ASSERT_TRUE(child.waitForStarted());
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(ERROR_SUCCESS, SetDword(key, QStringLiteral("parent%1").arg(i), static_cast<DWORD>(i)));
    }
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(0, child.exitCode()) << child.readAllStandardError().toStdString();
    for (int i = 0; i < 200; ++i) {
        DWORD v = 0;
        ASSERT_TRUE(QueryDword(key, QStringLiteral("parent%1").arg(i), &v)) << i;
        EXPECT_EQ(static_cast<DWORD>(i), v);
        ASSERT_TRUE(QueryDword(key, QStringLiteral("child%1").arg(i), &v)) << i;
        EXPECT_EQ(static_cast<DWORD>(i), v);
    }
    RegCloseKey(key);
}
