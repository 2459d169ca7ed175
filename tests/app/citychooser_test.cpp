// The city chooser of the five dialogs: Enter takes the best match of the typed text, and the
// picker, its search field and its rows are in the accessibility tree while it is open.
#include "tooltest.h"

#include "citypicker.h"
#include "resource.h"
#include "distancecalcdlg.h"
#include "moonrisedlg.h"
#include "setalarmdlg.h"
#include "sunrisedlg.h"
#include "textfold.h"
#include "timecalcdlg.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace za::app;
using za::test::ToolTest;

namespace {

class CityChooserTest : public ToolTest {};

// Every accessible object below iface, depth first.
void Walk(QAccessibleInterface* iface, const std::function<void(QAccessibleInterface*)>& visit, int depth = 0) {
    if (!iface || depth > 12) return;
    visit(iface);
    for (int i = 0; i < iface->childCount(); ++i) Walk(iface->child(i), visit, depth + 1);
}

}  // namespace

TEST(CityNameMatch, RanksTheNameThenItsFirstWordsThenItsBeginningThenAWordThenInside) {
    EXPECT_EQ(0, za::NameMatchRank(QStringLiteral("London"), QStringLiteral("london")));
    EXPECT_EQ(1, za::NameMatchRank(QStringLiteral("London, ON"), QStringLiteral("London")));
    EXPECT_EQ(2, za::NameMatchRank(QStringLiteral("Londonderry"), QStringLiteral("London")));
    EXPECT_EQ(3, za::NameMatchRank(QStringLiteral("East London"), QStringLiteral("London")));
    EXPECT_EQ(4, za::NameMatchRank(QStringLiteral("Glondon"), QStringLiteral("London")));
    EXPECT_EQ(-1, za::NameMatchRank(QStringLiteral("Paris"), QStringLiteral("London")));
    EXPECT_EQ(0, za::NameMatchRank(QString::fromUtf16(u"Z\u00fcrich"), QStringLiteral("zurich")));
    EXPECT_EQ(-1, za::NameMatchRank(QStringLiteral("London"), QStringLiteral("  ")));
}

// "London" and Enter gave "East London" (South Africa), the first in the alphabet of the names
// holding the word, in all five dialogs.
TEST_F(CityChooserTest, LondonAndEnterPicksLondonInAllFiveDialogs) {
    const CCity tokyo = LoadCity(QStringLiteral("Tokyo"));
    auto check = [](const char* dialog, CCityDisplay& chooser) {
        SCOPED_TRACE(dialog);
        ChooseCity(chooser, QStringLiteral("London"));
        EXPECT_EQ(QStringLiteral("London"), chooser.City().Name());
        EXPECT_EQ(QStringLiteral("United Kingdom"), chooser.City().CountryName());
    };
    {
        CSetAlarmDlg dlg(CAlarm(tokyo), &Frame());
        dlg.show();
        check("Set Alarm", *dlg.Chooser());
    }
    {
        CDistanceCalcDlg dlg(tokyo, LoadCity(QStringLiteral("Sydney")), &Frame());
        dlg.show();
        check("Distance", dlg.FromDisplay());
    }
    {
        CTimeCalcDlg dlg(&Frame());
        dlg.show();
        check("Time", dlg.Display(0));
    }
    {
        CSunriseDlg dlg(tokyo, &Frame());
        dlg.show();
        check("Sunrise", dlg.CityDisplay());
    }
    {
        CMoonriseDlg dlg(tokyo, &Frame());
        dlg.show();
        check("Moonrise", dlg.CityDisplay());
    }
    // A name's own first words come before a longer name that begins alike.
    CSunriseDlg dlg(tokyo, &Frame());
    dlg.show();
    ChooseCity(dlg.CityDisplay(), QStringLiteral("new york"));
    EXPECT_EQ(QStringLiteral("New York, NY"), dlg.CityDisplay().City().Name());
}

// A pop-up window is left out of the application's accessible windows: a screen reader saw no
// list, no search field and no focus while the picker was open.
TEST_F(CityChooserTest, ThePickerItsSearchFieldAndItsRowsAreInTheAccessibilityTree) {
    CSunriseDlg dlg(LoadCity(QStringLiteral("Tokyo")), &Frame());
    dlg.show();
    bool window = false, search = false, list = false, row = false, focused = false;
    QTimer::singleShot(0, [&] {
        CCityPickerPopup& picker = CCityPickerPopup::Instance();
        QTest::keyClicks(picker.SearchField(), QStringLiteral("London"));
        // The window's activation arrives through the event queue.
        focused = QTest::qWaitFor([&picker] { return picker.SearchField()->hasFocus(); });
        QAccessibleInterface* app = QAccessible::queryAccessibleInterface(QCoreApplication::instance());
        for (int i = 0; app && i < app->childCount(); ++i) {
            QAccessibleInterface* top = app->child(i);
            if (!top || top->object() != picker.Window()) continue;
            window = top->text(QAccessible::Name) == QStringLiteral("Select a City");
            Walk(top, [&](QAccessibleInterface* a) {
                if (a->role() == QAccessible::EditableText && a->text(QAccessible::Name) == QStringLiteral("Search cities")) {
                    search = true;
                    focused = focused && a->state().focused;
                }
                if (a->role() == QAccessible::List && a->text(QAccessible::Name) == QStringLiteral("Cities")) list = true;
                if (a->role() == QAccessible::ListItem && a->text(QAccessible::Name) == QStringLiteral("London (United Kingdom)")) {
                    row = true;
                }
            });
        }
        za::test::SaveShot(*picker.Window(), QStringLiteral("picker-london.png"));
        QTest::keyClick(picker.SearchField(), Qt::Key_Escape);
    });
    dlg.CityDisplay().OnCommand(ID_SELECT_CITY);
    EXPECT_TRUE(window) << "the picker is one of the application's windows";
    EXPECT_TRUE(search);
    EXPECT_TRUE(focused) << "the search field has the focus";
    EXPECT_TRUE(list);
    EXPECT_TRUE(row) << "the rows are there with their entries";
    EXPECT_EQ(QStringLiteral("Tokyo"), dlg.CityDisplay().City().Name()) << "Esc keeps the city";
}
