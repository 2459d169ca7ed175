// The two-column city list: rows loaded only as they come into view, the columns of each
// mode, type-ahead, the search, the rules that keep it in step after a change, and the
// tap-and-hold menu.
#include "citydbtest.h"

#include "citylistctrl.h"
#include "dialogframe.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <numeric>

using namespace za::app;
using za::test::CityDbTest;
using za::test::FakeSource;

namespace {

class CityListTest : public CityDbTest {
protected:
    // A shown list of the given mode over the source (null: the city list).
    CCityListCtrl& Show(CLMODE mode, std::unique_ptr<CCityRowSource> source = nullptr, QSize size = QSize(300, 240)) {
        list = std::make_unique<CCityListCtrl>(mode, nullptr, std::move(source));
        list->resize(size);
        list->Create(100);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(list.get()));
        QApplication::processEvents();
        return *list;
    }
    // The rows the viewport shows, first to last.
    static std::pair<int, int> RowsInView(CCityListCtrl& l) {
        const int first = l.rowAt(0);
        int last = l.rowAt(l.viewport()->height() - 1);
        if (last < 0) last = l.model()->rowCount() - 1;
        return {first, last};
    }
    // Index in the name list of the first entry beginning with text, found by walking it.
    static int FirstEntryBeginning(const QString& text) {
        CCityList& cities = GetCityList();
        int i = 0;
        for (POSITION pos = cities.GetHeadCityNamePosition(); pos; ++i) {
            if (cities.GetNextCityName(pos).startsWith(text, Qt::CaseInsensitive)) return i;
        }
        return -1;
    }
    static int RowOf(const QString& name) { return static_cast<int>(GetCityList().FindIndexOfCity(name + " (")); }

    std::unique_ptr<CCityListCtrl> list;
};

}  // namespace

TEST_F(CityListTest, LoadsOnlyTheRowsInViewInOneBracket) {
    auto* fake = new FakeSource(500);
    CCityListCtrl& l = Show(CLMODE_AIRPORT, std::unique_ptr<CCityRowSource>(fake));
    const auto [first, last] = RowsInView(l);
    ASSERT_EQ(first, 0);
    ASSERT_GT(last, 3);
    ASSERT_LT(last, 40);
    EXPECT_EQ(fake->loads, last + 1) << "the first screen and nothing more";
    EXPECT_EQ(fake->brackets, 1);
    EXPECT_EQ(l.CachedRowCount(), last + 1);

    // Paging down loads only the rows that came into view, again in one bracket.
    l.verticalScrollBar()->setValue(l.verticalScrollBar()->value() + (last + 1) / 2);
    QApplication::processEvents();
    const auto [first2, last2] = RowsInView(l);
    ASSERT_GT(last2, last);
    EXPECT_EQ(fake->loads, last2 + 1);
    EXPECT_EQ(fake->brackets, 2);
    for (int r = first2; r <= last2; ++r) EXPECT_TRUE(l.IsRowCached(r)) << r;
    EXPECT_FALSE(l.IsRowCached(last2 + 1));

    // Repainting what is cached loads nothing.
    l.viewport()->repaint();
    EXPECT_EQ(fake->loads, last2 + 1);
    EXPECT_EQ(fake->brackets, 2);
}

TEST_F(CityListTest, ColumnsAndSpokenRowsByMode) {
    struct Row {
        const char* nickname;
        CLMODE mode;
        const char* heading;
        const char* second;
        const char* spoken;
    } rows[] = {
        {"phone codes", CLMODE_PHONE, "Phone Code", "81 - 3", "Tokyo, Japan, 81 - 3"},
        {"countries", CLMODE_COUNTRY, "Country", "Japan", "Tokyo, Japan"},
        {"airport codes", CLMODE_AIRPORT, "Airport Code", "HND", "Tokyo, Japan, HND"},
    };
    const int tokyo = RowOf("Tokyo");
    ASSERT_GE(tokyo, 0);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.nickname);
        CCityListCtrl& l = Show(r.mode);
        QAbstractItemModel* model = l.model();
        EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("City"));
        EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QString::fromUtf8(r.heading));
        EXPECT_EQ(l.GetColumnText(tokyo, 0), QStringLiteral("Tokyo"));
        EXPECT_EQ(model->index(tokyo, 1).data().toString(), QString::fromUtf8(r.second));
        EXPECT_EQ(model->index(tokyo, 0).data(Qt::AccessibleTextRole).toString(), QString::fromUtf8(r.spoken));
        if (r.mode == CLMODE_PHONE) {
            // Without an area code the country's code stands alone.
            EXPECT_EQ(l.GetColumnText(RowOf("Aalborg"), 1), QStringLiteral("45"));
        }
        EXPECT_EQ(l.GetRowCount(), GetCityList().GetCityCount());
        EXPECT_EQ(l.GetSelectedRow(), 0) << "row 0 is selected at the start";
    }
}

TEST_F(CityListTest, TypingSelectsTheFirstCityThatBeginsWithTheLetters) {
    CCityListCtrl& l = Show(CLMODE_COUNTRY);
    l.setFocus();
    const int lo = FirstEntryBeginning(QStringLiteral("lo"));
    ASSERT_GT(lo, 0);
    QTest::keyClicks(&l, QStringLiteral("lo"));
    EXPECT_EQ(l.GetSelectedRow(), lo);
    EXPECT_TRUE(l.GetCityName(lo).startsWith(QStringLiteral("Lo")));
    EXPECT_TRUE(l.viewport()->rect().intersects(l.visualRect(l.currentIndex()))) << "scrolled into view";

    // More letters that begin no city leave the selection where it was.
    QTest::keyClicks(&l, QStringLiteral("qx"));
    EXPECT_EQ(l.GetSelectedRow(), lo);

    // After a pause the typing starts again, without regard to case.
    QTest::qWait(QApplication::keyboardInputInterval() + 100);
    QTest::keyClicks(&l, QStringLiteral("TOKY"));
    EXPECT_EQ(l.GetSelectedRow(), FirstEntryBeginning(QStringLiteral("toky")));
    EXPECT_EQ(l.GetCityName(l.GetSelectedRow()), QStringLiteral("Tokyo"));
}

TEST_F(CityListTest, SearchMatchesAnyColumnWithoutCaseOrAccents) {
    CCityListCtrl& l = Show(CLMODE_AIRPORT);
    const int all = l.GetRowCount();
    auto shownNames = [&l] {
        QStringList names;
        for (int v = 0; v < l.GetShownRowCount(); ++v) names << l.GetCityName(l.ShownRow(v));
        return names;
    };
    struct Row {
        const char* nickname;
        const char* typed;
        const char* expected;  // a city the search must show
    } rows[] = {
        {"airport code, lower case", "hnd", "Tokyo"},
        {"name without accents", "sao paulo", "São Paulo"},
        {"accented letter typed plain", "lome", "Lomé"},
        {"name and country", "TOKYO japan", "Tokyo"},
        {"country", "svalbard", "Longyearbyen"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.nickname);
        l.SetSearchText(QString::fromUtf8(r.typed));
        const QStringList names = shownNames();
        EXPECT_TRUE(names.contains(QString::fromUtf8(r.expected))) << qPrintable(names.join(", "));
        EXPECT_LT(names.size(), all);
        EXPECT_GT(names.size(), 0);
        EXPECT_EQ(l.model()->rowCount(), names.size());
        EXPECT_EQ(l.GetCityName(l.GetSelectedRow()), names.value(0)) << "the first hit is selected";
    }
    // Every city the country search shows lies in that country.
    l.SetSearchText(QStringLiteral("japan"));
    for (int v = 0; v < l.GetShownRowCount(); ++v) {
        EXPECT_TRUE(l.model()->index(v, 0).data(Qt::AccessibleTextRole).toString().contains(QStringLiteral(", Japan")));
    }
    l.SetSearchText(QStringLiteral("no such place"));
    EXPECT_EQ(l.GetShownRowCount(), 0);
    EXPECT_EQ(l.GetSelectedRow(), -1);
    l.SetSearchText(QString());
    EXPECT_EQ(l.model()->rowCount(), all);
}

TEST_F(CityListTest, SelectRowClampsAndFollowsTheSearch) {
    auto* fake = new FakeSource(20);
    CCityListCtrl& l = Show(CLMODE_AIRPORT, std::unique_ptr<CCityRowSource>(fake));
    struct Row {
        const char* nickname;
        int asked;
        int selected;
    } rows[] = {{"inside", 7, 7}, {"past the end", 99, 19}, {"before the start", -5, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.nickname);
        l.SelectRow(r.asked);
        EXPECT_EQ(l.GetSelectedRow(), r.selected);
    }
    // "City 0010" to "City 0019" share "City 001"; a hidden row selects the next shown one.
    l.SetSearchText(QStringLiteral("city 001"));
    EXPECT_EQ(l.GetShownRowCount(), 10);
    l.SelectRow(3);
    EXPECT_EQ(l.GetSelectedRow(), 10);
    l.SelectRow(15);
    EXPECT_EQ(l.GetSelectedRow(), 15);
}

TEST_F(CityListTest, AfterChangeRulesDropTheRightRows) {
    auto* fake = new FakeSource(12);
    CCityListCtrl& l = Show(CLMODE_AIRPORT, std::unique_ptr<CCityRowSource>(fake), QSize(300, 600));
    ASSERT_EQ(l.CachedRowCount(), 12) << "every row fits";

    // Edited row 4: only its text is dropped, and it stays selected.
    fake->cities[4].SetAirportCode(QStringLiteral("NEW"));
    l.OnCityEdited(4);
    EXPECT_FALSE(l.IsRowCached(4));
    EXPECT_EQ(l.CachedRowCount(), 11);
    EXPECT_EQ(l.GetSelectedRow(), 4);
    EXPECT_EQ(l.GetColumnText(4, 1), QStringLiteral("NEW"));

    // Deleted row 5: rows from 5 on are dropped, one row fewer, row 5 selected.
    fake->cities.erase(fake->cities.begin() + 5);
    l.OnCityDeleted(5);
    EXPECT_EQ(l.GetRowCount(), 11);
    for (int r = 0; r < 5; ++r) EXPECT_TRUE(l.IsRowCached(r)) << r;
    EXPECT_EQ(l.GetSelectedRow(), 5);
    EXPECT_EQ(l.GetCityName(5), QStringLiteral("City 0006"));

    // Deleting the last row selects the new last row.
    fake->cities.pop_back();
    l.OnCityDeleted(10);
    EXPECT_EQ(l.GetRowCount(), 10);
    EXPECT_EQ(l.GetSelectedRow(), 9);

    // Added under a name: its row selected, the rows from it on dropped.
    CCity added = fake->cities[2];
    added.SetName(QStringLiteral("City 0002a"));
    fake->cities.insert(fake->cities.begin() + 3, added);
    l.OnCityAdded(added.Name());
    EXPECT_EQ(l.GetRowCount(), 11);
    EXPECT_EQ(l.GetSelectedRow(), 3);
    EXPECT_EQ(l.GetCityName(3), added.Name());
    EXPECT_EQ(l.GetCityName(4), QStringLiteral("City 0003"));

    // A name the list does not find: everything again from the count, row 0.
    l.OnCityAdded(QStringLiteral("Nowhere"));
    EXPECT_EQ(l.GetRowCount(), 11);
    EXPECT_EQ(l.GetSelectedRow(), 0);
}

TEST_F(CityListTest, DeletingTheOnlyRowLeavesNoRow) {
    auto* fake = new FakeSource(1);
    CCityListCtrl& l = Show(CLMODE_AIRPORT, std::unique_ptr<CCityRowSource>(fake));
    EXPECT_EQ(l.GetSelectedRow(), 0);
    fake->cities.clear();
    l.OnCityDeleted(0);
    EXPECT_EQ(l.GetRowCount(), 0);
    EXPECT_EQ(l.GetSelectedRow(), -1);
    EXPECT_EQ(l.model()->rowCount(), 0);
}

TEST_F(CityListTest, TapAndHoldMenuOnlyInTheCitiesList) {
    for (CLMODE mode : {CLMODE_PHONE, CLMODE_AIRPORT}) {
        CCityListCtrl& l = Show(mode);
        EXPECT_EQ(l.CreatePopupMenu(), nullptr) << mode;
        bool menuSeen = false;
        QTimer::singleShot(200, [&menuSeen] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* m = qobject_cast<QMenu*>(w); m && m->isVisible()) {
                    menuSeen = true;
                    m->close();
                }
            }
        });
        QTest::mouseClick(l.viewport(), Qt::RightButton, {}, l.visualRect(l.model()->index(2, 0)).center());
        QTest::qWait(300);
        EXPECT_FALSE(menuSeen) << mode;
        EXPECT_EQ(l.GetSelectedRow(), 0) << "a right click selects nothing either";
    }

    CCityListCtrl& l = Show(CLMODE_COUNTRY);
    std::unique_ptr<QMenu> menu(l.CreatePopupMenu());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 4);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Delete City"));
    EXPECT_EQ(menu->actions()[0]->data().toUInt(), ID_DELETE_CITY);
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Edit City..."));
    EXPECT_EQ(menu->actions()[1]->data().toUInt(), ID_EDIT_CITY);
    // The command bar's Copy, the only way to make a city, within the keyboard's reach here too.
    EXPECT_TRUE(menu->actions()[2]->isSeparator());
    EXPECT_EQ(menu->actions()[3]->data().toUInt(), ID_COPY_CITY);

    // Held on row 2: that row is selected and the chosen command goes to the owner.
    QSignalSpy commands(&l, &CCityListCtrl::command);
    QTimer::singleShot(100, [] {
        QMenu* popup = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* m = qobject_cast<QMenu*>(w); m && m->isVisible()) popup = m;
        }
        ASSERT_NE(popup, nullptr) << "the menu is up";
        popup->setActiveAction(popup->actions().at(1));
        QTest::keyClick(popup, Qt::Key_Return);
    });
    l.TapAndHold(l.visualRect(l.model()->index(2, 0)).center());
    EXPECT_EQ(l.GetSelectedRow(), 2);
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands[0][0].toUInt(), ID_EDIT_CITY);
}
