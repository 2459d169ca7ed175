// Preferences: stored values in the lists, what OK writes, the Today item's key and when the
// Today screen is told; and every tool command reaching its real dialog with its city.
#include "tooltest.h"

#include "device.h"
#include "distancecalcdlg.h"
#include "mainframe.h"
#include "moonrisedlg.h"
#include "preferencesdlg.h"
#include "resource.h"
#include "sunrisedlg.h"
#include "today.h"
#include "autostart.h"
#include "timecalcdlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTimer>

using namespace za::app;
using za::test::ToolTest;

namespace {

const QString kItemKey = QString::fromLatin1(kTodayItemKey);
constexpr UINT kSentinel = WM_USER + 77;

class PreferencesTest : public ToolTest {
protected:
    // The Today item's key as the Today host installs it.
    static void InstallTodayItem(DWORD enabled) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, kItemKey, 0, QString(), 0, 0, nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, QStringLiteral("Enabled"), 0, REG_DWORD,
                                                reinterpret_cast<const BYTE*>(&enabled), sizeof enabled));
        RegCloseKey(key);
    }
    // "Enabled" of the item; -1 without the key, -2 without the value.
    static long long TodayEnabled() {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kItemKey, 0, 0, &key) != ERROR_SUCCESS) return -1;
        DWORD value = 0, size = sizeof value;
        const LONG rc = RegQueryValueExW(key, QStringLiteral("Enabled"), nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        return rc == ERROR_SUCCESS ? static_cast<long long>(value) : -2;
    }
    // Runs the dialog, lets change() act on it, ends it with OK or Cancel; returns the
    // setting-change broadcasts that the OK sent.
    int RunDialog(const std::function<void(CPreferencesDlg&)>& change, bool ok = true) {
        std::vector<std::pair<UINT, WPARAM>> received;
        za::PlatformWindow listener(QStringLiteral("Listener"), QString(),
                                    [&](UINT msg, WPARAM w, LPARAM) { received.emplace_back(msg, w); });
        EXPECT_NE(listener.hwnd(), nullptr);
        CPreferencesDlg dlg(&Frame(), *app);
        QTimer::singleShot(0, [&] {
            change(dlg);
            if (ok) dlg.accept();
            else dlg.reject();
        });
        result = dlg.DoModal();
        // Messages arrive in the order posted: whatever the dialog sent comes before this one.
        PostMessageW(listener.hwnd(), kSentinel, 0, 0);
        EXPECT_TRUE(RunUntil([&] { return !received.empty() && received.back().first == kSentinel; }));
        int broadcasts = 0;
        for (const auto& [msg, w] : received) broadcasts += msg == WM_SETTINGCHANGE && w == 0xF2;  // the Today screen's "items changed"
        return broadcasts;
    }
    static DWORD Setting(CRegistry::ValueName name) { return GetReg().GetDWORDValue(name); }

    int result = 0;
};

TEST_F(PreferencesTest, ListsShowTheStoredValues) {
    struct Row {
        const char* name;
        DWORD twilight, units, count;
        const char* twilightText;
        const char* unitText;
        const char* countText;
    } rows[] = {
        {"defaults", 2, 0, 5, "Civil Twilight", "English", "5"},
        {"lowest", 1, 1, 2, "No Twilight", "Metric", "2"},
        {"highest", 4, 2, 5, "Astronomical Twilight", "Nautical Miles", "5"},
        {"out of range", 9, 7, 1, "No Twilight", "Metric", "2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GetReg().WriteDWORDValue(CRegistry::Twilight, row.twilight);
        GetReg().WriteDWORDValue(CRegistry::UnitSystem, row.units);
        GetReg().WriteDWORDValue(CRegistry::ZATodayCount, row.count);
        CPreferencesDlg dlg(&Frame(), *app);
        EXPECT_EQ(QString::fromLatin1(row.twilightText), dlg.TwilightList()->currentText());
        EXPECT_EQ(QString::fromLatin1(row.unitText), dlg.UnitList()->currentText());
        EXPECT_EQ(QString::fromLatin1(row.countText), dlg.CountList()->currentText());
    }
}

TEST_F(PreferencesTest, OkStoresWhatTheControlsHold) {
    GetReg().WriteDWORDValue(CRegistry::Twilight, 2);
    EXPECT_EQ(0, RunDialog([](CPreferencesDlg& dlg) {
        EXPECT_EQ(QStringLiteral("Civil Twilight"), dlg.TwilightList()->currentText());
        EXPECT_TRUE(dlg.CurrentButtonsBox()->isChecked());
        dlg.TwilightList()->setCurrentIndex(0);  // "No Twilight"
        dlg.UnitList()->setCurrentIndex(2);
        dlg.CurrentButtonsBox()->setChecked(false);
    }));
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1u, Setting(CRegistry::Twilight));
    EXPECT_EQ(2u, Setting(CRegistry::UnitSystem));
    EXPECT_EQ(0u, Setting(CRegistry::CCButton));
    EXPECT_EQ(1u, Setting(CRegistry::CPButton));
    EXPECT_EQ(5u, Setting(CRegistry::ZATodayCount));
}

TEST_F(PreferencesTest, TodayScreenHearsOnlyOfItsOwnChanges) {
    InstallTodayItem(1);
    struct Row {
        const char* name;
        std::function<void(CPreferencesDlg&)> change;
        int broadcasts;
        DWORD count;
        long long enabled;
    } rows[] = {
        {"nothing changed", [](CPreferencesDlg&) {}, 0, 5, 1},
        {"units and buttons only", [](CPreferencesDlg& d) {
             d.UnitList()->setCurrentIndex(1);
             d.ChangeButtonsBox()->setChecked(false);
             d.TwilightList()->setCurrentIndex(3);
         }, 0, 5, 1},
        {"count 3", [](CPreferencesDlg& d) { d.CountList()->setCurrentIndex(1); }, 1, 3, 1},
        {"item off", [](CPreferencesDlg& d) { d.TodayBox()->setChecked(false); }, 1, 3, 0},
        {"item on and back off", [](CPreferencesDlg& d) {
             d.TodayBox()->setChecked(true);
             d.TodayBox()->setChecked(false);
         }, 0, 3, 0},
        {"count and item together", [](CPreferencesDlg& d) {
             d.CountList()->setCurrentIndex(3);
             d.TodayBox()->setChecked(true);
         }, 1, 5, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.broadcasts, RunDialog(row.change));
        EXPECT_EQ(row.count, Setting(CRegistry::ZATodayCount));
        EXPECT_EQ(row.enabled, TodayEnabled());
    }
}

// The Today screen is a window of its own on a desktop: a fresh account has none, turning the
// item on starts it and has the session start it (the user's own autostart entry), turning it
// off stops the session starting it.
TEST_F(PreferencesTest, TodayScreenStartsWithTheSessionOnlyWhenTurnedOn) {
    const za::autostart::Entry& panel = za::autostart::TodayPanel();
    EXPECT_EQ(0, TodayEnabled()) << "a fresh profile shows no Today item";
    EXPECT_FALSE(za::autostart::IsEnabled(panel));
    EXPECT_EQ(0, RunDialog([](CPreferencesDlg& d) { EXPECT_FALSE(d.TodayBox()->isChecked()); }));
    EXPECT_FALSE(za::autostart::IsEnabled(panel)) << "OK alone turns nothing on";
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("start")).empty());

    EXPECT_EQ(1, RunDialog([](CPreferencesDlg& d) { d.TodayBox()->setChecked(true); }));
    EXPECT_EQ(1, TodayEnabled());
    EXPECT_TRUE(za::autostart::IsEnabled(panel));
    const auto started = shell->CallsOf(QStringLiteral("start"));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(started[0].text.endsWith(QStringLiteral("/zonaria-today"))) << started[0].text.toStdString();

    EXPECT_EQ(1, RunDialog([](CPreferencesDlg& d) { d.TodayBox()->setChecked(false); }));
    EXPECT_EQ(0, TodayEnabled());
    EXPECT_FALSE(za::autostart::IsEnabled(panel));
    EXPECT_EQ(shell->CallsOf(QStringLiteral("start")).size(), 1u);
}

TEST_F(PreferencesTest, TodayItemKeyIsNeverCreated) {
    // A profile whose installation put no Today item there.
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyW(HKEY_LOCAL_MACHINE, za::kZonariaTodayKey));
    ASSERT_EQ(-1, TodayEnabled());
    EXPECT_EQ(0, RunDialog([](CPreferencesDlg& dlg) { EXPECT_TRUE(dlg.TodayBox()->isChecked()); }));
    EXPECT_EQ(-1, TodayEnabled());
    // Unchecking it still leaves no key, though the state differs from the one loaded.
    EXPECT_EQ(1, RunDialog([](CPreferencesDlg& dlg) { dlg.TodayBox()->setChecked(false); }));
    EXPECT_EQ(-1, TodayEnabled());

    InstallTodayItem(0);
    CPreferencesDlg dlg(&Frame(), *app);
    EXPECT_FALSE(dlg.TodayBox()->isChecked());
}

TEST_F(PreferencesTest, CancelWritesNothing) {
    InstallTodayItem(1);
    EXPECT_EQ(0, RunDialog(
                     [](CPreferencesDlg& dlg) {
                         dlg.TwilightList()->setCurrentIndex(3);
                         dlg.UnitList()->setCurrentIndex(2);
                         dlg.CountList()->setCurrentIndex(0);
                         dlg.CurrentButtonsBox()->setChecked(false);
                         dlg.ChangeButtonsBox()->setChecked(false);
                         dlg.TodayBox()->setChecked(false);
                     },
                     false));
    EXPECT_EQ(IDCANCEL, result);
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Corvantel\\Zonaria"), 0, 0, &key));
    for (const char* name : {"Twilight", "UnitSystem", "ZATodayCount", "CCButton", "CPButton"}) {
        DWORD size = 0;
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExW(key, QString::fromLatin1(name), nullptr, nullptr, nullptr, &size)) << name;
    }
    RegCloseKey(key);
    EXPECT_EQ(1, TodayEnabled());
}

// On a profile that refuses writes, OK vanished without a word and the choice was lost.
TEST_F(PreferencesTest, ARefusedWriteIsSaidAndTheDialogStaysOpen) {
    const DWORD before = GetReg().GetDWORDValue(CRegistry::Twilight);
    // What a profile that cannot be written answers to every write.
    ASSERT_TRUE(za::device::Db()->exec("PRAGMA query_only = ON"));
    CPreferencesDlg dlg(&Frame());
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
        QComboBox* twilight = dlg.TwilightList();
        twilight->setCurrentIndex((twilight->currentIndex() + 1) % twilight->count());
        dlg.accept();
        stillOpen = dlg.isVisible();
        dlg.reject();
    });
    dlg.DoModal();
    za::device::Db()->exec("PRAGMA query_only = OFF");
    EXPECT_TRUE(stillOpen);
    const auto messages = shell->CallsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("The change could not be saved: The profile is read-only."));
    EXPECT_EQ(before, GetReg().GetDWORDValue(CRegistry::Twilight));
}

TEST_F(PreferencesTest, OkAppliesTheButtonsAndTwilightToTheMainScreen) {
    app->SetDialogs(std::make_unique<CDialogLauncher>());
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<CPreferencesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        dlg->ChangeButtonsBox()->setChecked(false);
        dlg->TwilightList()->setCurrentIndex(0);
        dlg->accept();
    });
    ASSERT_TRUE(Frame().RouteCommand(ID_PREFERENCES));
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(Frame().View().Display(i).Options() & CDS_CHANGEBUTTON) << i;
        EXPECT_TRUE(Frame().View().Display(i).Options() & CDS_CURRENTBUTTON) << i;
    }
    EXPECT_FALSE(Frame().View().Map().Options() & MAP_TWILIGHT);
}

TEST_F(PreferencesTest, PreferencesLookRight) {
    CPreferencesDlg dlg(&Frame(), *app);
    EXPECT_TRUE(SaveLook(&dlg, QStringLiteral("preferences")));
    EXPECT_EQ(QStringLiteral("Twilight:"), dlg.TwilightList()->accessibleName());
    EXPECT_EQ(QStringLiteral("Number of cities on today screen:"), dlg.CountList()->accessibleName());
}

// The tool commands from the menus, the tool bar and a display's menu open the real dialogs
// with the cities they name.
TEST_F(PreferencesTest, ToolCommandsOpenTheirDialogs) {
    app->SetDialogs(std::make_unique<CDialogLauncher>());
    Frame().View().SelectDisplay(2);
    struct Opened {
        UINT templateId = 0;
        QStringList cities;
        QString title;
    };
    struct Row {
        const char* name;
        std::function<void()> command;
        UINT templateId;
        QStringList cities;
    } rows[] = {
        {"distance from the menu", [this] { Frame().RouteCommand(ID_DISTANCE_CALC); }, 159, {"Sydney", "London"}},
        {"time from the menu", [this] { Frame().RouteCommand(ID_TIME_CALC); }, 142,
         {"London", "Tokyo", "Sydney", "New York, NY", "Reykjav\u00edk"}},
        {"sunrise from the menu", [this] { Frame().RouteCommand(ID_SUNRISE); }, 143, {"Sydney"}},
        {"moonrise from the menu", [this] { Frame().RouteCommand(ID_MOONRISE); }, 166, {"Sydney"}},
        {"preferences from the menu", [this] { Frame().RouteCommand(ID_PREFERENCES); }, 134, {}},
        {"sunrise from display 3", [this] { Frame().View().Display(3).OnCommand(ID_SUNRISE); }, 143, {"New York, NY"}},
        {"moonrise from display 1", [this] { Frame().View().Display(1).OnCommand(ID_MOONRISE); }, 166, {"Tokyo"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Opened opened;
        QTimer::singleShot(0, [&opened] {
            auto* dlg = qobject_cast<CBaseDialog*>(QApplication::activeModalWidget());
            if (!dlg) return;
            opened.templateId = dlg->TemplateId();
            if (auto* d = qobject_cast<CDistanceCalcDlg*>(dlg)) opened.cities = {d->FromDisplay().City().Name(), d->ToDisplay().City().Name()};
            if (auto* d = qobject_cast<CAstroDlg*>(dlg)) opened.cities = {d->CityDisplay().City().Name()};
            if (auto* d = qobject_cast<CTimeCalcDlg*>(dlg)) {
                for (int i = 0; i < za::kDisplays; ++i) opened.cities << d->Display(i).City().Name();
            }
            dlg->reject();
        });
        row.command();
        EXPECT_EQ(row.templateId, opened.templateId);
        EXPECT_EQ(row.cities, opened.cities);
    }
}

}  // namespace
