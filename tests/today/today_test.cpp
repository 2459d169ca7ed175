// The Today item as the Today screen uses it: the real plug-in loaded from the build, its
// height, rows, bold row, split, tap and options; and the host across processes, which shows
// a city changed from a terminal and drops the item when Preferences turn it off.
#include "citylist.h"
#include "clock.h"
#include "device.h"
#include "displayedcities.h"
#include "poapp.h"
#include "profile.h"
#include "registry.h"
#include "settings.h"
#include "shell.h"
#include "timedatemock.h"
#include "timeservice.h"
#include "today.h"
#include "todayapi.h"
#include "todayhost.h"
#include "todayitem.h"
#include "worldsettings.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLibrary>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>

using za::test::FixedHostClock;
using za::test::UtcMs;
using za::today::CTodayItem;

namespace {

bool RunUntil(const std::function<bool()>& cond, int ms = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

// The plug-in's entry points, resolved as the host resolves them.
struct Plugin {
    QLibrary library{QStringLiteral(ZATODAY_PATH)};
    TodayInterfaceVersionFn version = nullptr;
    InitializeCustomItemFn init = nullptr;
    CustomItemOptionsDlgProcFn options = nullptr;
    Plugin() {
        if (!library.load()) return;
        version = reinterpret_cast<TodayInterfaceVersionFn>(library.resolve(kTodayVersionSymbol));
        init = reinterpret_cast<InitializeCustomItemFn>(library.resolve(kInitializeCustomItemSymbol));
        options = reinterpret_cast<CustomItemOptionsDlgProcFn>(library.resolve(kCustomItemOptionsSymbol));
    }
};

class TodayTest : public za::test::ProfileTest {
protected:
    TodayTest() : host(UtcMs(2026, 3, 8, 14, 0)) { TurnItemOn(); }
    ~TodayTest() override { za::shell::SetPlatformType(QString()); }

    // A user who turned the item on in the Preferences (a fresh profile has it off).
    static void TurnItemOn() {
        HKEY key = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, za::kZonariaTodayKey, 0, 0, &key));
        const DWORD on = 1;
        RegSetValueExW(key, QStringLiteral("Enabled"), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
        RegCloseKey(key);
    }

    // An item made as the Today screen makes it, with its height asked for.
    std::unique_ptr<QWidget> MakeItem(TODAYLISTITEM& record) {
        std::unique_ptr<QWidget> item(plugin.init(&record, &parent));
        if (!item) return item;
        TodayMessageEvent query(WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0, &record);
        QCoreApplication::sendEvent(item.get(), &query);
        EXPECT_EQ(query.result, 1);
        return item;
    }
    static QStringList Rows(QWidget* item) {
        QStringList rows;
        for (auto* row : item->findChildren<za::today::CTodayRow*>()) {
            if (row->isVisibleTo(item)) rows << row->Text();
        }
        return rows;
    }

    FixedHostClock host;
    Plugin plugin;
    QWidget parent;
    za::shell::ScopedRecorder shell;
};

}  // namespace

// The ticks come every 10 seconds; the item draws only when the minute it shows has changed.
TEST_F(TodayTest, TheTimesAreDrawnOnlyWhenTheMinuteChanged) {
    TODAYLISTITEM record;
    std::unique_ptr<QWidget> item = MakeItem(record);
    ASSERT_NE(item, nullptr);
    parent.resize(item->size());
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    item->installEventFilter(&counter);
    auto* today = static_cast<CTodayItem*>(item.get());
    for (int second : {10, 20, 30, 40, 50}) {
        host.Set(UtcMs(2026, 3, 8, 14, 0, second));
        today->Tick();
        QApplication::processEvents();
    }
    EXPECT_EQ(0, counter.paints);
    host.Set(UtcMs(2026, 3, 8, 14, 1, 0));
    today->Tick();
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(Rows(item.get()).value(0), QStringLiteral("Los Angeles, CA, Sun 7:01 AM \u00a4"));
    counter.paints = 0;
    host.Set(UtcMs(2026, 3, 8, 14, 1, 10));
    today->Tick();
    QApplication::processEvents();
    EXPECT_EQ(0, counter.paints);
}

TEST_F(TodayTest, PluginAnswersTheInterfaceVersion) {
    ASSERT_TRUE(plugin.library.isLoaded()) << plugin.library.errorString().toStdString();
    ASSERT_NE(plugin.version, nullptr);
    EXPECT_EQ(plugin.version(), kTodayInterfaceVersion);
    EXPECT_NE(plugin.init, nullptr);
    EXPECT_NE(plugin.options, nullptr);
}

TEST_F(TodayTest, ThreeCitiesAreFortyFivePixelsOnThePocketPcShell) {
    GetReg().WriteDWORDValue(CRegistry::ZATodayCount, 3);
    for (const char* shell : {"PocketPC", "Palm PC2"}) {
        SCOPED_TRACE(shell);
        za::shell::SetPlatformType(QString::fromLatin1(shell));
        TODAYLISTITEM record;
        std::unique_ptr<QWidget> item = MakeItem(record);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(record.cyp, QByteArray(shell) == "PocketPC" ? 45u : 51u);
        // Asked again, the item keeps the height it gave.
        TodayMessageEvent again(WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0, &record);
        QCoreApplication::sendEvent(item.get(), &again);
        EXPECT_EQ(again.result, 0);
        // Each city's offset from the current one follows its time.
        EXPECT_EQ(Rows(item.get()), (QStringList{"Los Angeles, CA, Sun 7:00 AM \u00a4", "Chicago, IL, Sun 9:00 AM \u00a4, +2 h",
                                                 "New York, NY, Sun 10:00 AM \u00a4, +3 h"}));
    }
}

TEST_F(TodayTest, OffsetsFollowTheirPreferenceAndTheCurrentCityEvenWhenNotShown) {
    GetReg().WriteDWORDValue(CRegistry::ZATodayCount, 2);
    GetReg().WriteDWORDValue(CRegistry::CityX, 4);  // Tokyo, below the two rows shown
    TODAYLISTITEM record;
    std::unique_ptr<QWidget> item = MakeItem(record);
    ASSERT_NE(item, nullptr);
    // 14:00 UTC: 23:00 on Sunday in Tokyo, 07:00 the same Sunday in Los Angeles.
    EXPECT_EQ(Rows(item.get()), (QStringList{"Los Angeles, CA, Sun 7:00 AM \u00a4, \u221216 h",
                                             "Chicago, IL, Sun 9:00 AM \u00a4, \u221214 h"}));
    za::SetShowOffsetsSetting(false);
    item.reset();
    TODAYLISTITEM again;
    std::unique_ptr<QWidget> plain = MakeItem(again);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(Rows(plain.get()), (QStringList{"Los Angeles, CA, Sun 7:00 AM \u00a4", "Chicago, IL, Sun 9:00 AM \u00a4"}));
}

TEST_F(TodayTest, TheSelectedRowIsBoldUnlessItIsNotShown) {
    GetReg().WriteDWORDValue(CRegistry::ZATodayCount, 3);
    GetReg().WriteDWORDValue(CRegistry::CityX, 1);
    TODAYLISTITEM record;
    std::unique_ptr<QWidget> item = MakeItem(record);
    ASSERT_NE(item, nullptr);
    auto rows = item->findChildren<za::today::CTodayRow*>();
    ASSERT_GE(rows.size(), 3);
    EXPECT_FALSE(rows[0]->IsSelected());
    EXPECT_TRUE(rows[1]->IsSelected());
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(rows[1])->state().selected);
    // A listener hears which row is the current city, and the daylight mark in words.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(rows[1])->text(QAccessible::Name),
              QStringLiteral("Chicago, IL, Sun 9:00 AM, daylight saving time, current city"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(rows[0])->text(QAccessible::Name),
              QStringLiteral("Los Angeles, CA, Sun 7:00 AM, daylight saving time, \u2212""2 h"));

    GetReg().WriteDWORDValue(CRegistry::CityX, 4);
    static_cast<CTodayItem*>(item.get())->Reload();
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(rows[i]->IsSelected()) << i;
}

TEST_F(TodayTest, NameAndTimeSplitAtFiveNinthsRightOfTheIcon) {
    TODAYLISTITEM record;
    std::unique_ptr<QWidget> item = MakeItem(record);
    ASSERT_NE(item, nullptr);
    parent.show();
    item->resize(300, static_cast<int>(record.cyp));
    item->resize(240, static_cast<int>(record.cyp));
    auto* today = static_cast<CTodayItem*>(item.get());
    EXPECT_EQ(today->NameRect(0).left(), 30);
    EXPECT_EQ(today->TimeRect(0).left(), 146);
    EXPECT_EQ(today->NameRect(0).right() + 1, 146);
    EXPECT_EQ(today->TimeRect(4).top(), 4 * today->RowHeight());
}

TEST_F(TodayTest, DisabledItemMakesNoWindow) {
    TODAYLISTITEM record;
    record.fEnabled = FALSE;
    EXPECT_EQ(plugin.init(&record, &parent), nullptr);
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::ZAReserved), 0u);
}

TEST_F(TodayTest, ItsWindowIsPublishedWhileItRuns) {
    TODAYLISTITEM record;
    std::unique_ptr<QWidget> item = MakeItem(record);
    ASSERT_NE(item, nullptr);
    const DWORD published = GetReg().GetDWORDValue(CRegistry::ZAReserved);
    EXPECT_NE(published, 0u);
    EXPECT_EQ(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(published)),
              static_cast<CTodayItem*>(item.get())->PlatformHandle());
    item.reset();
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::ZAReserved), 0u);
}

TEST_F(TodayTest, ATapAnywhereStartsZonaria) {
    TODAYLISTITEM record;
    std::unique_ptr<QWidget> item = MakeItem(record);
    ASSERT_NE(item, nullptr);
    parent.show();
    QTest::mouseClick(item.get(), Qt::LeftButton, {}, QPoint(200, 60));
    const auto starts = shell->CallsOf(QStringLiteral("start"));
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_TRUE(starts[0].text.endsWith(QStringLiteral("zonaria"))) << qPrintable(starts[0].text);
    EXPECT_TRUE(starts[0].arguments.isEmpty());

    // The installation directory, when recorded, names the program.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Apps\\Corvantel Zonaria"), 0,
                                             QString(), 0, 0, nullptr, &key, nullptr));
    const QString dir = QStringLiteral("/opt/zonaria/bin");
    RegSetValueExW(key, QStringLiteral("InstallDir"), 0, REG_SZ, reinterpret_cast<const BYTE*>(dir.utf16()),
                   static_cast<DWORD>((dir.size() + 1) * 2));
    RegCloseKey(key);
    TodayMessageEvent clear(WM_TODAYCUSTOM_CLEARCACHE, 0, nullptr);
    QCoreApplication::sendEvent(item.get(), &clear);
    EXPECT_EQ(static_cast<CTodayItem*>(item.get())->ApplicationPath(), QStringLiteral("/opt/zonaria/bin/zonaria"));
}

// A quick click on the panel is the item's tap; only a press that moves drags the window (the
// window used to follow the pointer after any click).
TEST_F(TodayTest, AClickOnThePanelOpensZonariaAndOnlyADragMovesIt) {
    za::today::CTodayHost todayHost;
    todayHost.LoadItems();
    ASSERT_EQ(todayHost.ItemCount(), 1);
    todayHost.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&todayHost));
    const QPoint onItem = todayHost.Item(0)->geometry().center();
    QTest::mousePress(&todayHost, Qt::LeftButton, {}, onItem);
    QTest::mouseRelease(&todayHost, Qt::LeftButton, {}, onItem);
    ASSERT_EQ(shell->CallsOf(QStringLiteral("start")).size(), 1u) << "the click opened Zonaria";
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("start"))[0].text.endsWith(QStringLiteral("zonaria")));

    const QPoint before = todayHost.pos();
    QTest::mousePress(&todayHost, Qt::LeftButton, {}, onItem);
    QTest::mouseMove(&todayHost, onItem + QPoint(40, 30));
    QTest::mouseRelease(&todayHost, Qt::LeftButton, {}, onItem + QPoint(40, 30));
    EXPECT_EQ(shell->CallsOf(QStringLiteral("start")).size(), 1u) << "a drag opens nothing";
    EXPECT_NE(todayHost.pos(), before) << "a drag moves the panel";
    // After the drag the panel stays where it was put.
    const QPoint placed = todayHost.pos();
    QTest::mouseMove(&todayHost, onItem + QPoint(90, 60));
    EXPECT_EQ(todayHost.pos(), placed);
}

TEST_F(TodayTest, OptionsStoreTheChosenCount) {
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<za::today::CTodayOptionsDlg*>(QApplication::activeModalWidget());
        if (!dlg) return;
        dlg->CountBox()->setCurrentIndex(dlg->CountBox()->findText(QStringLiteral("5")));
        dlg->accept();
    });
    GetReg().WriteDWORDValue(CRegistry::ZATodayCount, 2);
    EXPECT_EQ(plugin.options(&parent, nullptr), IDOK);
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::ZATodayCount), 5u);
}

TEST_F(TodayTest, HostShowsAChangeMadeFromATerminalAndDropsADisabledItem) {
    za::today::CTodayHost todayHost;
    todayHost.LoadItems();
    ASSERT_EQ(todayHost.ItemCount(), 1) << "the installation's item, found beside the build's programs";
    QWidget* item = todayHost.Item(0);
    todayHost.show();

    // Another process sets display 1 and tells the item.
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZONARIA_DEVICE"), profile.path());
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(ZONARIA_CLI_PATH), {QStringLiteral("set-city"), QStringLiteral("1"), QStringLiteral("Sydney")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_TRUE(RunUntil([&] { return Rows(item).value(1).startsWith(QStringLiteral("Sydney, ")); }))
        << qPrintable(Rows(item).join(QStringLiteral(" | ")));

    // Preferences turn the item off and tell the Today screen.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, za::kZonariaTodayKey, 0, 0, &key));
    const DWORD off = 0;
    RegSetValueExW(key, QStringLiteral("Enabled"), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), sizeof off);
    RegCloseKey(key);
    ASSERT_TRUE(za::BroadcastTodayItemsChanged());
    EXPECT_TRUE(RunUntil([&] { return todayHost.ItemCount() == 0; }));
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::ZAReserved), 0u);
}

// No window runs: the item alone makes the current city follow a change of the computer's
// zone (timedatectl, the desktop's settings), and changes nothing on the computer.
TEST_F(TodayTest, WithoutAWindowTheCurrentCityFollowsTheComputersZone) {
    za::test::TimedateMock mock{QStringLiteral("Europe/Berlin")};
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    za::test::TempProfile onComputer;
    GetPOApp().Logoff();
    TurnItemOn();
    ASSERT_EQ(za::device::DeviceKind::Computer, za::device::Kind());
    TODAYLISTITEM record;
    std::unique_ptr<QWidget> item = MakeItem(record);
    ASSERT_TRUE(item);
    ASSERT_TRUE(Rows(item.get()).value(0).startsWith(QStringLiteral("Berlin, "))) << qPrintable(Rows(item.get()).join(" | "));

    // Tokyo is shown on display 4: it becomes current.
    ASSERT_TRUE(mock.SetProperty(QStringLiteral("Timezone"), QStringLiteral("Asia/Tokyo")));
    EXPECT_TRUE(RunUntil([] { return GetReg().GetDWORDValue(CRegistry::CityX) == 4; }));
    EXPECT_EQ(za::DisplayedCities::Read().Name(4), QStringLiteral("Tokyo"));

    // No display shows India's zone: a city of it takes the current display's place.
    ASSERT_TRUE(mock.SetProperty(QStringLiteral("Timezone"), QStringLiteral("Asia/Kolkata")));
    EXPECT_TRUE(RunUntil([] { return za::DisplayedCities::Read().Name(4) != QStringLiteral("Tokyo"); }));
    CCity shown;
    ASSERT_TRUE(GetCityList().Open());
    ASSERT_TRUE(GetCityList().LoadCity(za::DisplayedCities::Read().Name(4), shown));
    GetCityList().Close();
    TIME_ZONE_INFORMATION device{};
    GetTimeZoneInformation(&device);
    EXPECT_TRUE(shown.TimeZone().IsSameTZ(&device)) << shown.Name().toStdString();
    EXPECT_TRUE(RunUntil([&] { return Rows(item.get()).value(4).startsWith(shown.Name() + QStringLiteral(", ")); }))
        << qPrintable(Rows(item.get()).join(" | "));
    EXPECT_TRUE(mock.Calls().isEmpty()) << "following the computer changes nothing on it";
}

// Every profile failure was hidden behind "Zonaria's Preferences turn it on."
TEST_F(TodayTest, HostNamesTheProfilesProblemAsTheWindowDoes) {
    za::device::Reset();
    QFile db(profile.dbPath());
    ASSERT_TRUE(QDir().mkpath(profile.path()));
    ASSERT_TRUE(db.open(QIODevice::WriteOnly));
    db.write(QByteArray(8192, '\x5a'));
    db.close();
    za::today::CTodayHost todayHost;
    todayHost.LoadItems();
    EXPECT_EQ(todayHost.ItemCount(), 0);
    QLabel* shown = nullptr;
    for (QLabel* label : todayHost.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&todayHost)) shown = label;
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->text().startsWith(QStringLiteral("The device profile at %1 cannot be used: the device profile is "
                                                        "damaged")
                                             .arg(profile.path())))
        << shown->text().toStdString();
}

// A logout ends the programs with SIGTERM: the host closes its item as on an ordinary quit,
// so "ZAReserved" does not keep the window of a process that is gone.
TEST_F(TodayTest, HostClosesItsItemWhenTheSessionEnds) {
    QProcess todayHost;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZONARIA_DEVICE"), profile.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    todayHost.setProcessEnvironment(env);
    todayHost.start(QStringLiteral(ZONARIA_TODAY_PATH), {});
    ASSERT_TRUE(todayHost.waitForStarted(10000));
    ASSERT_TRUE(RunUntil([&] { return GetReg().GetDWORDValue(CRegistry::ZAReserved) != 0; }, 30000));
    todayHost.terminate();
    ASSERT_TRUE(todayHost.waitForFinished(30000));
    EXPECT_EQ(todayHost.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(todayHost.exitCode(), 0);
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::ZAReserved), 0u);
}

TEST_F(TodayTest, PluginsAreLookedForBesideTheHost) {
    const QStringList candidates = za::today::PluginCandidates(QStringLiteral("libzatoday.so"), QStringLiteral("/usr/bin"));
    EXPECT_EQ(candidates.value(0), QStringLiteral("/usr/bin/libzatoday.so"));
    EXPECT_TRUE(candidates.contains(QStringLiteral("/usr/bin/../lib/libzatoday.so")));
    EXPECT_EQ(za::today::PluginCandidates(QStringLiteral("/opt/x/libz.so"), QStringLiteral("/usr/bin")),
              QStringList{"/opt/x/libz.so"});
    // No name at all: the Zonaria item's own file.
    EXPECT_TRUE(za::today::PluginCandidates(QString(), QStringLiteral("/usr/bin")).value(0).endsWith(za::kTodayPlugin));
}

// The host shows the installed item with its five rows; the picture is saved for a person to
// look at.
TEST_F(TodayTest, HostShowsTheInstalledItemWithFiveRows) {
    za::today::CTodayHost todayHost;
    todayHost.LoadItems();
    ASSERT_EQ(todayHost.ItemCount(), 1);
    todayHost.show();
    QApplication::processEvents();
    EXPECT_EQ(Rows(&todayHost).size(), 5);
    QDir().mkpath(QStringLiteral(ZONARIA_ARTIFACT_DIR));
    EXPECT_TRUE(todayHost.grab().toImage().save(QStringLiteral(ZONARIA_ARTIFACT_DIR "/today.png")));
}
