#include "city.h"
#include "citylist.h"
#include "poapp.h"
#include "profile.h"
#include "registry.h"
#include "window.h"

#include <QElapsedTimer>
#include <QProcess>

#include <cstring>
#include <memory>
#include <vector>

using za::test::FixedHostClock;
using za::test::ProfileTest;
using za::test::UtcMs;

namespace {

const QString kClockKey = QStringLiteral("\\Software\\Microsoft\\Clock");

class CurrentCity : public ProfileTest {
protected:
    void SetUp() override { GetPOApp().Logoff(); }
    void TearDown() override {
        za::outlook::SetAvailability(za::outlook::Availability::Present);
        GetPOApp().Logoff();
    }

    CCity Load(const QString& name) {
        CCityList list;
        CCity city;
        EXPECT_TRUE(list.Open() && list.LoadCity(name, city)) << qPrintable(name);
        list.Close();
        return city;
    }

    int ItemCount() {
        za::outlook::AppPtr app;
        EXPECT_GE(za::outlook::CreateApplication(QStringLiteral("PocketOutlook.Application"), &app), 0);
        app->Logon(0);
        za::outlook::FolderPtr folder;
        za::outlook::ItemsPtr items;
        int count = -1;
        if (app->GetDefaultFolder(za::outlook::olFolderCities, &folder) >= 0 && folder->get_Items(&items) >= 0) {
            items->get_Count(&count);
        }
        return count;
    }

    DWORD Dword(const QString& name) {
        HKEY key = nullptr;
        DWORD value = 0xDEADBEEF, size = sizeof value;
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kClockKey, 0, 0, &key);
        RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        return value;
    }

    std::vector<DWORD> AppInfo() {
        HKEY key = nullptr;
        std::vector<DWORD> words(12, 0xDEADBEEF);
        DWORD size = 48;
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kClockKey, 0, 0, &key);
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, QStringLiteral("AppInfo"), nullptr, nullptr,
                                                  reinterpret_cast<BYTE*>(words.data()), &size));
        RegCloseKey(key);
        EXPECT_EQ(48u, size);
        return words;
    }

    FixedHostClock host{UtcMs(2026, 1, 15, 12, 0)};
};

}  // namespace

// The tests' host is in Los Angeles (tests/support/testmain.cpp): its city is the home city.
TEST_F(CurrentCity, InstallationMakesTheHostZonesCityTheHomeCity) {
    CPOApp& po = GetPOApp();
    ASSERT_TRUE(po.SupportsICity());
    QString name;
    int zone = -1;
    ASSERT_TRUE(po.GetCurrentCityAndTZID(name, &zone));
    EXPECT_EQ(QStringLiteral("Los Angeles, CA"), name);
    EXPECT_EQ(4, zone);
    EXPECT_TRUE(po.GetHomeCity(name));
    EXPECT_FALSE(po.GetVisitingCity(name)) << "no visiting city yet";

    EXPECT_EQ(480u, Dword(QStringLiteral("GMT_OFFSET")));
    EXPECT_EQ(4u, Dword(QStringLiteral("TZIndex")));
    const std::vector<DWORD> words = AppInfo();
    EXPECT_EQ(1u, words[0]);
    EXPECT_EQ(4u, words[2]);
    CCityList list;
    ASSERT_TRUE(list.Open());
    EXPECT_EQ(static_cast<DWORD>(list.FindIndexOfCity(QStringLiteral("Los Angeles, CA"))), words[1]);
}

TEST_F(CurrentCity, SetTimeZoneCityReusesRewritesOrAddsItems) {
    CPOApp& po = GetPOApp();
    const int items = ItemCount();
    ASSERT_GE(items, 1);

    // An unknown city is added with all eight fields and becomes the visiting, current city.
    CCity tokyo = Load(QStringLiteral("Tokyo"));
    ASSERT_TRUE(po.SetTimeZoneCity(tokyo, FALSE));
    EXPECT_EQ(items + 1, ItemCount());
    QString name;
    int zone = -1;
    ASSERT_TRUE(po.GetCurrentCityAndTZID(name, &zone));
    EXPECT_EQ(QStringLiteral("Tokyo"), name);
    EXPECT_EQ(235, zone);
    QString home;
    ASSERT_TRUE(po.GetHomeCity(home));
    EXPECT_EQ(QStringLiteral("Los Angeles, CA"), home) << "the home city stays";

    // Making the present home city current again only switches the index.
    CCity losAngeles = Load(QStringLiteral("Los Angeles, CA"));
    ASSERT_TRUE(po.SetTimeZoneCity(losAngeles, TRUE));
    ASSERT_TRUE(po.GetCurrentCityAndTZID(name, &zone));
    EXPECT_EQ(QStringLiteral("Los Angeles, CA"), name);
    EXPECT_EQ(items + 1, ItemCount());

    // The same name with another zone is rewritten, not added again.
    tokyo.SetTimeZoneID(230);
    ASSERT_TRUE(po.SetTimeZoneCity(tokyo, FALSE));
    EXPECT_EQ(items + 1, ItemCount());
    ASSERT_TRUE(po.GetCurrentCityAndTZID(name, &zone));
    EXPECT_EQ(QStringLiteral("Tokyo"), name);
    EXPECT_EQ(230, zone);

    // A name with a quote is found as itself, never as another item.
    CCity quoted = Load(QStringLiteral("London"));
    quoted.SetName(QStringLiteral("Bar \"Zum\" London"));
    ASSERT_TRUE(po.SetTimeZoneCity(quoted, TRUE));
    ASSERT_TRUE(po.SetTimeZoneCity(quoted, TRUE));
    EXPECT_EQ(items + 2, ItemCount());
    ASSERT_TRUE(po.GetHomeCity(home));
    EXPECT_EQ(quoted.Name(), home);
}

TEST_F(CurrentCity, WithoutTheCityInterfaceEverythingFails) {
    za::outlook::SetAvailability(za::outlook::Availability::NoCityInterface);
    GetPOApp().Logoff();
    CPOApp& po = GetPOApp();
    EXPECT_FALSE(po.SupportsICity());
    QString name;
    int zone = 0;
    EXPECT_FALSE(po.GetHomeCity(name));
    EXPECT_FALSE(po.GetVisitingCity(name));
    EXPECT_FALSE(po.GetCurrentCityAndTZID(name, &zone));
    EXPECT_FALSE(po.SetTimeZoneCity(Load(QStringLiteral("Tokyo")), TRUE));
}

TEST_F(CurrentCity, ClockSettingsKeepTheOtherCitysWords) {
    // Visiting: GMT_OFFSET, HomeDST, TZIndex and the home words stay.
    const std::vector<DWORD> before = AppInfo();
    CCity tokyo = Load(QStringLiteral("Tokyo"));
    CPOApp::WriteClockRegistryInfo(tokyo, FALSE);
    std::vector<DWORD> after = AppInfo();
    EXPECT_EQ(480u, Dword(QStringLiteral("GMT_OFFSET")));
    EXPECT_EQ(4u, Dword(QStringLiteral("TZIndex")));
    EXPECT_EQ(before[1], after[1]);
    EXPECT_EQ(before[2], after[2]);
    EXPECT_EQ(before[4], after[4]);
    EXPECT_EQ(0u, after[0]);
    EXPECT_EQ(235u, after[6]);
    EXPECT_EQ(0u, after[8]);
    EXPECT_EQ(before[3], after[3]);

    // Home: the three values and the home words; a summer zone carries the daylight flag.
    host.Set(UtcMs(2026, 7, 15, 12, 0));
    CCity london = Load(QStringLiteral("London"));
    CPOApp::WriteClockRegistryInfo(london, TRUE);
    after = AppInfo();
    EXPECT_EQ(0u, Dword(QStringLiteral("GMT_OFFSET")));
    EXPECT_EQ(1u, Dword(QStringLiteral("HomeDST")));
    EXPECT_EQ(85u, Dword(QStringLiteral("TZIndex")));
    EXPECT_EQ(1u, after[0]);
    EXPECT_EQ(85u, after[2]);
    EXPECT_EQ(1u, after[4]);
    EXPECT_EQ(235u, after[6]) << "the visiting words stay";

    // Without the key nothing is written, and nothing is created.
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyW(HKEY_LOCAL_MACHINE, kClockKey));
    CPOApp::WriteClockRegistryInfo(london, TRUE);
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_LOCAL_MACHINE, kClockKey, 0, 0, &key));
}

namespace {

// Starts the stand-in Clock program on this test's profile and waits until its window exists.
std::unique_ptr<QProcess> StartClock(const QString& profilePath, const QStringList& args = {}) {
    auto clock = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZONARIA_DEVICE"), profilePath);
    clock->setProcessEnvironment(env);
    clock->start(QStringLiteral(CLOCKWINDOW_PATH), args);
    if (!clock->waitForStarted(20000) || !clock->waitForReadyRead(20000)) return nullptr;
    if (clock->readLine().trimmed() != "ready") return nullptr;
    return clock;
}

}  // namespace

TEST_F(CurrentCity, KillClockClosesTheClockProgram) {
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(KillClock()) << "no Clock running";
    EXPECT_LT(timer.elapsed(), 1000);

    // A Clock that closes when asked ends normally, before the 2000 ms are up.
    std::unique_ptr<QProcess> clock = StartClock(profile.path());
    ASSERT_TRUE(clock);
    timer.restart();
    EXPECT_TRUE(KillClock());
    EXPECT_LT(timer.elapsed(), 2000);
    ASSERT_TRUE(clock->waitForFinished(20000));
    EXPECT_EQ(QProcess::NormalExit, clock->exitStatus());
    EXPECT_EQ(nullptr, FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock")));

    // One that ignores it is terminated after 2000 ms.
    clock = StartClock(profile.path(), {QStringLiteral("--ignore-close")});
    ASSERT_TRUE(clock);
    timer.restart();
    EXPECT_TRUE(KillClock());
    EXPECT_GE(timer.elapsed(), 2000);
    ASSERT_TRUE(clock->waitForFinished(20000));
    EXPECT_EQ(QProcess::CrashExit, clock->exitStatus());

    // Making a city current closes a running Clock first.
    clock = StartClock(profile.path());
    ASSERT_TRUE(clock);
    CCity tokyo = Load(QStringLiteral("Tokyo"));
    EXPECT_TRUE(GetPOApp().SetTimeZoneCity(tokyo, TRUE));
    ASSERT_TRUE(clock->waitForFinished(20000));
    EXPECT_EQ(QProcess::NormalExit, clock->exitStatus());
}
