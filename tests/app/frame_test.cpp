// The application object and the main frame: start-up, the city database failure, the menus
// and tool bar with their commands, the start-up timer, activation, the Today notices and a
// second start.
#include "apptest.h"

#include "appstrings.h"
#include "citylist.h"
#include "fonts.h"
#include "images.h"
#include "device.h"
#include "mainframe.h"
#include "resource.h"
#include "settings.h"
#include "window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QSet>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>

#include <cstdlib>

using namespace za::app;
using za::test::AppTest;
using ApplicationFrame = AppTest;

namespace {

QList<QAction*> MenuActions(CMainFrame& frame, int index) {
    const QList<QAction*> menus = frame.menuBar()->actions();
    return menus.at(index)->menu()->actions();
}

// "text id" per item (its Alt key's mark left out), "-" per separator.
QStringList Describe(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions) {
        out << (a->isSeparator() ? QStringLiteral("-")
                                 : QString(a->text()).remove(QLatin1Char('&')) + QLatin1Char(' ') + a->data().toString());
    }
    return out;
}

// Every item of a menu has its own Alt key.
void ExpectDistinctMnemonics(const QList<QAction*>& actions) {
    QSet<QChar> keys;
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        const qsizetype at = a->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(at, 0) << qPrintable(a->text()) << " has no Alt key";
        const QChar key = a->text().at(at + 1).toLower();
        EXPECT_FALSE(keys.contains(key)) << qPrintable(a->text()) << " shares its Alt key";
        keys.insert(key);
    }
}

QAction* ActionFor(CMainFrame& frame, UINT id) {
    const QList<QAction*> all = frame.findChildren<QAction*>();
    for (QAction* a : all) {
        if (!a->isSeparator() && a->data().toUInt() == id && !a->text().isEmpty()) return a;
    }
    return nullptr;
}

}  // namespace

TEST_F(ApplicationFrame, StartsWithWaitCursorAndShowsTheFrame) {
    GetReg().WriteStringValue(CRegistry::City3, QStringLiteral("Tokyo"));
    GetReg().WriteDWORDValue(CRegistry::CityX, 3);
    ASSERT_TRUE(Start());
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Zonaria"));
    const auto waits = shell->CallsOf(QStringLiteral("wait"));
    ASSERT_EQ(waits.size(), 2u);
    EXPECT_EQ(waits[0].text, QStringLiteral("on"));
    EXPECT_EQ(waits[1].text, QStringLiteral("off"));
    EXPECT_EQ(app->GetDisplayedCity(3), QStringLiteral("Tokyo"));
    EXPECT_EQ(app->GetSelectedDisplay(), 3u);
    EXPECT_GT(GetCityList().GetCityCount(), 1000);
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("message")).empty());
}

TEST_F(ApplicationFrame, SelectedDisplayOutsideTheFiveBecomesZero) {
    GetReg().WriteDWORDValue(CRegistry::CityX, 7);
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->GetSelectedDisplay(), 0u);
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::CityX), 0u);
    EXPECT_EQ(Frame().View().SelectedIndex(), 0);
}

TEST_F(ApplicationFrame, CityDatabaseFailureTellsAndCreatesNoWindow) {
    // A database volume that does not exist cannot be opened.
    GetReg().WriteStringValue(CRegistry::DBPath, QDir(profile.path()).filePath(QStringLiteral("missing.vol")));
    EXPECT_FALSE(Start());
    EXPECT_EQ(app->MainFrame(), nullptr);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    const auto messages = shell->CallsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, AppString(IDS_CANNOT_OPEN_DB));
    EXPECT_EQ(messages[0].type, MB_OK | MB_ICONSTOP);
    const auto waits = shell->CallsOf(QStringLiteral("wait"));
    ASSERT_EQ(waits.size(), 2u);
    EXPECT_EQ(waits[1].text, QStringLiteral("off"));
}

TEST_F(ApplicationFrame, DamagedProfileIsNamedAfterTheDatabaseMessage) {
    // Another program's file where the profile's database should be (and no log of the
    // profile the fixture opened, from which SQLite would read the old pages).
    za::device::Reset();
    QDir(profile.path()).removeRecursively();
    QDir().mkpath(profile.path());
    QFile foreign(profile.dbPath());
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write(QByteArray("not a database at all, but long enough to look like a file").repeated(100));
    foreign.close();
    za::device::Reset();
    EXPECT_FALSE(Start());
    EXPECT_EQ(app->MainFrame(), nullptr);
    const auto messages = shell->CallsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(AppString(IDS_CANNOT_OPEN_DB) + QStringLiteral("\n\n")));
    EXPECT_TRUE(messages[0].text.contains(profile.path())) << qPrintable(messages[0].text);
    EXPECT_EQ(messages[0].type, MB_OK | MB_ICONSTOP);
}

TEST_F(ApplicationFrame, MenusAreMenu128WithAHelpMenu) {
    ASSERT_TRUE(Start());
    const QList<QAction*> menus = Frame().menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->menu()->title(), QStringLiteral("&Tools"));
    EXPECT_EQ(menus[1]->menu()->title(), QStringLiteral("&Settings"));
    EXPECT_EQ(Describe(MenuActions(Frame(), 0)),
              (QStringList{"Alarms... 32790", "-", "Airport Codes... 32827", "Phone Codes... 32826", "-",
                           "Distance Calculator... 32798", "Time Calculator... 32782", "Meeting Planner... 32840", "-", "Sunrise... 32797",
                           "Moonrise... 32829"}));
    EXPECT_EQ(Describe(MenuActions(Frame(), 1)),
              (QStringList{"Set Time... 32796", "Edit Cities... 32794", "Preferences... 32771", "-",
                           "About Zonaria... 57664", "-", "Quit 1"}));
    EXPECT_EQ(MenuActions(Frame(), 1).last()->shortcut(), QKeySequence(QKeySequence::Quit));
    EXPECT_EQ(Describe(MenuActions(Frame(), 2)), QStringList{"Zonaria Help 57670"});
    EXPECT_EQ(MenuActions(Frame(), 2).at(0)->shortcut(), QKeySequence(QKeySequence::HelpContents));
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ExpectDistinctMnemonics(MenuActions(Frame(), i));
        EXPECT_FALSE(menus[i]->menu()->accessibleName().isEmpty());
    }
    // A screen reader names the bar that holds them too.
    EXPECT_EQ(Frame().menuBar()->accessibleName(), QStringLiteral("Menu bar"));
}

TEST_F(ApplicationFrame, ToolBarHasFiveButtonsWithTheirTips) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame().ToolTips(), (QStringList{"Settings", "Tools", "Alarm", "Time Calculator",
                                               "Distance Calculator", "Sunrise", "Moonrise"}));
    const QList<QAction*> buttons = Frame().ToolBar()->actions();
    ASSERT_EQ(buttons.size(), 5);
    const UINT ids[] = {ID_ALARMS, ID_TIME_CALC, ID_DISTANCE_CALC, ID_SUNRISE, ID_MOONRISE};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(buttons[i]->data().toUInt(), ids[i]) << i;
        EXPECT_EQ(buttons[i]->toolTip(), Frame().ToolTips().at(2 + i)) << i;
        EXPECT_FALSE(buttons[i]->text().isEmpty()) << "a screen reader names the button by its text";
    }
}

namespace {
QImage Pixels(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }
}  // namespace

// The application's style gives the bars' extension arrows itself: they are there in the
// sizes the base style has, and every other image still comes from the base style.
TEST_F(ApplicationFrame, TheStyleKeepsTheExtensionArrowsAndEveryOtherImage) {
    za::app::UseStyleWithPngImages();
    QStyle* style = QApplication::style();
    auto* proxy = qobject_cast<QProxyStyle*>(style);
    ASSERT_NE(proxy, nullptr);
    QStyle* base = proxy->baseStyle();
    for (QStyle::StandardPixmap arrow : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon own = style->standardIcon(arrow);
        const QIcon theirs = base->standardIcon(arrow);
        EXPECT_FALSE(own.availableSizes().isEmpty()) << arrow;
        EXPECT_EQ(own.availableSizes(), theirs.availableSizes()) << arrow;
        for (const QSize& size : theirs.availableSizes()) {
            EXPECT_EQ(Pixels(own.pixmap(size)), Pixels(theirs.pixmap(size))) << arrow;
        }
    }
    EXPECT_FALSE(style->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
}

// The tool bar's background, drawn in strips to keep Qt's raster engine from starting threads
// for its long lines, comes out pixel for pixel as the base style draws it whole.
TEST_F(ApplicationFrame, TheStyleDrawsTheToolBarAsItsBaseStyleDoes) {
    za::app::UseStyleWithPngImages();
    auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(proxy, nullptr);
    QMainWindow window;
    auto* bar = window.addToolBar(QStringLiteral("Tools"));
    for (const QStyle::ControlElement element : {QStyle::CE_ToolBar, QStyle::CE_MenuBarEmptyArea}) {
        for (const int width : {40, 90, 91, 500, 1283}) {
            SCOPED_TRACE(testing::Message() << element << " " << width);
            QStyleOptionToolBar option;
            option.initFrom(bar);
            option.rect = QRect(3, 2, width, 31);
            option.state |= QStyle::State_Horizontal;
            option.toolBarArea = Qt::TopToolBarArea;
            option.positionOfLine = QStyleOptionToolBar::OnlyOne;
            auto draw = [&](const QStyle* style) {
                QImage image(width + 6, 36, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                QPainter painter(&image);
                style->drawControl(element, &option, &painter, bar);
                return image;
            };
            const QImage whole = draw(proxy->baseStyle());
            EXPECT_EQ(draw(proxy), whole);
            EXPECT_NE(whole.pixel(width, 32), whole.pixel(width, 0)) << "the base style drew something";
        }
    }
}

// The tool bar's images, read when first drawn: each the strip's own square at 1x and 2x,
// scaled between them, and greyed when disabled.
TEST_F(ApplicationFrame, ToolBarImagesComeInBothDensitiesAndEveryMode) {
    const QImage strip = Pixels(QPixmap::fromImage(ReadPng(QStringLiteral(":/zonaria/icons/toolbar.png"))));
    const QImage strip2x = Pixels(QPixmap::fromImage(ReadPng(QStringLiteral(":/zonaria/icons/toolbar@2x.png"))));
    const QList<QIcon> icons = za::app::ToolBarIcons();
    ASSERT_EQ(icons.size(), 5);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const QIcon icon = icons[i];
        EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
        const QImage normal = Pixels(icon.pixmap(QSize(16, 16)));
        EXPECT_EQ(normal, strip.copy(i * 16, 0, 16, 16));
        const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
        EXPECT_EQ(Pixels(sharp), strip2x.copy(i * 32, 0, 32, 32));
        EXPECT_EQ(icon.actualSize(QSize(24, 24)), QSize(24, 24));
        EXPECT_EQ(icon.pixmap(QSize(24, 24)).size(), QSize(24, 24));
        EXPECT_EQ(icon.actualSize(QSize(64, 64)), QSize(32, 32));
        const QImage disabled = Pixels(icon.pixmap(QSize(16, 16), QIcon::Disabled));
        EXPECT_EQ(disabled.size(), QSize(16, 16));
        EXPECT_NE(disabled, normal);
        // A detached copy draws the same.
        QIcon copy = icon;
        copy.detach();
        EXPECT_EQ(Pixels(copy.pixmap(QSize(32, 32))), strip2x.copy(i * 32, 0, 32, 32));
    }
}

TEST_F(ApplicationFrame, EveryCommandReachesItsHandler) {
    GetReg().WriteStringValue(CRegistry::City0, QStringLiteral("London"));
    GetReg().WriteStringValue(CRegistry::City1, QStringLiteral("Tokyo"));
    GetReg().WriteStringValue(CRegistry::City2, QStringLiteral("Sydney"));
    GetReg().WriteDWORDValue(CRegistry::CityX, 2);
    ASSERT_TRUE(Start());
    struct Row {
        UINT id;
        const char* dialog;
        QStringList cities;
    };
    const Row rows[] = {
        {ID_ALARMS, "Alarms", {"Sydney"}},
        {ID_AIRPORT_CODES, "AirportCodes", {}},
        {ID_PHONE_CODES, "PhoneCodes", {}},
        // The selected display's city, and display 0's because display 0 is not selected.
        {ID_DISTANCE_CALC, "DistanceCalculator", {"Sydney", "London"}},
        {ID_TIME_CALC, "TimeCalculator", {}},
        {ID_MEETING_PLANNER, "MeetingPlanner", {}},
        {ID_SUNRISE, "Sunrise", {"Sydney"}},
        {ID_MOONRISE, "Moonrise", {"Sydney"}},
        {ID_SET_TIME, "SetTime", {}},
        {ID_EDIT_CITIES, "EditCities", {}},
        {ID_PREFERENCES, "Preferences", {}},
        {ID_APP_ABOUT, "About", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dialog);
        dialogs->calls.clear();
        QAction* action = ActionFor(Frame(), row.id);
        ASSERT_NE(action, nullptr);
        action->trigger();
        ASSERT_EQ(dialogs->calls.size(), 1u);
        EXPECT_EQ(dialogs->calls[0].dialog, QString::fromLatin1(row.dialog));
        EXPECT_EQ(dialogs->calls[0].cities, row.cities);
    }
    shell->Clear();
    ActionFor(Frame(), ID_HELP)->trigger();
    const auto help = shell->CallsOf(QStringLiteral("help"));
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].text, QStringLiteral("file:Zonaria.htm#Main_Contents"));
}

TEST_F(ApplicationFrame, DistanceFromDisplayZeroGoesToDisplayOne) {
    GetReg().WriteStringValue(CRegistry::City0, QStringLiteral("London"));
    GetReg().WriteStringValue(CRegistry::City1, QStringLiteral("Tokyo"));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Frame().RouteCommand(ID_DISTANCE_CALC));
    ASSERT_EQ(dialogs->calls.size(), 1u);
    EXPECT_EQ(dialogs->calls[0].cities, (QStringList{"London", "Tokyo"}));
    EXPECT_FALSE(Frame().RouteCommand(12345));
}

TEST_F(ApplicationFrame, OkClosesTheFrame) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Frame().RouteCommand(ID_OK));
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_FALSE(Frame().IsStartupPending());
}

TEST_F(ApplicationFrame, FirstRunWelcomesInsideTheWindowOnceAfterTheStartupDelay) {
    ASSERT_EQ(GetReg().GetDWORDValue(CRegistry::InitialRun), 1u);
    ASSERT_TRUE(Start());
    QSignalSpy checks(&Frame().View(), &CMainView::cityChecked);
    Pump(kStartupDelayMs - 500);
    EXPECT_EQ(checks.count(), 0);
    EXPECT_FALSE(Frame().View().IsWelcomeShown());
    ASSERT_TRUE(RunUntil([&] { return checks.count() == 1; }, 3000));
    // No page opens unasked: the welcome is inside the window, over the map's foot.
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("help")).empty());
    ASSERT_TRUE(Frame().View().IsWelcomeShown());
    QWidget* welcome = Frame().View().Welcome();
    EXPECT_TRUE(Frame().View().Map().geometry().contains(welcome->geometry())) << "it hides no clock";
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::InitialRun), 0u);
    EXPECT_FALSE(Frame().IsStartupPending());
    za::test::SaveShot(Frame(), QStringLiteral("welcome.png"));

    // Its link opens the help's welcome page; its button closes it.
    auto* text = welcome->findChild<QLabel*>();
    ASSERT_NE(text, nullptr);
    emit text->linkActivated(QStringLiteral("welcome"));
    const auto help = shell->CallsOf(QStringLiteral("help"));
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].text, QStringLiteral("file:Zonaria.htm#welcome"));
    auto* close = welcome->findChild<QToolButton*>();
    ASSERT_NE(close, nullptr);
    EXPECT_FALSE(close->accessibleName().isEmpty());
    close->click();
    EXPECT_FALSE(Frame().View().IsWelcomeShown());

    // The next check shows nothing.
    Frame().OnApplicationStateChanged(Qt::ApplicationInactive);
    Frame().OnApplicationStateChanged(Qt::ApplicationActive);
    ASSERT_TRUE(RunUntil([&] { return checks.count() == 2; }));
    EXPECT_FALSE(Frame().View().IsWelcomeShown());
    EXPECT_EQ(shell->CallsOf(QStringLiteral("help")).size(), 1u);
}

TEST_F(ApplicationFrame, OneCheckPerReturnFromAnotherProgram) {
    GetReg().WriteDWORDValue(CRegistry::InitialRun, 0);
    ASSERT_TRUE(Start());
    QSignalSpy checks(&Frame().View(), &CMainView::cityChecked);
    // Within the first three seconds the start-up timer is the one that checks.
    Frame().OnApplicationStateChanged(Qt::ApplicationInactive);
    Frame().OnApplicationStateChanged(Qt::ApplicationActive);
    Pump(200);
    EXPECT_EQ(checks.count(), 0);
    ASSERT_TRUE(RunUntil([&] { return checks.count() == 1; }, kStartupDelayMs + 2000));

    Frame().OnApplicationStateChanged(Qt::ApplicationInactive);
    Frame().OnApplicationStateChanged(Qt::ApplicationActive);
    // Still active: no second return.
    Frame().OnApplicationStateChanged(Qt::ApplicationActive);
    Pump(200);
    EXPECT_EQ(checks.count(), 2);

    // A dialog of the program closing activates the frame from inside the program.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&Frame(), &activate);
    Pump(200);
    EXPECT_EQ(checks.count(), 2);
}

TEST_F(ApplicationFrame, ClosingEarlyStopsTheStartupTimer) {
    ASSERT_TRUE(Start());
    QSignalSpy checks(&Frame().View(), &CMainView::cityChecked);
    EXPECT_TRUE(Frame().IsStartupPending());
    Frame().close();
    EXPECT_FALSE(Frame().IsStartupPending());
    Pump(kStartupDelayMs + 500);
    EXPECT_EQ(checks.count(), 0);
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::InitialRun), 1u);
}

TEST_F(ApplicationFrame, MinimisedFrameLetsTheMapImagesGoUntilActivated) {
    ASSERT_TRUE(Start());
    Frame().showMinimized();
    Frame().OnHibernate();
    EXPECT_TRUE(Frame().IsInBackground());
    Frame().OnActivate(true, false);
    EXPECT_FALSE(Frame().IsInBackground());
}

TEST_F(ApplicationFrame, IsCityDisplayedComparesExactly) {
    GetReg().WriteStringValue(CRegistry::City3, QStringLiteral("London"));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(app->IsCityDisplayed(QStringLiteral("London")));
    EXPECT_FALSE(app->IsCityDisplayed(QStringLiteral("london")));
    EXPECT_FALSE(app->IsCityDisplayed(QStringLiteral("London ")));
}

TEST_F(ApplicationFrame, TodayItemHearsOfDisplayedCityChanges) {
    ASSERT_TRUE(Start());
    // Without an item nothing is posted and nothing fails.
    ASSERT_EQ(GetReg().GetDWORDValue(CRegistry::ZAReserved), 0u);
    app->SetDisplayedCity(1, QStringLiteral("Tokyo"));
    EXPECT_EQ(GetReg().GetStringValue(CRegistry::City1), QStringLiteral("Tokyo"));

    std::vector<UINT> received;
    za::PlatformWindow item(QStringLiteral("ZAToday"), QString(),
                            [&](UINT msg, WPARAM, LPARAM) { received.push_back(msg); });
    ASSERT_NE(item.hwnd(), nullptr);
    GetReg().WriteDWORDValue(CRegistry::ZAReserved,
                             static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(item.hwnd())));
    app->SetDisplayedCity(2, QStringLiteral("Sydney"));
    app->SetSelectedDisplay(2);
    const UINT update = RegisterWindowMessageW(QStringLiteral("WM_UPDATE_ZATODAY"));
    ASSERT_TRUE(RunUntil([&] { return received.size() == 2; }));
    EXPECT_EQ(received, (std::vector<UINT>{update, update}));
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::CityX), 2u);

    // A changed set of items is a broadcast to every window.
    received.clear();
    app->NotifyToday(1);
    ASSERT_TRUE(RunUntil([&] { return !received.empty(); }));
    Pump(100);
    EXPECT_EQ(received, std::vector<UINT>{WM_SETTINGCHANGE});
}

TEST_F(ApplicationFrame, SecondStartBringsTheRunningFrameForward) {
    EXPECT_FALSE(ActivateRunningInstance());
    std::vector<UINT> received;
    za::PlatformWindow running(QStringLiteral("Zonaria"), QStringLiteral("Zonaria"),
                               [&](UINT msg, WPARAM, LPARAM) { received.push_back(msg); });
    EXPECT_TRUE(ActivateRunningInstance());
    ASSERT_TRUE(RunUntil([&] { return !received.empty(); }));
    EXPECT_EQ(received[0], WM_BRINGTOFRONT);
}

TEST_F(ApplicationFrame, RunningFrameAnswersASecondStart) {
    ASSERT_TRUE(Start());
    ASSERT_NE(Frame().PlatformHandle(), nullptr);
    Frame().showMinimized();
    ASSERT_TRUE(ActivateRunningInstance());
    EXPECT_TRUE(RunUntil([&] { return !Frame().isMinimized(); }));
}

// At its opening size the frame holds all five displays; the picture is saved for a person to
// look at.
TEST_F(ApplicationFrame, FrameOpensWithEveryDisplayInside) {
    ASSERT_TRUE(Start());
    EXPECT_GT(Frame().width(), 300);
    for (int i = 0; i < za::kDisplays; ++i) {
        const CCityDisplay& display = Frame().View().Display(i);
        EXPECT_TRUE(display.isVisible()) << i;
        EXPECT_TRUE(Frame().View().rect().contains(display.geometry())) << i;
    }
    za::test::SaveShot(Frame(), QStringLiteral("mainframe.png"));
}

// The five clocks stay in the window at every size: the map takes the room that is left and
// keeps its aspect, centred, instead of pushing the displays below the window's edge.
TEST_F(ApplicationFrame, EveryDisplayStaysInsideTheWindowAtAnySize) {
    ASSERT_TRUE(Start());
    const QSize minimum = Frame().minimumSizeHint();
    struct Row {
        const char* name;
        QSize size;
    } rows[] = {
        {"maximised on 1280 x 800", {1280, 760}}, {"maximised on 1920 x 1080", {1920, 1040}},
        {"900 x 600", {900, 600}},                {"380 x 420", {380, 420}},
        {"360 x 480", {360, 480}},                {"tall and narrow", {380, 1000}},
        {"the smallest", minimum},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Frame().resize(row.size);
        Pump(20);
        ASSERT_EQ(Frame().size(), row.size.expandedTo(minimum));
        const QRect window = Frame().rect();
        CMainView& view = Frame().View();
        for (int i = 0; i < za::kDisplays; ++i) {
            CCityDisplay& display = view.Display(i);
            const QRect place(display.mapTo(&Frame(), QPoint(0, 0)), display.size());
            EXPECT_TRUE(window.contains(place)) << "display " << i << " at " << place.x() << "," << place.y() << " "
                                                << place.width() << "x" << place.height();
            EXPECT_EQ(display.width(), view.width()) << "display " << i << " takes the full width";
            EXPECT_GE(display.height(), display.PreferredHeight());
        }
        const QRect map = view.Map().geometry();
        EXPECT_TRUE(view.rect().contains(map));
        EXPECT_GT(map.height(), 0);
        // 240 : 150 within a pixel of rounding.
        EXPECT_LE(std::abs(map.width() * 150 - map.height() * 240), 240) << map.width() << "x" << map.height();
        // Centred across, and filling the room one way or the other.
        EXPECT_LE(std::abs(map.left() - (view.width() - map.right() - 1)), 1);
        const int room = view.height() - view.DisplaysHeight();
        EXPECT_TRUE(map.width() == view.width() || map.height() == room) << map.width() << "x" << map.height();
        // The displays lie apart: display 0 above the map, 1 to 4 below it.
        EXPECT_LE(view.Display(0).geometry().bottom(), map.top());
        EXPECT_GE(view.Display(1).geometry().top(), map.bottom());
    }
    EXPECT_LE(minimum.width(), 380);
    EXPECT_LE(minimum.height(), 420);
    za::test::SaveShot(Frame(), QStringLiteral("mainframe-smallest.png"));
}

// At the smallest size every display's time is written whole, through a week of hours in
// daylight time (its mark included) and with the short date in place of the time: the desktop's
// font writes "Wed 12:58 AM" wider than the handheld's 240 pixels left room for.
TEST_F(ApplicationFrame, TheSmallestWindowCutsNoTime) {
    ASSERT_TRUE(Start());
    CMainView& view = Frame().View();
    for (const bool shortDate : {false, true}) {
        SCOPED_TRACE(shortDate ? "short date" : "time");
        for (int i = 0; i < za::kDisplays; ++i) {
            view.Display(i).ChangeOptions(shortDate ? CDS_ALTFORMAT : 0, shortDate ? 0 : CDS_ALTFORMAT);
        }
        view.updateGeometry();
        Pump(20);
        Frame().resize(Frame().minimumSizeHint());
        Pump(20);
        for (int i = 0; i < za::kDisplays; ++i) {
            const CCityDisplay& display = view.Display(i);
            const QFontMetrics metrics(display.DisplayFont());
            for (int hour = 0; hour < 7 * 24; ++hour) {
                // 21 to 27 September 2026 (UTC), daylight time in the displays' northern cities.
                const SYSTEMTIME utc = za::test::MakeTime(2026, 9, 21 + hour / 24, hour % 24, 58);
                const QString time = display.City().LocalTimeAsString(
                    utc, (display.Options() & CDS_TWOLINE) ? TF_LONGDATE : shortDate ? TF_WEEKDAY_SHORTDATE : TF_WEEKDAY_TIME);
                ASSERT_LE(metrics.horizontalAdvance(time), display.TimeRect().width())
                    << "display " << i << ": " << time.toStdString() << " at a width of " << display.width();
            }
        }
    }
}

// A window opened where the screen is low shows no blank band: the map's whole height under the
// displays, the frame no taller than the screen.
TEST_F(ApplicationFrame, OpensAtASizeThatFitsTheScreen) {
    ASSERT_TRUE(Start());
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QSize size = Frame().OpeningSize(screen);
    EXPECT_LE(size.height(), screen->availableGeometry().height());
    Frame().resize(size);
    Pump(20);
    CMainView& view = Frame().View();
    const QRect map = view.Map().geometry();
    EXPECT_LE(view.height() - view.DisplaysHeight() - map.height(), 1) << "no band above or below the map";
    EXPECT_LE(view.width() - map.width(), 2) << "no band beside the map";
}
