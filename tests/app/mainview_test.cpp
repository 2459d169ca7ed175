// The main screen: the displays' options and layout, their painting and repainting, the tip,
// the picker, and the current city kept in step with the device's zone.
#include "apptest.h"

#include "appstrings.h"
#include "citydisplay.h"
#include "cityinstall.h"
#include "citylist.h"
#include "citypicker.h"
#include "cityoffset.h"
#include "clock.h"
#include "fonts.h"
#include "mainframe.h"
#include "poapp.h"
#include "resource.h"
#include "settings.h"
#include "worldsettings.h"
#include "stringtable.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>

using namespace za::app;
using za::test::AppTest;
using za::test::FixedHostClock;
using za::test::MakeTime;
using za::test::UtcMs;

namespace {

// Counts the paints of a widget and keeps the last painted region.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int paints = 0;
    QRegion region;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++paints;
            region += static_cast<QPaintEvent*>(e)->region();
        }
        return false;
    }
};

class MainViewTest : public AppTest {
protected:
    MainViewTest() : host(UtcMs(2026, 3, 8, 14, 0)) {}

    bool StartShown() {
        if (!Start()) return false;
        return QTest::qWaitForWindowExposed(&Frame());
    }
    CMainView& View() { return Frame().View(); }
    TIME_ZONE_INFORMATION DeviceZone() {
        TIME_ZONE_INFORMATION tzi{};
        GetTimeZoneInformation(&tzi);
        return tzi;
    }
    // Makes the device zone that of a city, as another program would.
    void SetDeviceZoneOf(const QString& name) {
        CCity city;
        ASSERT_TRUE(GetCityList().LoadCity(name, city));
        ASSERT_TRUE(SetTimeZoneInformation(city.TimeZone().GetTZI()));
    }
    // Runs Show on the picker and, inside its loop, types text and presses key.
    static void PickLater(const QString& text, Qt::Key key) {
        QTimer::singleShot(0, [text, key] {
            CCityPickerPopup& picker = CCityPickerPopup::Instance();
            if (!text.isEmpty()) QTest::keyClicks(picker.SearchField(), text);
            QTest::keyClick(picker.SearchField(), key);
        });
    }

    FixedHostClock host;
};

}  // namespace

TEST_F(MainViewTest, SelectedDisplayIsBoldTwoLinesAndCurrent) {
    const DWORD buttons = CDS_CHANGEBUTTON | CDS_CURRENTBUTTON;
    const DWORD selected = CDS_CURRENT | CDS_TWOLINE | CDS_ALTFORMAT | CDS_BOLD;
    EXPECT_EQ(CMainView::OptionsFor(0, true), buttons | selected);
    EXPECT_EQ(CMainView::OptionsFor(0, false), buttons);
    // Every selected display but the first keeps its top line.
    EXPECT_EQ(CMainView::OptionsFor(2, true), buttons | selected | CDS_TOPLINE);
    EXPECT_EQ(CMainView::OptionsFor(4, false), buttons | CDS_TOPLINE);
    GetReg().WriteDWORDValue(CRegistry::CCButton, 0);
    EXPECT_EQ(CMainView::OptionsFor(1, false), DWORD(CDS_CHANGEBUTTON | CDS_TOPLINE));
    GetReg().WriteDWORDValue(CRegistry::CPButton, 0);
    EXPECT_EQ(CMainView::OptionsFor(1, false), DWORD(CDS_TOPLINE));
}

TEST_F(MainViewTest, DisplayLayoutFollowsItsOptions) {
    CCityDisplay display;
    display.Create(CDS_TOPLINE, 101);
    display.resize(240, display.PreferredHeight());
    const int h = QFontMetrics(display.DisplayFont()).height();
    EXPECT_EQ(display.PreferredHeight(), h + 8);
    // Without buttons the name keeps its full width: 5 to the 5/9 split, the time after it.
    EXPECT_EQ(display.NameRect(), QRect(5, 0, 240 * 5 / 9 - 5, h + 8));
    EXPECT_EQ(display.TimeRect().left(), 240 * 5 / 9 + 11);
    EXPECT_EQ(display.TimeRect().right() + 1, 240 - 5);
    EXPECT_FALSE(display.ChangeButton()->isVisibleTo(&display));
    EXPECT_FALSE(display.CurrentButton()->isVisibleTo(&display));

    EXPECT_TRUE(display.ChangeOptions(CDS_CURRENTBUTTON | CDS_CHANGEBUTTON, 0));
    EXPECT_FALSE(display.ChangeOptions(CDS_CURRENTBUTTON, 0));
    EXPECT_EQ(display.NameRect().left(), 5 + 17);
    EXPECT_EQ(display.NameRect().right() + 1, 240 * 5 / 9 - 12);
    EXPECT_EQ(display.ChangeButton()->pos(), QPoint(240 * 5 / 9 - 12, (h + 8 - 12) / 2));
    EXPECT_EQ(display.CurrentButton()->pos(), QPoint(5, (h + 8 - 12) / 2));
    EXPECT_TRUE(display.ChangeButton()->isVisibleTo(&display));
    EXPECT_EQ(display.CurrentButton()->Image(), IDB_NOTCURRENT);

    // The current city's look: two lines, bold, the current image; pressed hides the buttons.
    display.ChangeOptions(CDS_CURRENT | CDS_TWOLINE | CDS_BOLD | CDS_ALTFORMAT, 0);
    display.resize(240, display.PreferredHeight());
    const int hb = QFontMetrics(display.DisplayFont()).height();
    EXPECT_EQ(display.PreferredHeight(), (hb + 4) * 2);
    EXPECT_EQ(display.CurrentButton()->Image(), IDB_CURRENT);
    EXPECT_EQ(display.TimeRect().top(), display.PreferredHeight() / 2);
    display.ChangeOptions(CDS_PRESSED, 0);
    EXPECT_FALSE(display.ChangeButton()->isVisibleTo(&display));
    EXPECT_EQ(display.BackgroundColour(), display.palette().color(QPalette::Highlight));
    display.ChangeOptions(CDS_BLACKONWHITE, 0);
    EXPECT_EQ(display.BackgroundColour(), QColor(Qt::white));
    EXPECT_EQ(display.TextColour(), QColor(Qt::black));
}

// Where the computer lacks the handheld's Tahoma, the displays ask the font database for the
// desktop's family, as the menus do: "Tahoma" would send every size and weight through the
// fallback fonts first, a twentieth of the window's start.
TEST_F(MainViewTest, TheDisplaysAskForTheDesktopsFontWhereTahomaIsMissing) {
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) GTEST_SKIP() << "this computer has Tahoma";
    AdoptDesktopFont(QApplication::font());
    for (const DWORD options : {DWORD(CDS_TOPLINE), DWORD(CDS_TOPLINE | CDS_BOLD)}) {
        CCityDisplay display;
        display.Create(options, 101);
        EXPECT_EQ(QApplication::font().family(), display.DisplayFont().family());
        EXPECT_EQ(QFontInfo(QApplication::font()).family(), QFontInfo(display.DisplayFont()).family());
    }
}

// The room the displays keep for their widest time: never less than any text laid out, within
// two pixels of the widest where kerning is slight, and the width of joined scripts and of
// characters the font lacks as laid out.
TEST_F(MainViewTest, TheWidestTextLeavesRoomForEveryText) {
    QSet<QString> times;
    for (const char* day : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}) {
        for (const char* hour : {"0:58 AM", "10:58 AM", "12:58 PM", "22:58", "10:58 PM \u00a4"}) {
            times.insert(QString::fromUtf8(day) + QLatin1Char(' ') + QString::fromUtf8(hour));
        }
    }
    // Kerned tight, the first is laid out narrower than the digits its advances outrun.
    const QSet<QString> kerned{QStringLiteral("AVAVAVAVAV"), QStringLiteral("1111111111"), QStringLiteral("Tototototo")};
    const QSet<QString> others{QStringLiteral("Mon 22:58"), QString::fromUtf8("\u6708\u66dc\u65e5 22:58"),
                               QString::fromUtf8("\u0627\u0644\u0627\u062b\u0646\u064a\u0646 22:58"),
                               QString::fromUtf8("\u05d9\u05d5\u05dd \u05e9\u05e0\u05d9 22:58")};
    for (const bool bold : {false, true}) {
        for (const int size : {85, 120}) {
            QFont font;
            ASSERT_TRUE(CreatePointFont(font, size, QStringLiteral("DejaVu Sans"), nullptr, bold ? TRUE : FALSE));
            const QFontMetrics metrics(font);
            auto laidOut = [&](const QSet<QString>& texts) {
                int most = 0;
                for (const QString& text : texts) most = std::max(most, metrics.horizontalAdvance(text));
                return most;
            };
            SCOPED_TRACE(testing::Message() << size << (bold ? " bold" : ""));
            EXPECT_GE(WidestText(font, times), laidOut(times));
            EXPECT_LE(WidestText(font, times), laidOut(times) + 2);
            EXPECT_GE(WidestText(font, kerned), laidOut(kerned));
            EXPECT_EQ(WidestText(font, others), laidOut(others));
            EXPECT_EQ(WidestText(font, {}), 0);
        }
    }
}

// The offset note beside a time: whole where it fits, without its day word where only the
// offset does, and not at all where not even that fits.
TEST_F(MainViewTest, TheOffsetNoteDropsItsDayWordBeforeItself) {
    const QFontMetrics metrics(QApplication::font());
    const QString offset = QString::fromUtf8("+9 h");
    for (const QString& day : {za::DayDeltaText(1), za::DayDeltaText(-1)}) {
        const QString note = offset + QLatin1Char(' ') + day;
        const int whole = metrics.horizontalAdvance(note);
        const int alone = metrics.horizontalAdvance(offset);
        ASSERT_LT(alone, whole);
        SCOPED_TRACE(note.toStdString());
        EXPECT_EQ(FittedNote(note, metrics, whole), note);
        EXPECT_EQ(FittedNote(note, metrics, whole - 1), offset);
        EXPECT_EQ(FittedNote(note, metrics, alone), offset);
        EXPECT_EQ(FittedNote(note, metrics, alone - 1), QString());
    }
    // A note without a day word is drawn whole or not at all.
    const QString plain = QStringLiteral("-3 h");
    EXPECT_EQ(FittedNote(plain, metrics, metrics.horizontalAdvance(plain)), plain);
    EXPECT_EQ(FittedNote(plain, metrics, metrics.horizontalAdvance(plain) - 1), QString());
    EXPECT_EQ(FittedNote(QString(), metrics, 0), QString());
}

TEST_F(MainViewTest, DisplaysPaintTheirCitysTimeAtTheGivenInstant) {
    ASSERT_TRUE(StartShown());
    // 14:00 UTC on 8 March 2026: Los Angeles has just gone to daylight time, Tokyo has none.
    const SYSTEMTIME at = MakeTime(2026, 3, 8, 14, 0);
    View().OnClockTick(at);
    EXPECT_EQ(View().Display(0).NameText(), QString::fromUtf16(u"Los Angeles, CA - 7:00 AM \u00a4"));
    EXPECT_EQ(View().Display(0).TimeText(), QStringLiteral("Sunday, March 8, 2026"));
    EXPECT_EQ(View().Display(4).NameText(), QStringLiteral("Tokyo"));
    EXPECT_EQ(View().Display(4).TimeText(), QStringLiteral("Sun 11:00 PM"));
    QImage image(View().Display(4).size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    View().Display(4).render(&image);
    // The time's half of the strip got ink.
    const QRect time = View().Display(4).TimeRect();
    int ink = 0;
    for (int x = time.left(); x < time.right(); ++x) {
        for (int y = time.top() + 2; y < time.bottom(); ++y) ink += image.pixelColor(x, y) == View().Display(4).TextColour();
    }
    EXPECT_GT(ink, 10);
}

TEST_F(MainViewTest, OnlyAChangedMinuteRepaintsAndOnlyTheTime) {
    ASSERT_TRUE(StartShown());
    View().OnClockTick(MakeTime(2026, 3, 8, 14, 0, 5));
    QTest::qWait(50);
    PaintCounter one(&View().Display(1));
    PaintCounter zero(&View().Display(0));
    const WORD shownSecond = View().Display(1).ShownTime().wSecond;
    View().OnClockTick(MakeTime(2026, 3, 8, 14, 0, 55));
    QTest::qWait(50);
    EXPECT_EQ(one.paints, 0);
    EXPECT_EQ(zero.paints, 0);
    EXPECT_EQ(View().Display(1).ShownTime().wSecond, shownSecond) << "the time is kept only when a minute changed";

    View().OnClockTick(MakeTime(2026, 3, 8, 14, 1, 0));
    QTest::qWait(50);
    EXPECT_EQ(one.paints, 1);
    EXPECT_TRUE(QRegion(View().Display(1).TimeRect()).contains(one.region.boundingRect()));
    EXPECT_FALSE(one.region.intersects(View().Display(1).NameRect()));
    // In two lines the name line carries the time too.
    EXPECT_TRUE(zero.region.intersects(View().Display(0).NameRect()));
}

TEST_F(MainViewTest, DisplayReadsItsCityAndTimeToAScreenReader) {
    ASSERT_TRUE(StartShown());
    View().OnClockTick(MakeTime(2026, 3, 8, 14, 0));
    QAccessibleInterface* selected = QAccessible::queryAccessibleInterface(&View().Display(0));
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->text(QAccessible::Name), QStringLiteral("Los Angeles, CA"));
    // The daylight mark in words: "¤" is read as a currency sign.
    EXPECT_EQ(selected->text(QAccessible::Description),
              QStringLiteral("Los Angeles, CA - 7:00 AM, daylight saving time\nSunday, March 8, 2026"));
    EXPECT_TRUE(selected->state().selected);
    QAccessibleInterface* other = QAccessible::queryAccessibleInterface(&View().Display(3));
    // London is 7 hours ahead of Los Angeles, on daylight time since 10:00 UTC that day.
    EXPECT_EQ(other->text(QAccessible::Description), QStringLiteral("Sun 2:00 PM, +7 h"));
    EXPECT_FALSE(other->state().selected);
    // Each display's two buttons say whose they are.
    QStringList buttons;
    for (CDisplayButton* b : View().Display(3).findChildren<CDisplayButton*>()) {
        buttons << QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name);
    }
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Select a City (London)"), QStringLiteral("Set as Current City (London)")}));
}

TEST_F(MainViewTest, DisplaysReadTheirOffsetFromTheCurrentCityAndAComingClockChange) {
    ASSERT_TRUE(StartShown());
    View().OnClockTick(MakeTime(2026, 3, 8, 18, 0));
    // Los Angeles (current), Chicago, New York, London, Tokyo.
    const char* offsets[] = {"", "+2 h", "+3 h", "+7 h", "+16 h tomorrow"};
    for (int i = 0; i < za::kDisplays; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(QString::fromUtf8(offsets[i]), View().Display(i).OffsetNote());
        EXPECT_EQ(0, View().Display(i).ChangeMark());
    }
    // Four days before London's clocks go forward its display is marked, and says so.
    View().OnClockTick(MakeTime(2026, 3, 25, 12, 0));
    EXPECT_EQ(1, View().Display(3).ChangeMark());
    EXPECT_EQ(0, View().Display(1).ChangeMark());
    QAccessibleInterface* london = QAccessible::queryAccessibleInterface(&View().Display(3));
    EXPECT_EQ(london->text(QAccessible::Description),
              QStringLiteral("Wed 12:00 PM, +7 h. Clocks go forward 1 hour on Sun 29 Mar 2026 at 01:00"));
    View().Display(3).Tap(QPoint(10, 5));
    EXPECT_TRUE(View().Tip().Text().endsWith(QStringLiteral("\nClocks go forward 1 hour on Sun 29 Mar 2026 at 01:00")))
        << View().Tip().Text().toStdString();
    View().HideTip();
    // So does the tip of a tap on the map near London.
    View().OnMapTapped(-13, 5151);
    EXPECT_TRUE(View().Tip().Text().endsWith(QStringLiteral("\nClocks go forward 1 hour on Sun 29 Mar 2026 at 01:00")))
        << View().Tip().Text().toStdString();
    View().HideTip();
    const QImage marked = View().Display(3).grab().toImage();
    // The preference turns the offsets off; the mark stays.
    za::SetShowOffsetsSetting(false);
    View().ApplyPreferences();
    EXPECT_EQ(QString(), View().Display(3).OffsetNote());
    EXPECT_EQ(1, View().Display(3).ChangeMark());
    EXPECT_NE(marked, View().Display(3).grab().toImage());
}

TEST_F(MainViewTest, TapShowsTheTipAndMarkerAndTheTipStaysInside) {
    ASSERT_TRUE(StartShown());
    View().Display(4).Tap(QPoint(10, 5));
    ASSERT_TRUE(View().Tip().isVisible());
    EXPECT_TRUE(View().Tip().Text().startsWith(QStringLiteral("Tokyo (Japan)\n")));
    EXPECT_TRUE(View().Tip().Text().contains(QStringLiteral("\nAirport: NRT\n")) ||
                View().Tip().Text().contains(QStringLiteral("\nAirport: HND\n")));
    EXPECT_TRUE(View().IsTipTimerRunning());
    // Display 4 is at the bottom: the tip moved up to stay inside the view.
    const QRect place = View().Tip().PlaceInOwner();
    EXPECT_LE(place.bottom(), View().rect().bottom());
    EXPECT_LT(place.top(), View().Display(4).y() + 5);

    View().ShowTip(View().width() - 3, 10, QStringLiteral("Near the right edge"), 0, 0);
    EXPECT_LE(View().Tip().PlaceInOwner().right(), View().rect().right());
    EXPECT_EQ(View().Tip().PlaceInOwner().top(), 10);

    // Larger than the view: cut at the left and top, not moved off them.
    const QString tall = QStringLiteral("line\n").repeated(80) + QStringLiteral("x").repeated(400);
    View().ShowTip(50, 50, tall, 0, 0);
    EXPECT_EQ(View().Tip().PlaceInOwner().left(), 0);
    EXPECT_EQ(View().Tip().PlaceInOwner().top(), 0);

    // Tap-and-hold hides it.
    View().Display(1).Tap(QPoint(5, 5));
    EXPECT_TRUE(View().Tip().isVisible());
    CityDisplayNotify hold;
    hold.code = CDN_TAPPED;
    hold.hold = TRUE;
    hold.sender = &View().Display(1);
    emit View().Display(1).notify(hold);
    EXPECT_FALSE(View().Tip().isVisible());
    EXPECT_FALSE(View().IsTipTimerRunning());
}

TEST_F(MainViewTest, TapOnTheTipHidesItAndZoomKeepsTheMarker) {
    ASSERT_TRUE(StartShown());
    View().ShowTip(20, 20, QStringLiteral("Tokyo (Japan)\nTue 4:38 AM"), 13969, 3569);
    CMapTip& tip = View().Tip();
    tip.Tap(QPoint(2, 2));
    QApplication::processEvents();
    EXPECT_FALSE(tip.isVisible());
    EXPECT_FALSE(View().IsTipTimerRunning());

    View().ShowTip(20, 20, QStringLiteral("Tokyo (Japan)\nTue 4:38 AM"), 13969, -3569);
    // The label's right and bottom edges count as inside.
    tip.Tap(tip.ZoomRect().bottomRight() + QPoint(1, 1));
    QApplication::processEvents();
    EXPECT_FALSE(tip.isVisible());
    EXPECT_TRUE(View().IsTipTimerRunning()) << "the marker stays for 30 seconds after a zoom";
    // And a screen reader still hears which place it marks.
    EXPECT_TRUE(View().Map().MarkerShown());
    EXPECT_EQ(View().Map().accessibleDescription().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Tokyo (Japan)"));
}

// The tip floats above every window: a dialog opening takes it away rather than sit under it.
TEST_F(MainViewTest, TheTipClosesWhenADialogOpens) {
    ASSERT_TRUE(StartShown());
    View().ShowTip(20, 20, QStringLiteral("Tokyo (Japan)\nTue 4:38 AM"), 13969, 3569);
    ASSERT_TRUE(View().Tip().isVisible());
    QDialog dialog(&Frame());
    bool tipShown = true;
    QTimer::singleShot(50, &dialog, [&] {
        tipShown = View().Tip().isVisible();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_FALSE(tipShown);
    EXPECT_FALSE(View().Map().MarkerShown());
}

// Shift+F10, like the Menu key and a right click, opens a display's menu.
TEST_F(MainViewTest, ShiftF10OpensTheFocusedDisplaysMenu) {
    InstallContextMenuKey();
    ASSERT_TRUE(StartShown());
    Frame().activateWindow();
    View().Display(2).setFocus();
    QString menuFor;
    QTimer::singleShot(100, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* m = qobject_cast<QMenu*>(w); m && m->isVisible()) {
                menuFor = m->accessibleName();
                m->close();
            }
        }
    });
    QTest::keyClick(&View().Display(2), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(menuFor, View().City(2).Name());
}

TEST_F(MainViewTest, ZoomMessageCarriesSignedCoordinates) {
    ASSERT_TRUE(StartShown());
    const LPARAM packed = static_cast<LPARAM>((static_cast<quint32>(-7400) & 0xFFFFu) | (static_cast<quint32>(-3350) << 16));
    View().OnZoomMap(packed);
    EXPECT_TRUE(View().IsTipTimerRunning());
    EXPECT_FALSE(View().Tip().isVisible());
}

TEST_F(MainViewTest, PickerChoosesAndNotifiesOnlyForAnotherCity) {
    ASSERT_TRUE(StartShown());
    std::vector<int> codes;
    QObject::connect(&View().Display(3), &CCityDisplay::notify, [&](CityDisplayNotify& n) { codes.push_back(n.code); });

    // The same city again: no notification at all.
    PickLater(QString(), Qt::Key_Return);
    View().Display(3).OnCommand(ID_SELECT_CITY);
    EXPECT_TRUE(codes.empty());

    PickLater(QStringLiteral("sao pau"), Qt::Key_Return);
    View().Display(3).OnCommand(ID_SELECT_CITY);
    EXPECT_EQ(codes, (std::vector<int>{CDN_CITYCHANGING, CDN_CITYCHANGED}));
    EXPECT_EQ(View().City(3).Name(), QString::fromUtf16(u"S\u00e3o Paulo"));
    EXPECT_EQ(GetReg().GetStringValue(CRegistry::City3), QString::fromUtf16(u"S\u00e3o Paulo"));
    EXPECT_EQ(app->GetDisplayedCity(3), QString::fromUtf16(u"S\u00e3o Paulo"));
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("message")).empty()) << "only the selected display asks";

    // Esc leaves everything as it was.
    codes.clear();
    PickLater(QStringLiteral("tok"), Qt::Key_Escape);
    View().Display(3).OnCommand(ID_SELECT_CITY);
    EXPECT_TRUE(codes.empty());
    EXPECT_EQ(View().City(3).Name(), QString::fromUtf16(u"S\u00e3o Paulo"));
}

TEST_F(MainViewTest, PickerShowsTheCurrentCityFifthAndSearchesWords) {
    ASSERT_TRUE(StartShown());
    CCityPickerPopup& picker = CCityPickerPopup::Instance();
    QStringList seen;
    QString selected;
    int top = -1;
    QTimer::singleShot(0, [&] {
        selected = picker.SelectedEntry();
        top = picker.ListBox()->indexAt(QPoint(2, 2)).row();
        QTest::keyClicks(picker.SearchField(), QStringLiteral("york"));
        seen = picker.VisibleEntries();
        QTest::keyClick(picker.SearchField(), Qt::Key_Escape);
    });
    View().Display(4).OnCommand(ID_SELECT_CITY);
    EXPECT_EQ(selected, QStringLiteral("Tokyo (Japan)"));
    const int row = GetCityList().FindIndexOfCity(QStringLiteral("Tokyo (Japan)"));
    EXPECT_EQ(top, row - 4);
    EXPECT_TRUE(seen.contains(QStringLiteral("New York, NY (United States)"))) << qPrintable(seen.join(", "));
    for (const QString& entry : seen) EXPECT_TRUE(CCityPickerPopup::Matches(entry, QStringLiteral("york")));

    EXPECT_TRUE(CCityPickerPopup::Matches(QString::fromUtf16(u"Z\u00fcrich (Switzerland)"), QStringLiteral("zurich")));
    EXPECT_TRUE(CCityPickerPopup::Matches(QStringLiteral("New York, NY (United States)"), QStringLiteral("york new")));
    EXPECT_FALSE(CCityPickerPopup::Matches(QStringLiteral("New York, NY (United States)"), QStringLiteral("ork")));
}

TEST_F(MainViewTest, PickerStaysFivePixelsInsideItsOwner) {
    const QSize popup(240, 300);
    const QSize owner(480, 420);
    EXPECT_EQ(CCityPickerPopup::Place(QPoint(100, 50), popup, owner), QPoint(100, 50));
    EXPECT_EQ(CCityPickerPopup::Place(QPoint(400, 400), popup, owner), QPoint(480 - 240 - 5, 420 - 300 - 5));
    EXPECT_EQ(CCityPickerPopup::Place(QPoint(-20, 2), popup, owner), QPoint(5, 5));
    EXPECT_EQ(CCityPickerPopup::Place(QPoint(50, 50), QSize(600, 600), owner), QPoint(5, 5));
}

TEST_F(MainViewTest, SetAsCurrentOnTheCurrentDisplayDoesNothing) {
    ASSERT_TRUE(StartShown());
    View().Display(0).OnCommand(ID_SET_CURRENT);
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("message")).empty());
    EXPECT_EQ(View().SelectedIndex(), 0);
}

TEST_F(MainViewTest, SameZoneCityAsksAndLeavesTheDeviceAlone) {
    GetReg().WriteStringValue(CRegistry::City2, QStringLiteral("San Francisco, CA"));
    ASSERT_TRUE(StartShown());
    const TIME_ZONE_INFORMATION before = DeviceZone();
    shell->ScriptAnswers({IDYES});
    View().Display(2).OnCommand(ID_SET_CURRENT);
    const auto messages = shell->CallsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, za::FormatString(AppString(IDS_SAME_ZONE_CITY), {QStringLiteral("San Francisco, CA")}));
    EXPECT_EQ(messages[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(View().SelectedIndex(), 2);
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::CityX), 2u);
    const TIME_ZONE_INFORMATION after = DeviceZone();
    EXPECT_EQ(memcmp(&before, &after, sizeof before), 0);
    EXPECT_TRUE(View().Display(2).Options() & CDS_CURRENT);
    EXPECT_FALSE(View().Display(0).Options() & CDS_CURRENT);
}

TEST_F(MainViewTest, AnotherZoneAsksAndMovesTheDevice) {
    ASSERT_TRUE(StartShown());
    // No: nothing changes.
    shell->ScriptAnswers({IDNO});
    View().Display(4).OnCommand(ID_SET_CURRENT);
    EXPECT_EQ(View().SelectedIndex(), 0);
    EXPECT_NE(DeviceZone().Bias, -540);

    shell->ScriptAnswers({IDYES});
    View().Display(4).OnCommand(ID_SET_CURRENT);
    const auto messages = shell->CallsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, za::FormatString(AppString(IDS_CHANGE_CURRENT_CITY),
                                                 {QStringLiteral("Tokyo"), View().City(4).TimeZone().Name()}));
    EXPECT_EQ(View().SelectedIndex(), 4);
    EXPECT_EQ(DeviceZone().Bias, -540);
    QString visiting;
    ASSERT_TRUE(GetPOApp().GetVisitingCity(visiting));
    EXPECT_EQ(visiting, QStringLiteral("Tokyo"));

    // Display 0 is the home city.
    shell->ScriptAnswers({IDYES});
    View().Display(0).OnCommand(ID_SET_CURRENT);
    EXPECT_EQ(View().SelectedIndex(), 0);
    QString home;
    ASSERT_TRUE(GetPOApp().GetHomeCity(home));
    EXPECT_EQ(home, QStringLiteral("Los Angeles, CA"));
    EXPECT_EQ(DeviceZone().Bias, 480);
}

TEST_F(MainViewTest, NewCityForTheSelectedDisplayIsAskedFor) {
    ASSERT_TRUE(StartShown());
    // Refused: the display keeps its city.
    shell->ScriptAnswers({IDNO});
    PickLater(QStringLiteral("tokyo"), Qt::Key_Return);
    View().Display(0).OnCommand(ID_SELECT_CITY);
    EXPECT_EQ(View().City(0).Name(), QStringLiteral("Los Angeles, CA"));
    EXPECT_EQ(GetReg().GetStringValue(CRegistry::City0), QStringLiteral("Los Angeles, CA"));

    shell->ScriptAnswers({IDYES});
    PickLater(QStringLiteral("tokyo"), Qt::Key_Return);
    View().Display(0).OnCommand(ID_SELECT_CITY);
    EXPECT_EQ(View().City(0).Name(), QStringLiteral("Tokyo"));
    EXPECT_EQ(DeviceZone().Bias, -540);
    QString home;
    ASSERT_TRUE(GetPOApp().GetHomeCity(home));
    EXPECT_EQ(home, QStringLiteral("Tokyo"));
}

TEST_F(MainViewTest, DeviceZoneOfAnotherDisplaySelectsItSilently) {
    ASSERT_TRUE(StartShown());
    SetDeviceZoneOf(QStringLiteral("London"));
    View().OnCheckCity();
    EXPECT_EQ(View().SelectedIndex(), 3);
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::CityX), 3u);
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("message")).empty());
    // Once in step, a second check changes nothing.
    View().OnCheckCity();
    EXPECT_EQ(View().SelectedIndex(), 3);
}

TEST_F(MainViewTest, DeviceZoneOnlyTheDatabaseHasReplacesTheSelectedCity) {
    ASSERT_TRUE(StartShown());
    SetDeviceZoneOf(QStringLiteral("Sydney"));
    View().OnCheckCity();
    EXPECT_EQ(View().SelectedIndex(), 0);
    CCity sydney;
    ASSERT_TRUE(GetCityList().LoadCity(QStringLiteral("Sydney"), sydney));
    EXPECT_EQ(View().City(0).TimeZoneID(), sydney.TimeZoneID());
    EXPECT_EQ(GetReg().GetStringValue(CRegistry::City0), View().City(0).Name());
    EXPECT_TRUE(dialogs->calls.empty());

    // Outlook's current city is preferred when it lies in the zone.
    CCity melbourne;
    ASSERT_TRUE(GetCityList().LoadCity(QStringLiteral("Melbourne"), melbourne));
    ASSERT_TRUE(GetPOApp().SetTimeZoneCity(melbourne, TRUE));
    SetDeviceZoneOf(QStringLiteral("Tokyo"));
    SetDeviceZoneOf(QStringLiteral("Melbourne"));
    View().Display(0).City().SetTimeZoneID(235);
    View().OnCheckCity();
    EXPECT_EQ(View().City(0).Name(), QStringLiteral("Melbourne"));
}

TEST_F(MainViewTest, ZoneThatNothingHasMakesANewCity) {
    ASSERT_TRUE(StartShown());
    // Every city of one zone goes; its rule stays in the zone table.
    CCity eucla;
    eucla.SetTimeZoneID(35);
    TIME_ZONE_INFORMATION zone{};
    // Chatham Islands: a zone of its own, +12:45, with few or no cities.
    bool found = false;
    for (int id = 0; id < 400 && !found; ++id) {
        CTimeZone tz;
        tz.Load(id);
        if (!tz.IsLoaded() || tz.UnadjustedBias() != -765) continue;
        zone = *tz.GetTZI();
        while (GetCityList().FindCityWithSameTZ(id, eucla)) ASSERT_TRUE(GetCityList().DeleteCity(eucla.Name()));
        found = true;
    }
    ASSERT_TRUE(found) << "the zone table has a +12:45 entry";
    ASSERT_TRUE(SetTimeZoneInformation(&zone));
    View().OnCheckCity();
    ASSERT_EQ(dialogs->calls.size(), 1u);
    EXPECT_EQ(dialogs->calls[0].dialog, QStringLiteral("EditNewCity"));
    const QString name = dialogs->calls[0].cities.at(0);
    // "City in (GMT+12:45) Chatham I…" held parentheses the name rule forbids, so the editor
    // could never save it; the place was always 38° N 120° W in the USA.
    EXPECT_EQ(QStringLiteral("City in Chatham Islands"), name);
    EXPECT_TRUE(GetCityList().IsCityNameValid(name));
    EXPECT_EQ(View().City(0).Name(), name);
    EXPECT_EQ(View().City(0).CountryName(), QStringLiteral("New Zealand"));
    EXPECT_EQ(View().City(0).CountryPhoneCode(), QStringLiteral("64"));
    EXPECT_EQ(View().City(0).Latitude(), -4395);
    EXPECT_EQ(View().City(0).Longitude(), -17656);
    EXPECT_EQ(GetReg().GetStringValue(CRegistry::City0), name);
}

// International Date Line West has no city at all: a name the editor can save, and no place.
TEST(PlaceholderCity, NameWithoutForbiddenCharactersAndAWellKnownCityOrNone) {
    const QString name = za::PlaceholderCityName(QStringLiteral("City in %s"),
                                                 QStringLiteral("(GMT-12:00) International Date Line West"), 31);
    EXPECT_EQ(QStringLiteral("City in International Date Line"), name);
    EXPECT_EQ(QStringLiteral("City in Saint Pierre and Miquel"),
              za::PlaceholderCityName(QStringLiteral("City in %s"), QStringLiteral("(GMT-03:00) Saint Pierre and Miquelon"), 31));
    CCity city;
    EXPECT_FALSE(za::WellKnownCityOfZone(0, &city));
    EXPECT_TRUE(city.CountryName().isEmpty());
    EXPECT_EQ(0, city.Latitude());
    ASSERT_TRUE(za::WellKnownCityOfZone(4, &city));
    EXPECT_EQ(QStringLiteral("United States"), city.CountryName());
    EXPECT_EQ(3405, city.Latitude()) << "Los Angeles, the Pacific entry's own place";
}

TEST_F(MainViewTest, PreferencesTurnTheButtonsOnAndOff) {
    ASSERT_TRUE(StartShown());
    GetReg().WriteDWORDValue(CRegistry::CCButton, 0);
    View().ApplyPreferences();
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(View().Display(i).Options() & CDS_CURRENTBUTTON) << i;
        EXPECT_TRUE(View().Display(i).Options() & CDS_CHANGEBUTTON) << i;
    }
    GetReg().WriteDWORDValue(CRegistry::Twilight, 1);
    View().ApplyPreferences();
    EXPECT_FALSE(View().Map().Options() & MAP_TWILIGHT);
}

TEST_F(MainViewTest, MissingDisplayedCityFallsBackToTheFirst) {
    GetReg().WriteStringValue(CRegistry::City2, QStringLiteral("Atlantis"));
    ASSERT_TRUE(StartShown());
    CCity first;
    ASSERT_TRUE(GetCityList().BeginLoadCityByIndex());
    ASSERT_TRUE(GetCityList().LoadCity(0L, first));
    GetCityList().EndLoadCityByIndex();
    EXPECT_EQ(View().City(2).Name(), first.Name());
    EXPECT_EQ(GetReg().GetStringValue(CRegistry::City2), first.Name());
}

// A tapped display's tip opens with its city's facts and the map marks the city; the picture is
// saved for a person to look at.
TEST_F(MainViewTest, TappedDisplayShowsItsTipAndMarker) {
    ASSERT_TRUE(StartShown());
    View().OnClockTick(MakeTime(2026, 3, 8, 14, 0));
    View().Display(2).Tap(QPoint(10, 5));
    EXPECT_TRUE(View().Tip().isVisible());
    EXPECT_TRUE(View().Tip().Text().startsWith(za::CityEntry(View().City(2).Name(), View().City(2).CountryName())));
    EXPECT_TRUE(View().Map().MarkerShown());
    za::test::SaveShot(Frame(), QStringLiteral("mainscreen.png"));
}
