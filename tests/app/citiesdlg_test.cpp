// The Cities dialog (Copy, Edit, Delete) and the Phone Codes and Airport Codes dialogs.
#include "citydbtest.h"

#include "citiesdlg.h"
#include "citylistdlg.h"
#include "objectstore.h"
#include "resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <numeric>

using namespace za::app;
using za::test::AddCityLike;
using za::test::AppTest;
using za::test::CityExists;
using za::test::CountingSource;
using za::test::FakeSource;
using za::test::Messages;

namespace {

// The city editor as a user who confirms it: the city is saved as it came.
class SavingDialogs : public za::test::RecordingDialogs {
public:
    int EditCity(QWidget* owner, CCity& city, bool isNew) override {
        RecordingDialogs::EditCity(owner, city, isNew);
        if (!GetCityList().SaveCity(city)) return IDCANCEL;
        if (isNew) GetCityList().Refresh();
        return IDOK;
    }
};

class CitiesDialogTest : public AppTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        // The library-wide name list outlives each test's profile: read this profile's.
        GetCityList().Refresh();
    }

    CCitiesDlg& Open(std::unique_ptr<CCityRowSource> source = nullptr) {
        dlg = std::make_unique<CCitiesDlg>(nullptr, std::move(source), *app);
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return *dlg;
    }
    void Select(const QString& name) {
        const long row = GetCityList().FindIndexOfCity(name + " (");
        ASSERT_GE(row, 0) << qPrintable(name);
        dlg->List().SelectRow(static_cast<int>(row));
        ASSERT_EQ(dlg->List().GetCityName(static_cast<int>(row)), name);
    }
    QString SelectedName() { return dlg->List().GetCityName(dlg->List().GetSelectedRow()); }

    std::unique_ptr<CCitiesDlg> dlg;
};

const QString kLongName = QStringLiteral("Llanfairpwllgwyngyllgogerychwy");  // 30 characters
const QString kName31 = kLongName + QLatin1Char('n');

}  // namespace

TEST_F(CitiesDialogTest, CopyNamesTakeTheFirstFreeCandidate) {
    AddCityLike(QStringLiteral("Tokyo"), kName31);
    struct Row {
        const char* nickname;
        QString original;
        QStringList taken;
        QString expected;
    } rows[] = {
        {"first copy", QStringLiteral("Tokyo"), {}, QStringLiteral("Copy of Tokyo")},
        {"second copy", QStringLiteral("Tokyo"), {QStringLiteral("Copy of Tokyo")}, QStringLiteral("Copy 2 of Tokyo")},
        {"a gap is filled",
         QStringLiteral("Tokyo"),
         {QStringLiteral("Copy 3 of Tokyo")},
         QStringLiteral("Copy 2 of Tokyo")},
        // "Copy of" + 31 characters is too long and is not cut: the first that can pass is
        // "Copy 2 of" cut to 31.
        {"31-character name", kName31, {}, QStringLiteral("Copy 2 of ") + kName31.left(21)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.nickname);
        for (const QString& name : r.taken) AddCityLike(QStringLiteral("Tokyo"), name);
        EXPECT_EQ(CCitiesDlg::CopyName(r.original), r.expected);
        EXPECT_LE(r.expected.size(), 31);
    }
}

TEST_F(CitiesDialogTest, TenCopiesTakenRefusesWithMessage162) {
    AddCityLike(QStringLiteral("Tokyo"), QStringLiteral("Copy of Tokyo"));
    for (int n = 2; n <= 10; ++n) AddCityLike(QStringLiteral("Tokyo"), QStringLiteral("Copy %1 of Tokyo").arg(n));
    EXPECT_TRUE(CCitiesDlg::CopyName(QStringLiteral("Tokyo")).isEmpty());
    Open();
    Select(QStringLiteral("Tokyo"));
    const int rows = dlg->List().GetRowCount();
    shell->Clear();
    dlg->OnCommand(ID_COPY_CITY);
    const auto messages = shell->CallsOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Cannot copy city \"Tokyo\".  Too many copies."));
    EXPECT_EQ(messages[0].type, MB_OK | MB_ICONSTOP);
    EXPECT_TRUE(dialogs->calls.empty()) << "no editor";
    EXPECT_EQ(dlg->List().GetRowCount(), rows);
}

TEST_F(CitiesDialogTest, CopyOpensTheEditorOnANewCityAndListsWhatWasSaved) {
    Open();
    Select(QStringLiteral("Tokyo"));
    const int rows = dlg->List().GetRowCount();
    // Cancelled: nothing was added and the list stays where it was.
    dlg->OnCommand(ID_COPY_CITY);
    ASSERT_EQ(dialogs->calls.size(), 1u);
    EXPECT_EQ(dialogs->calls[0].dialog, QStringLiteral("EditNewCity"));
    EXPECT_EQ(dialogs->calls[0].cities, QStringList{QStringLiteral("Copy of Tokyo")});
    EXPECT_EQ(dlg->List().GetRowCount(), rows);
    EXPECT_EQ(SelectedName(), QStringLiteral("Tokyo"));

    // Saved: one row more, and the copy's row selected.
    app->SetDialogs(std::make_unique<SavingDialogs>());
    dlg->OnCommand(ID_COPY_CITY);
    EXPECT_TRUE(CityExists(QStringLiteral("Copy of Tokyo")));
    EXPECT_EQ(dlg->List().GetRowCount(), rows + 1);
    EXPECT_EQ(SelectedName(), QStringLiteral("Copy of Tokyo"));
    EXPECT_EQ(dlg->List().GetColumnText(dlg->List().GetSelectedRow(), 1), QStringLiteral("Japan"));
}

TEST_F(CitiesDialogTest, EditOpensTheEditorOnTheSelectedCity) {
    Open();
    Select(QStringLiteral("London"));
    dlg->OnCommand(ID_EDIT_CITY);
    ASSERT_EQ(dialogs->calls.size(), 1u);
    EXPECT_EQ(dialogs->calls[0].dialog, QStringLiteral("EditCity"));
    EXPECT_EQ(dialogs->calls[0].cities, QStringList{QStringLiteral("London")});
    EXPECT_EQ(SelectedName(), QStringLiteral("London"));
}

TEST_F(CitiesDialogTest, DeleteAsksThenRemovesTheCity) {
    Open();
    Select(QStringLiteral("Lyon"));
    const int row = dlg->List().GetSelectedRow();
    const int rows = dlg->List().GetRowCount();
    const QString next = dlg->List().GetCityName(row + 1);

    shell->ScriptAnswers({IDNO});
    dlg->OnCommand(ID_DELETE_CITY);
    ASSERT_EQ(Messages(*shell), QStringList{QStringLiteral("Delete city \"Lyon\"?")});
    EXPECT_EQ(shell->CallsOf(QStringLiteral("message"))[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_TRUE(CityExists(QStringLiteral("Lyon")));

    shell->ScriptAnswers({IDYES});
    dlg->OnCommand(ID_DELETE_CITY);
    EXPECT_FALSE(CityExists(QStringLiteral("Lyon")));
    EXPECT_EQ(dlg->List().GetRowCount(), rows - 1);
    EXPECT_EQ(dlg->List().GetSelectedRow(), row);
    EXPECT_EQ(SelectedName(), next);
    EXPECT_EQ(GetCityList().FindIndexOfCity(QStringLiteral("Lyon (")), -1) << "the name list follows";
}

TEST_F(CitiesDialogTest, DisplayedCityIsNotDeletedEvenInALongList) {
    Open();
    ASSERT_GT(dlg->List().GetRowCount(), 2000);
    for (int i = 0; i < za::kDisplays; ++i) {
        const QString shown = app->GetDisplayedCity(i);
        SCOPED_TRACE(qPrintable(shown));
        Select(shown);
        shell->Clear();
        shell->ScriptAnswers({IDYES});
        dlg->OnCommand(ID_DELETE_CITY);
        const auto messages = shell->CallsOf(QStringLiteral("message"));
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1].text, QStringLiteral("Cannot delete a city that is currently displayed on the main screen."));
        EXPECT_EQ(messages[1].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_TRUE(CityExists(shown));
    }
}

TEST_F(CitiesDialogTest, LastCityIsNotDeleted) {
    Open(std::make_unique<FakeSource>(1));
    shell->ScriptAnswers({IDYES});
    dlg->OnCommand(ID_DELETE_CITY);
    const QStringList messages = Messages(*shell);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1], QStringLiteral(
        "You cannot delete the last city.  You must have at least one city defined in the list."));
    EXPECT_EQ(dlg->List().GetRowCount(), 1);
}

TEST_F(CitiesDialogTest, RefusedDeleteSaysSoAndKeepsTheCity) {
    Open();
    Select(QStringLiteral("Lyon"));
    const int rows = dlg->List().GetRowCount();
    za::objectstore::SetRefusedWrites(ERROR_DISK_FULL);
    shell->ScriptAnswers({IDYES});
    dlg->OnCommand(ID_DELETE_CITY);
    za::objectstore::SetRefusedWrites(ERROR_SUCCESS);
    const QStringList messages = Messages(*shell);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("The city \"Lyon\" could not be deleted")));
    EXPECT_TRUE(CityExists(QStringLiteral("Lyon")));
    EXPECT_EQ(dlg->List().GetRowCount(), rows);
    EXPECT_EQ(SelectedName(), QStringLiteral("Lyon"));
}

TEST_F(CitiesDialogTest, ListHasTheFocusAndTheSearchNarrowsIt) {
    Open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Cities"));
    EXPECT_EQ(dlg->Frame().HelpRequest(), QStringLiteral("file:Zonaria.htm#citylist_edit"));
    EXPECT_EQ(GetDlgItem(dlg.get(), IDC_CITY_LIST), &dlg->List());
    EXPECT_TRUE(dlg->List().hasFocus()) << "the list has the focus at the start";

    // The search narrows the list; Enter in it goes to the hits instead of closing.
    QLineEdit* search = dlg->SearchField();
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("sao paulo"));
    EXPECT_EQ(SelectedName(), QStringLiteral("São Paulo"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->List().hasFocus());
    za::test::SaveShot(*dlg, QStringLiteral("cities-search.png"));
    search->clear();
    Select(QStringLiteral("Tokyo"));
    za::test::SaveShot(*dlg, QStringLiteral("cities.png"));
}

TEST_F(CitiesDialogTest, AirportCodesFirstScreenLoadsOnlyTheRowsInView) {
    auto* counting = new CountingSource;
    CAirportCodesDlg codes(nullptr, std::unique_ptr<CCityRowSource>(counting));
    codes.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&codes));
    QApplication::processEvents();
    CCityListCtrl& list = codes.List();
    ASSERT_GT(list.GetRowCount(), 2000);
    const int last = list.rowAt(list.viewport()->height() - 1);
    ASSERT_GT(last, 5);
    std::vector<long> expected(static_cast<size_t>(last + 1));
    std::iota(expected.begin(), expected.end(), 0L);
    EXPECT_EQ(counting->loaded, expected) << "the rows of the first screen, each once";
    EXPECT_EQ(counting->brackets, 1);
    EXPECT_TRUE(list.hasFocus());
    EXPECT_EQ(codes.windowTitle(), QStringLiteral("Airport Codes"));
    EXPECT_EQ(codes.Frame().HelpRequest(), QStringLiteral("file:Zonaria.htm#airport_codes"));
    EXPECT_EQ(codes.Frame().CommandBar(), nullptr);
    za::test::SaveShot(codes, QStringLiteral("airportcodes.png"));
}

// Damage met while the window runs was read as empty data: the dialogs opened empty without
// a word.
TEST_F(CitiesDialogTest, AListThatCannotBeReadSaysSo) {
    // The city list as damage leaves it: counted, but its records do not read.
    class Unreadable : public CCityRowSource {
    public:
        int GetCityCount() override { return 40; }
        BOOL BeginLoadCityByIndex() override { return TRUE; }
        BOOL LoadCity(long, CCity&) override { return FALSE; }
        void EndLoadCityByIndex() override {}
    };
    CAirportCodesDlg codes(nullptr, std::make_unique<Unreadable>());
    codes.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&codes));
    QApplication::processEvents();
    QApplication::processEvents();
    const QStringList messages = Messages(*shell);
    ASSERT_EQ(messages.size(), 1) << qPrintable(messages.join(QStringLiteral(" | ")));
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("The city list could not be read completely")));
    // Said once, however many rows fail.
    codes.List().SelectRow(39);
    QApplication::processEvents();
    EXPECT_EQ(Messages(*shell).size(), 1);
}

TEST_F(CitiesDialogTest, PhoneCodesShowTheCodes) {
    CPhoneCodesDlg codes(nullptr);
    codes.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&codes));
    const int tokyo = static_cast<int>(GetCityList().FindIndexOfCity(QStringLiteral("Tokyo (")));
    codes.List().SelectRow(tokyo);
    EXPECT_EQ(codes.List().GetColumnText(tokyo, 1), QStringLiteral("81 - 3"));
    EXPECT_EQ(codes.Frame().HelpRequest(), QStringLiteral("file:Zonaria.htm#phone_codes"));
    za::test::SaveShot(codes, QStringLiteral("phonecodes.png"));
}

TEST_F(CitiesDialogTest, TheApplicationsDialogsOpenTheLists) {
    // The real launcher, as the menus reach it.
    CDialogLauncher launcher;
    QStringList seen;
    auto closeLater = [&seen] {
        QTimer::singleShot(0, [&seen] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            seen << modal->windowTitle();
            static_cast<QDialog*>(modal)->reject();
        });
    };
    closeLater();
    launcher.PhoneCodes(nullptr);
    closeLater();
    launcher.AirportCodes(nullptr);
    closeLater();
    EXPECT_EQ(launcher.EditCities(nullptr), IDCANCEL);
    EXPECT_EQ(seen, QStringList({"Phone Codes", "Airport Codes", "Cities"}));
}

// Tab goes round every control: the list, its search field, Help, the command bar's buttons and
// OK, then the list again. Qt made the button box stand in for OK early in the Tab chain, so
// Tab once past Help circled OK and the command bar and never came back to the list.
TEST_F(CitiesDialogTest, TabGoesRoundEveryControl) {
    CCitiesDlg& d = Open();
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    d.activateWindow();
    QApplication::processEvents();
    auto label = [](QWidget* w) -> QString {
        if (!w) return QStringLiteral("(none)");
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) return button->text();
        return w->accessibleName();
    };
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        QWidget* focus = QApplication::focusWidget();
        order << label(focus);
        QTest::keyClick(focus ? focus : static_cast<QWidget*>(&d), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{QStringLiteral("Cities"), QStringLiteral("Search cities"), QStringLiteral("Help"),
                                  QStringLiteral("Copy"), QStringLiteral("Edit"), QStringLiteral("Delete"),
                                  QStringLiteral("OK"), QStringLiteral("Cities")}));
}
