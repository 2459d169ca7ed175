// The city editor: the sheet's OK rule and its questions, the City Info, Time Zone and
// Location pages, a refused save, and the editor reached from the main screen.
#include "citydbtest.h"

#include "cityeditor.h"
#include "citydisplay.h"
#include "geography.h"
#include "mainframe.h"
#include "objectstore.h"
#include "pagecity.h"
#include "pagelocation.h"
#include "pagetimezone.h"
#include "resource.h"
#include "settings.h"
#include "timezone.h"
#include "tzlist.h"
#include "clock.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace za::app;
using za::test::AppTest;
using za::test::CityExists;
using za::test::LoadedCity;
using za::test::Messages;

namespace {

class CityEditorTest : public AppTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        // The library-wide name list outlives each test's profile: read this profile's.
        GetCityList().Refresh();
    }

    CBasePropertySheet& Sheet(const QString& name, bool isNew = false) {
        if (isNew) {
            city = LoadedCity(QStringLiteral("Tokyo"));
            city.SetName(name);
        } else {
            city = LoadedCity(name);
        }
        sheet = CreateCitySheet(nullptr, city, isNew, *app);
        sheet->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(sheet.get()));
        return *sheet;
    }
    CPageCity& Info() { return *CityPage(*sheet); }
    CPageTimeZone& Zone() { return *TimeZonePage(*sheet); }
    CPageLocation& Location() { return *LocationPage(*sheet); }
    template <class T = QLineEdit>
    T* Field(CPropertyPage& page, int id) {
        auto* field = qobject_cast<T*>(GetDlgItem(&page, id));
        EXPECT_NE(field, nullptr) << id;
        return field;
    }
    // Replaces a field's text as a user would, so the field reports the edit.
    void Type(CPropertyPage& page, int id, const QString& text) {
        sheet->SetActivePage(&page);
        QLineEdit* edit = Field(page, id);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    bool Accepted() const { return !sheet->isVisible() && sheet->result() == QDialog::Accepted; }
    bool StillOpen() const { return sheet->isVisible(); }

    CCity city;
    std::unique_ptr<CBasePropertySheet> sheet;
};

}  // namespace

TEST_F(CityEditorTest, UnchangedCityClosesWithoutAQuestion) {
    Sheet(QStringLiteral("Tokyo"));
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Tokyo"));
    sheet->accept();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), QDialog::Rejected) << "nothing to save ends as cancelled";
    EXPECT_TRUE(Messages(*shell).isEmpty());
}

TEST_F(CityEditorTest, ChangedCityAsksToSaveWithItsName) {
    struct Row {
        const char* nickname;
        int answer;
        bool open;
        bool saved;
    } rows[] = {
        {"cancel stays", IDCANCEL, true, false},
        {"no closes unsaved", IDNO, false, false},
        {"yes saves", IDYES, false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.nickname);
        shell->Clear();
        Sheet(QStringLiteral("Tokyo"));
        Type(Info(), IDC_COUNTRY, QStringLiteral("Nippon"));
        EXPECT_TRUE(Info().IsPageModified());
        shell->ScriptAnswers({r.answer});
        sheet->accept();
        const auto messages = shell->CallsOf(QStringLiteral("message"));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("Save changes to Tokyo?"));
        EXPECT_EQ(messages[0].type, MB_YESNOCANCEL | MB_ICONQUESTION);
        EXPECT_EQ(StillOpen(), r.open);
        EXPECT_EQ(Accepted(), r.saved);
        EXPECT_EQ(LoadedCity(QStringLiteral("Tokyo")).CountryName(), r.saved ? "Nippon" : "Japan");
        EXPECT_EQ(city.CountryName(), r.saved ? "Nippon" : "Japan") << "the caller's city holds what was saved";
        EXPECT_EQ(LoadedCity(QStringLiteral("Tokyo")).Latitude(), 3569) << "an untouched position does not move";
        sheet.reset();
    }
}

TEST_F(CityEditorTest, NewCityCaptionFollowsTheNameAndOkAsksToCreateIt) {
    Sheet(QStringLiteral("Copy of Tokyo"), true);
    QLineEdit* name = Field(Info(), IDC_CITY_NAME);
    EXPECT_FALSE(name->isReadOnly());
    Type(Info(), IDC_CITY_NAME, QStringLiteral("Tokyo Bay"));
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Tokyo Bay"));
    EXPECT_EQ(Info().Frame().TitleText(), QStringLiteral("Tokyo Bay - City Info"));
    EXPECT_EQ(Location().Frame().TitleText(), QStringLiteral("Tokyo Bay - Location"));

    shell->ScriptAnswers({IDYES});
    sheet->accept();
    EXPECT_EQ(Messages(*shell), QStringList{QStringLiteral("Create new city \"Tokyo Bay\"?")});
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(city.Name(), QStringLiteral("Tokyo Bay"));
    const CCity saved = LoadedCity(QStringLiteral("Tokyo Bay"));
    EXPECT_EQ(saved.TimeZoneID(), LoadedCity(QStringLiteral("Tokyo")).TimeZoneID());
    EXPECT_EQ(saved.Latitude(), 3569);
    EXPECT_GE(GetCityList().FindIndexOfCity(QStringLiteral("Tokyo Bay (Japan)")), 0) << "the name list has it";
}

TEST_F(CityEditorTest, NewCityAsksEvenWithoutAChange) {
    Sheet(QStringLiteral("Copy of Tokyo"), true);
    shell->ScriptAnswers({IDNO});
    sheet->accept();
    EXPECT_EQ(Messages(*shell), QStringList{QStringLiteral("Create new city \"Copy of Tokyo\"?")});
    EXPECT_FALSE(StillOpen());
    EXPECT_FALSE(CityExists(QStringLiteral("Copy of Tokyo")));
}

TEST_F(CityEditorTest, InvalidNewNameKeepsTheSheetOpen) {
    const QString message163 = QStringLiteral("City name must be unique, and connot use the characters \"()%#*\".");
    struct Row {
        const char* nickname;
        QString name;
    } rows[] = {
        {"taken", QStringLiteral("London")},
        {"taken in another case", QStringLiteral("LONDON")},
        {"empty", QString()},
        {"parenthesis", QStringLiteral("Bad (name)")},
        {"number sign", QStringLiteral("No#1")},
        {"percent sign", QStringLiteral("100% city")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.nickname);
        shell->Clear();
        Sheet(QStringLiteral("Copy of Tokyo"), true);
        const int count = GetCityList().GetCityCount();
        Type(Info(), IDC_CITY_NAME, r.name);
        sheet->SetActivePage(&Location());
        shell->ScriptAnswers({IDYES});
        sheet->accept();
        const auto messages = shell->CallsOf(QStringLiteral("message"));
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1].text, message163);
        EXPECT_EQ(messages[1].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_TRUE(StillOpen());
        EXPECT_EQ(sheet->GetActivePage(), &Info()) << "the page with the fault is shown";
        EXPECT_EQ(GetCityList().GetCityCount(), count);
        sheet.reset();
    }
}

TEST_F(CityEditorTest, AirportCodeInCapitalsAndCountriesToComplete) {
    Sheet(QStringLiteral("Tokyo"));
    EXPECT_TRUE(Field(Info(), IDC_CITY_NAME)->isReadOnly()) << "an existing city keeps its name";
    EXPECT_EQ(Field(Info(), IDC_AREA_CODE)->accessibleName(), QStringLiteral("Area / City Code"));
    Type(Info(), IDC_AIRPORT, QStringLiteral("nrt"));
    EXPECT_EQ(Field(Info(), IDC_AIRPORT)->text(), QStringLiteral("NRT"));
    // The country field completes from the countries the database has, each once.
    auto* countries = qobject_cast<QStringListModel*>(Field(Info(), IDC_COUNTRY)->completer()->model());
    ASSERT_NE(countries, nullptr);
    EXPECT_EQ(countries->stringList().count(QStringLiteral("Japan")), 1);
    shell->ScriptAnswers({IDYES});
    sheet->accept();
    EXPECT_EQ(LoadedCity(QStringLiteral("Tokyo")).AirportCode(), QStringLiteral("NRT"));
}

TEST_F(CityEditorTest, CurrentCityZoneIsShownButCannotBeChanged) {
    const QString current = app->GetDisplayedCity(static_cast<int>(app->GetSelectedDisplay()));
    Sheet(current);
    auto* combo = Field<QComboBox>(Zone(), IDC_TIMEZONE);
    EXPECT_FALSE(combo->isEnabled());
    EXPECT_EQ(combo->currentData().toInt(), city.TimeZoneID());
    CDBTimeZone zone;
    zone.Load(city.TimeZoneID());
    EXPECT_EQ(Field<QLabel>(Zone(), IDC_DST_RULE)->text(), zone.GetDaylightRule());
    EXPECT_EQ(combo->count(), GetTZList().GetCount());
    sheet.reset();

    Sheet(QStringLiteral("Tokyo"));
    EXPECT_TRUE(Field<QComboBox>(Zone(), IDC_TIMEZONE)->isEnabled()) << "any other city's zone can change";
}

TEST_F(CityEditorTest, AnotherZoneMarksThePageAndShowsItsRule) {
    Sheet(QStringLiteral("Tokyo"));
    auto* combo = Field<QComboBox>(Zone(), IDC_TIMEZONE);
    const int london = LoadedCity(QStringLiteral("London")).TimeZoneID();
    const int index = combo->findData(london);
    ASSERT_GE(index, 0);
    EXPECT_FALSE(Zone().IsPageModified());
    combo->setCurrentIndex(index);
    EXPECT_TRUE(Zone().IsPageModified());
    CDBTimeZone zone;
    zone.Load(london);
    EXPECT_EQ(Zone().RuleText(), zone.GetDaylightRule());
    shell->ScriptAnswers({IDYES});
    sheet->accept();
    ASSERT_TRUE(Accepted());
    EXPECT_EQ(LoadedCity(QStringLiteral("Tokyo")).TimeZoneID(), london);
    EXPECT_EQ(city.TimeZone().ID(), london) << "the zone follows the new ID";
}

TEST_F(CityEditorTest, LocationStoresWhatTheFieldsSay) {
    struct Row {
        const char* nickname;
        const char* latDegrees;
        const char* latMinutes;
        int latHemisphere;
        const char* lonDegrees;
        const char* lonMinutes;
        int lonHemisphere;
        int latitude;
        int longitude;
        const char* shownLatMinutes;
        const char* shownLonMinutes;
    } rows[] = {
        {"the pole has no minutes", "90", "30", 0, "10", "0", 0, 9000, 1000, "0", "0"},
        {"the date line has no minutes", "10", "0", 0, "180", "30", 1, 1000, -18000, "0", "0"},
        {"south", "45", "30", 1, "0", "0", 0, -4550, 0, "30", "0"},
        {"one minute", "0", "1", 0, "122", "25", 1, 1, -12241, "1", "25"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.nickname);
        Sheet(QStringLiteral("Tokyo"));
        sheet->SetActivePage(&Location());
        Field(Location(), IDC_LATITUDE_DEGREES)->setText(QString::fromUtf8(r.latDegrees));
        Field(Location(), IDC_LATITUDE_MINUTES)->setText(QString::fromUtf8(r.latMinutes));
        Field<QComboBox>(Location(), IDC_LATITUDE_HEMISPHERE)->setCurrentIndex(r.latHemisphere);
        Field(Location(), IDC_LONGITUDE_DEGREES)->setText(QString::fromUtf8(r.lonDegrees));
        Field(Location(), IDC_LONGITUDE_MINUTES)->setText(QString::fromUtf8(r.lonMinutes));
        Field<QComboBox>(Location(), IDC_LONGITUDE_HEMISPHERE)->setCurrentIndex(r.lonHemisphere);
        Location().SetPageModified();
        ASSERT_TRUE(Location().OnKillActive());
        EXPECT_EQ(Location().Latitude(), r.latitude);
        EXPECT_EQ(Location().Longitude(), r.longitude);
        EXPECT_EQ(Field(Location(), IDC_LATITUDE_MINUTES)->text(), QString::fromUtf8(r.shownLatMinutes));
        EXPECT_EQ(Field(Location(), IDC_LONGITUDE_MINUTES)->text(), QString::fromUtf8(r.shownLonMinutes));
        sheet.reset();
    }
}

TEST_F(CityEditorTest, TypingMovesTheMarkerAndChecksTheRangeAtOnce) {
    Sheet(QStringLiteral("Tokyo"));
    Type(Location(), IDC_LATITUDE_MINUTES, QStringLiteral("30"));
    Type(Location(), IDC_LATITUDE_DEGREES, QStringLiteral("90"));
    EXPECT_EQ(Field(Location(), IDC_LATITUDE_MINUTES)->text(), QStringLiteral("0")) << "at once, not only on OK";
    EXPECT_TRUE(Location().IsPageModified());
    EXPECT_EQ(Location().Latitude(), 9000);
    EXPECT_TRUE(Messages(*shell).isEmpty());

    Type(Location(), IDC_LONGITUDE_MINUTES, QStringLiteral("60"));
    EXPECT_EQ(Messages(*shell), QStringList{QStringLiteral("Please enter an integer between 0 and 59.")});
    Type(Location(), IDC_LATITUDE_DEGREES, QStringLiteral("91"));
    EXPECT_EQ(Messages(*shell).last(), QStringLiteral("Please enter an integer between 0 and 90."));

    // OK with a bad field: the message again, and the Location page stays.
    shell->Clear();
    sheet->SetActivePage(&Info());
    shell->ScriptAnswers({IDYES});
    sheet->accept();
    EXPECT_EQ(Messages(*shell).last(), QStringLiteral("Please enter an integer between 0 and 90."));
    EXPECT_TRUE(StillOpen());
    EXPECT_EQ(sheet->GetActivePage(), &Location());
    EXPECT_EQ(LoadedCity(QStringLiteral("Tokyo")).Latitude(), 3569);
}

TEST_F(CityEditorTest, MapTapFillsTheFields) {
    Sheet(QStringLiteral("Tokyo"));
    sheet->SetActivePage(&Location());
    CLocationMap& map = Location().Map();
    std::vector<NMMAPTAPPED> taps;
    QObject::connect(&map, &CLocationMap::tapped, [&](const NMMAPTAPPED& tap) { taps.push_back(tap); });
    QTest::mouseClick(&map, Qt::LeftButton, {}, QPoint(map.width() / 4, map.height() * 3 / 4));
    ASSERT_EQ(taps.size(), 1u);
    const int longitude = taps[0].longitude, latitude = taps[0].latitude;
    ASSERT_LT(longitude, 0);
    ASSERT_LT(latitude, 0);
    int degrees = 0, minutes = 0, positive = 0;
    ConvertToDMS(latitude, &degrees, &minutes, &positive);
    EXPECT_EQ(Field(Location(), IDC_LATITUDE_DEGREES)->text().toInt(), degrees);
    EXPECT_EQ(Field(Location(), IDC_LATITUDE_MINUTES)->text().toInt(), minutes);
    EXPECT_EQ(Field<QComboBox>(Location(), IDC_LATITUDE_HEMISPHERE)->currentText(), QStringLiteral("South"));
    ConvertToDMS(longitude, &degrees, &minutes, &positive);
    EXPECT_EQ(Field(Location(), IDC_LONGITUDE_DEGREES)->text().toInt(), degrees);
    EXPECT_EQ(Field(Location(), IDC_LONGITUDE_MINUTES)->text().toInt(), minutes);
    EXPECT_EQ(Field<QComboBox>(Location(), IDC_LONGITUDE_HEMISPHERE)->currentText(), QStringLiteral("West"));
    EXPECT_TRUE(Location().IsPageModified());
    za::test::SaveShot(*sheet, QStringLiteral("cityeditor-location.png"));

    shell->ScriptAnswers({IDYES});
    sheet->accept();
    ASSERT_TRUE(Accepted());
    // Stored as the fields show it: degrees and whole minutes.
    const auto shown = [](int value) {
        int d = 0, m = 0, positive = 0, joined = 0;
        ConvertToDMS(value, &d, &m, &positive);
        ConvertFromDMS(&joined, d, m, positive);
        return joined;
    };
    const CCity saved = LoadedCity(QStringLiteral("Tokyo"));
    EXPECT_EQ(saved.Latitude(), shown(latitude));
    EXPECT_EQ(saved.Longitude(), shown(longitude));
}

TEST_F(CityEditorTest, PastedDecimalDegreesFillTheFields) {
    Sheet(QStringLiteral("Tokyo"));
    sheet->SetActivePage(&Location());
    QLineEdit* degrees = Field(Location(), IDC_LATITUDE_DEGREES);
    degrees->setFocus();
    degrees->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("48.8566, 2.3522"));
    degrees->paste();
    ASSERT_TRUE(Location().OnKillActive());
    int d = 0, m = 0, positive = 0;
    ConvertToDMS(4886, &d, &m, &positive);
    EXPECT_EQ(degrees->text().toInt(), d);
    EXPECT_EQ(Field(Location(), IDC_LATITUDE_MINUTES)->text().toInt(), m);
    ConvertFromDMS(&d, d, m, 1);
    EXPECT_EQ(Location().Latitude(), d);
    EXPECT_EQ(Field(Location(), IDC_LONGITUDE_DEGREES)->text(), QStringLiteral("2"));
    EXPECT_TRUE(Location().IsPageModified());

    // Typed by hand, decimal degrees are taken when the field is left.
    QLineEdit* longitude = Field(Location(), IDC_LONGITUDE_DEGREES);
    Type(Location(), IDC_LONGITUDE_DEGREES, QStringLiteral("-73.5"));
    EXPECT_TRUE(Messages(*shell).isEmpty()) << "no range message while typing a decimal";
    emit longitude->editingFinished();
    EXPECT_EQ(longitude->text(), QStringLiteral("73"));
    EXPECT_EQ(Field(Location(), IDC_LONGITUDE_MINUTES)->text(), QStringLiteral("30"));
    EXPECT_EQ(Field<QComboBox>(Location(), IDC_LONGITUDE_HEMISPHERE)->currentText(), QStringLiteral("West"));
}

TEST(CityEditorParse, DecimalDegrees) {
    struct Row {
        const char* nickname;
        const char* text;
        bool latitudeField;
        bool ok;
        bool setLatitude;
        bool setLongitude;
        int latitude;
        int longitude;
    } rows[] = {
        {"pair", "48.8566, 2.3522", true, true, true, true, 4886, 235},
        {"pair with signs and spaces", " -33.8688  151.2093 ", false, true, true, true, -3387, 15121},
        {"pair with letters", "33.8688° S, 151.2093° E", true, true, true, true, -3387, 15121},
        {"single in the latitude field", "-0.5", true, true, true, false, -50, 0},
        {"single in the longitude field", "179.999", false, true, false, true, 0, 18000},
        {"a letter decides the axis", "73.5 W", true, true, false, true, 0, -7350},
        {"latitude beyond the pole", "90.5, 10", true, false, false, false, 0, 0},
        {"longitude beyond the date line", "10, 180.5", true, false, false, false, 0, 0},
        {"letters on the wrong axes", "10 E, 20 N", true, false, false, false, 0, 0},
        {"three numbers", "1, 2, 3", true, false, false, false, 0, 0},
        {"not a number", "north", true, false, false, false, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.nickname);
        int latitude = 0, longitude = 0;
        bool setLatitude = false, setLongitude = false;
        EXPECT_EQ(CPageLocation::ParseDecimalDegrees(QString::fromUtf8(r.text), r.latitudeField, &latitude,
                                                     &longitude, &setLatitude, &setLongitude) == TRUE,
                  r.ok);
        EXPECT_EQ(setLatitude, r.setLatitude);
        EXPECT_EQ(setLongitude, r.setLongitude);
        if (r.setLatitude) {
            EXPECT_EQ(latitude, r.latitude);
        }
        if (r.setLongitude) {
            EXPECT_EQ(longitude, r.longitude);
        }
    }
}

TEST_F(CityEditorTest, RefusedSaveSaysSoKeepsTheSheetOpenAndTheOldCity) {
    const QString failure = QStringLiteral("The city \"%1\" could not be saved");
    Sheet(QStringLiteral("Tokyo"));
    Type(Info(), IDC_COUNTRY, QStringLiteral("Nippon"));
    Type(Location(), IDC_LATITUDE_DEGREES, QStringLiteral("10"));
    za::objectstore::SetRefusedWrites(ERROR_DISK_FULL);
    shell->ScriptAnswers({IDYES});
    sheet->accept();
    za::objectstore::SetRefusedWrites(ERROR_SUCCESS);
    QStringList messages = Messages(*shell);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].startsWith(failure.arg(QStringLiteral("Tokyo")))) << qPrintable(messages[1]);
    EXPECT_EQ(shell->CallsOf(QStringLiteral("message"))[1].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_TRUE(StillOpen());
    // Neither half of the change reached the database, nor the caller's city.
    CCity stored = LoadedCity(QStringLiteral("Tokyo"));
    EXPECT_EQ(stored.CountryName(), QStringLiteral("Japan"));
    EXPECT_EQ(stored.Latitude(), 3569);
    EXPECT_EQ(city.CountryName(), QStringLiteral("Japan"));

    // Once the database takes writes again, the same OK saves the whole city.
    shell->ScriptAnswers({IDYES});
    sheet->accept();
    EXPECT_TRUE(Accepted());
    stored = LoadedCity(QStringLiteral("Tokyo"));
    EXPECT_EQ(stored.CountryName(), QStringLiteral("Nippon"));
    int degrees = 0, minutes = 0, positive = 0, latitude = 0;
    ConvertToDMS(3569, &degrees, &minutes, &positive);
    ConvertFromDMS(&latitude, 10, minutes, 1);
    EXPECT_EQ(stored.Latitude(), latitude);
    EXPECT_EQ(city.CountryName(), QStringLiteral("Nippon"));

    // A new city that cannot be written is neither in the database nor in the name list.
    shell->Clear();
    Sheet(QStringLiteral("Copy of Tokyo"), true);
    za::objectstore::SetRefusedWrites(ERROR_WRITE_FAULT);
    shell->ScriptAnswers({IDYES});
    sheet->accept();
    za::objectstore::SetRefusedWrites(ERROR_SUCCESS);
    EXPECT_TRUE(StillOpen());
    EXPECT_TRUE(Messages(*shell).last().startsWith(failure.arg(QStringLiteral("Copy of Tokyo"))));
    EXPECT_FALSE(CityExists(QStringLiteral("Copy of Tokyo")));
    EXPECT_EQ(GetCityList().FindIndexOfCity(QStringLiteral("Copy of Tokyo")), -1);
}

TEST_F(CityEditorTest, HelpGoesToTheActivePage) {
    Sheet(QStringLiteral("Tokyo"));
    sheet->SetActivePage(&Zone());
    QTest::keyClick(sheet.get(), Qt::Key_F1);
    sheet->SetActivePage(&Location());
    ASSERT_NE(Location().Frame().HelpButton(), nullptr);
    Location().Frame().HelpButton()->click();
    const auto help = shell->CallsOf(QStringLiteral("help"));
    ASSERT_EQ(help.size(), 2u);
    for (const auto& call : help) EXPECT_EQ(call.text, QStringLiteral("file:Zonaria.htm#city_edit"));
}

TEST_F(CityEditorTest, PicturesOfThePages) {
    Sheet(QStringLiteral("Tokyo"));
    const struct {
        CPropertyPage* page;
        const char* file;
    } shots[] = {{&Info(), "cityeditor-info.png"}, {&Zone(), "cityeditor-timezone.png"}};
    for (const auto& s : shots) {
        sheet->SetActivePage(s.page);
        QApplication::processEvents();
        za::test::SaveShot(*sheet, QString::fromLatin1(s.file));
    }
}

TEST_F(CityEditorTest, ViewEditDetailsShowsWhatWasSaved) {
    // The launcher the program uses, driven as a user: another zone, Yes.
    app->SetDialogs(std::make_unique<CDialogLauncher>());
    const int london = LoadedCity(QStringLiteral("London")).TimeZoneID();
    QTimer::singleShot(0, [london] {
        auto* s = qobject_cast<CBasePropertySheet*>(QApplication::activeModalWidget());
        if (!s) return;
        auto* combo = qobject_cast<QComboBox*>(GetDlgItem(TimeZonePage(*s), IDC_TIMEZONE));
        combo->setCurrentIndex(combo->findData(london));
        s->accept();
    });
    shell->ScriptAnswers({IDYES});
    CCityDisplay& display = Frame().View().Display(4);
    ASSERT_EQ(display.City().Name(), QStringLiteral("Tokyo"));
    display.OnCommand(ID_VIEW_DETAILS);
    EXPECT_EQ(display.City().TimeZoneID(), london);
    EXPECT_EQ(LoadedCity(QStringLiteral("Tokyo")).TimeZoneID(), london);
}

TEST_F(CityEditorTest, NewCityOfTheDeviceZoneIsSavedUnderTheNameGiven) {
    app->SetDialogs(std::make_unique<CDialogLauncher>());
    // A zone no city of the database has: every city of +12:45 goes.
    TIME_ZONE_INFORMATION zone{};
    bool found = false;
    for (int id = 0; id < 400 && !found; ++id) {
        CTimeZone tz;
        tz.Load(id);
        if (!tz.IsLoaded() || tz.UnadjustedBias() != -765) continue;
        zone = *tz.GetTZI();
        CCity gone;
        while (GetCityList().FindCityWithSameTZ(id, gone)) ASSERT_TRUE(GetCityList().DeleteCity(gone.Name()));
        found = true;
    }
    ASSERT_TRUE(found);
    ASSERT_TRUE(SetTimeZoneInformation(&zone));
    bool zoneLocked = false;
    QTimer::singleShot(0, [&zoneLocked] {
        auto* s = qobject_cast<CBasePropertySheet*>(QApplication::activeModalWidget());
        if (!s) return;
        zoneLocked = !GetDlgItem(TimeZonePage(*s), IDC_TIMEZONE)->isEnabled();
        auto* name = qobject_cast<QLineEdit*>(GetDlgItem(CityPage(*s), IDC_CITY_NAME));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Chatham"));
        s->accept();
    });
    shell->ScriptAnswers({IDYES});
    Frame().View().OnCheckCity();
    EXPECT_TRUE(zoneLocked) << "the new city is the current one: its zone is the device's";
    EXPECT_EQ(Frame().View().City(0).Name(), QStringLiteral("Chatham"));
    EXPECT_EQ(app->GetDisplayedCity(0), QStringLiteral("Chatham"));
    EXPECT_EQ(GetReg().GetStringValue(CRegistry::City0), QStringLiteral("Chatham"));
    EXPECT_TRUE(CityExists(QStringLiteral("Chatham"))) << "the displayed name is a city of the database";
}

// Tab on the Location page reads each row as it is laid out: degrees, minutes, hemisphere.
TEST_F(CityEditorTest, TabOnTheLocationPageReadsRowByRow) {
    Sheet(QStringLiteral("Tokyo"));
    sheet->SetActivePage(&Location());
    QLineEdit* first = Field(Location(), IDC_LATITUDE_DEGREES);
    first->setFocus();
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        order << focus->accessibleName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{QStringLiteral("Latitude degrees"), QStringLiteral("Latitude minutes"),
                                  QStringLiteral("Latitude hemisphere"), QStringLiteral("Longitude degrees"),
                                  QStringLiteral("Longitude minutes"), QStringLiteral("Longitude hemisphere")}));
}
