// The Distance Calculator: its opening state in each unit system, the slider's modes, a typed
// speed and its refusals, a city chosen in a display, and the arrival in the "To" city.
#include "tooltest.h"

#include "appstrings.h"
#include "distancecalcdlg.h"
#include "geography.h"
#include "resource.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <cmath>

using namespace za::app;
using za::test::ToolTest;

namespace {

class DistanceCalcTest : public ToolTest {
protected:
    // A dialog from London to Tokyo in the given units.
    std::unique_ptr<CDistanceCalcDlg> Open(TUnitSystem units, const QString& to = QStringLiteral("Tokyo")) {
        GetReg().WriteDWORDValue(CRegistry::UnitSystem, units);
        return std::make_unique<CDistanceCalcDlg>(LoadCity(QStringLiteral("London")), LoadCity(to), &Frame());
    }
    static QString Shown(CDistanceCalcDlg& dlg, int id) {
        auto* label = qobject_cast<QLabel*>(GetDlgItem(&dlg, id));
        return label ? label->text() : QStringLiteral("<no label %1>").arg(id);
    }
    // Types text key by key into the emptied field: each key is a change.
    static void Type(CDistanceCalcDlg& dlg, const QString& text) {
        dlg.SpeedField()->clear();
        QTest::keyClicks(dlg.SpeedField(), text);
    }
    // Puts text into the field as one change, as a paste does.
    static void Paste(CDistanceCalcDlg& dlg, const QString& text) {
        dlg.SpeedField()->setText(text);
        dlg.OnSpeedChanged();
    }
};

TEST_F(DistanceCalcTest, OpensAt500KmPerHourUnderCommercialJet) {
    struct Row {
        const char* units;
        TUnitSystem system;
        double speed;
        const char* unitText;
    } rows[] = {
        {"English", usEnglish, 310, "miles/hour"},
        {"Metric", usMetric, 500, "km/hour"},
        {"Nautical", usNautical, 269, "knots"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.units);
        auto dlg = Open(row.system);
        EXPECT_EQ(row.system, dlg->Units());
        EXPECT_EQ(row.speed, dlg->Speed());
        EXPECT_EQ(QString::number(row.speed), dlg->SpeedField()->text());
        EXPECT_EQ(QString::fromLatin1(row.unitText), Shown(*dlg, IDC_SPEED_UNITS));
        // The name says Commercial Jet although the speed is not that mode's 450 knots.
        EXPECT_EQ(QStringLiteral("Commercial Jet"), Shown(*dlg, IDC_MODE_TEXT));
        EXPECT_EQ(9, dlg->Slider()->value());
        EXPECT_EQ(0, dlg->Slider()->minimum());
        EXPECT_EQ(11, dlg->Slider()->maximum());
        EXPECT_EQ(1, dlg->Slider()->pageStep());
        EXPECT_EQ(CDS_CHOOSER, dlg->FromDisplay().Options());
        EXPECT_EQ(QStringLiteral("London"), dlg->FromDisplay().City().Name());
        EXPECT_EQ(QStringLiteral("Tokyo"), dlg->ToDisplay().City().Name());
        EXPECT_EQ(100, dlg->FromDisplay().Id());
        EXPECT_EQ(101, dlg->ToDisplay().Id());
        double km = 0;
        GreatCircleDistance(-13, 5151, 13969, 3569, &km);
        EXPECT_EQ(FormatDistance(km, row.system), Shown(*dlg, IDC_DISTANCE));
        EXPECT_FALSE(Shown(*dlg, IDC_TRAVEL_TIME).isEmpty());
    }
}

TEST_F(DistanceCalcTest, SameCityTwiceIsNoDistanceAndNoTime) {
    auto dlg = Open(usEnglish, QStringLiteral("London"));
    EXPECT_EQ(QStringLiteral("0 miles"), Shown(*dlg, IDC_DISTANCE));
    EXPECT_EQ(QStringLiteral("0 min 0 sec"), Shown(*dlg, IDC_TRAVEL_TIME));
    // Leaving now arrives now: 14:37 in London.
    EXPECT_EQ(QStringLiteral("Arrives 3/8/26 2:37 PM local time"), Shown(*dlg, IDC_ARRIVAL));
}

TEST_F(DistanceCalcTest, SliderSetsEachModesSpeedInTheUsersUnits) {
    struct Row {
        const char* name;
        TUnitSystem units;
        int position;
        double speed;
        const char* mode;
    } rows[] = {
        {"metric walk", usMetric, 0, 3, "Walk"},  // 3.704 km/h rounded down
        // Each mode's own knots (the order is the strings', not the speeds').
        {"nautical high speed train", usNautical, 6, 136, "High Speed Train"},
        {"nautical private plane", usNautical, 7, 125, "Private Plane"},
        {"nautical concorde", usNautical, 11, 1160, "Concorde Supersonic"},
        {"english concorde", usEnglish, 11, 1334, "Concorde Supersonic"},
        {"english jet", usEnglish, 9, 517, "Commercial Jet"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto dlg = Open(row.units);
        // Position 9 is where it opens: step away first so that the slider reports a move.
        dlg->Slider()->setValue(row.position == 0 ? 1 : 0);
        dlg->Slider()->setValue(row.position);
        EXPECT_EQ(row.speed, dlg->Speed());
        EXPECT_EQ(QString::number(row.speed), dlg->SpeedField()->text());
        EXPECT_EQ(QString::fromLatin1(row.mode), Shown(*dlg, IDC_MODE_TEXT));
        const double km = [&] {
            double d = 0;
            GreatCircleDistance(-13, 5151, 13969, 3569, &d);
            return d;
        }();
        EXPECT_EQ(FormatTimeSpan(km / ConvertDistance(row.speed, row.units, usMetric) / 24.0), Shown(*dlg, IDC_TRAVEL_TIME));
    }
}

TEST_F(DistanceCalcTest, ModesComeFromTheStringTableInSliderOrder) {
    auto dlg = Open(usNautical);
    dlg->Slider()->setValue(0);
    for (int i = za::calc::kTravelModeCount - 1; i >= 0; --i) {
        SCOPED_TRACE(i);
        za::calc::TravelMode expected;
        ASSERT_TRUE(za::calc::GetTravelMode(i, &expected));
        EXPECT_EQ(expected.knots, dlg->Mode(i).knots);
        EXPECT_EQ(expected.name, dlg->Mode(i).name);
        EXPECT_EQ(QStringLiteral("%1~%2").arg(expected.knots).arg(expected.name), AppString(IDS_TRAVEL_MODE0 + i));
        // In knots every position sets its mode's own number.
        dlg->Slider()->setValue(i);
        EXPECT_EQ(expected.knots, dlg->Speed());
        EXPECT_EQ(expected.name, dlg->ModeText());
    }
}

TEST_F(DistanceCalcTest, TypedSpeedReplacesTheModeNameAndTheSliderRestoresOne) {
    auto dlg = Open(usMetric);
    const QString before = Shown(*dlg, IDC_TRAVEL_TIME);
    Type(*dlg, QStringLiteral("1000"));
    EXPECT_EQ(1000.0, dlg->Speed());
    EXPECT_EQ(QStringLiteral("1000 km/hour"), Shown(*dlg, IDC_MODE_TEXT));
    EXPECT_NE(before, Shown(*dlg, IDC_TRAVEL_TIME));
    EXPECT_EQ(QStringLiteral("1000"), dlg->SpeedField()->text());
    EXPECT_EQ(9, dlg->Slider()->value()) << "typing leaves the slider alone";
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("message")).empty());

    // Taking the slider and letting go where it stands picks its mode again.
    dlg->Slider()->setSliderDown(true);
    dlg->Slider()->setSliderDown(false);
    EXPECT_EQ(QStringLiteral("Commercial Jet"), Shown(*dlg, IDC_MODE_TEXT));
    EXPECT_EQ(833.0, dlg->Speed());  // 450 knots = 833.4 km/h

    Type(*dlg, QStringLiteral("12"));
    dlg->Slider()->setValue(4);
    EXPECT_EQ(QStringLiteral("Automobile"), Shown(*dlg, IDC_MODE_TEXT));
    EXPECT_EQ(88.0, dlg->Speed());  // 48 knots = 88.9 km/h
}

TEST_F(DistanceCalcTest, RefusedSpeedKeepsTheLastValidValues) {
    auto dlg = Open(usMetric);
    dlg->show();
    Type(*dlg, QStringLiteral("250"));
    const QString time = Shown(*dlg, IDC_TRAVEL_TIME);
    const QString arrival = Shown(*dlg, IDC_ARRIVAL);
    for (const char* typed : {"1000001", "fast", "-5"}) {
        SCOPED_TRACE(typed);
        shell->Clear();
        Paste(*dlg, QString::fromLatin1(typed));
        const auto messages = shell->CallsOf(QStringLiteral("message"));
        ASSERT_EQ(1u, messages.size());
        EXPECT_EQ(AppString(IDS_SPEED_RANGE), messages.back().text);
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), messages.back().type);
        EXPECT_EQ(dlg->SpeedField(), dlg->focusWidget());
        EXPECT_EQ(250.0, dlg->Speed());
        EXPECT_EQ(time, Shown(*dlg, IDC_TRAVEL_TIME));
        EXPECT_EQ(arrival, Shown(*dlg, IDC_ARRIVAL));
        EXPECT_EQ(QStringLiteral("250 km/hour"), Shown(*dlg, IDC_MODE_TEXT));
    }
    // The upper end itself is a speed; an emptied field is one being typed into.
    shell->Clear();
    Paste(*dlg, QStringLiteral("1000000"));
    EXPECT_EQ(1000000.0, dlg->Speed());
    dlg->SpeedField()->selectAll();
    QTest::keyClick(dlg->SpeedField(), Qt::Key_Delete);
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("message")).empty());
    EXPECT_EQ(1000000.0, dlg->Speed());
}

TEST_F(DistanceCalcTest, SpeedZeroHasNoTravelTimeNorArrival) {
    auto dlg = Open(usEnglish);
    Type(*dlg, QStringLiteral("0"));
    EXPECT_TRUE(shell->CallsOf(QStringLiteral("message")).empty());
    EXPECT_EQ(0.0, dlg->Speed());
    EXPECT_EQ(QString(), Shown(*dlg, IDC_TRAVEL_TIME));
    EXPECT_EQ(QString(), Shown(*dlg, IDC_ARRIVAL));
    EXPECT_FALSE(Shown(*dlg, IDC_DISTANCE).isEmpty());
}

TEST_F(DistanceCalcTest, ArrivalIsInTheToCitysLocalTime) {
    auto dlg = Open(usMetric);
    // A speed of the distance per hour: one hour on the way, leaving at 14:37:20 UTC.
    double km = 0;
    GreatCircleDistance(-13, 5151, 13969, 3569, &km);
    Type(*dlg, QString::number(km, 'f', 6));
    EXPECT_EQ(QStringLiteral("1 hours 0 min"), Shown(*dlg, IDC_TRAVEL_TIME));
    // 15:37 UTC is 0:37 the next day in Tokyo.
    EXPECT_EQ(QStringLiteral("Arrives 3/9/26 12:37 AM local time"), Shown(*dlg, IDC_ARRIVAL));
    EXPECT_EQ(QStringLiteral("Arrives 3/9/26 12:37 AM local time"), GetDlgItem(dlg.get(), IDC_ARRIVAL)->accessibleName());
    EXPECT_EQ(QStringLiteral("Travel Time: 1 hours 0 min"), GetDlgItem(dlg.get(), IDC_TRAVEL_TIME)->accessibleName());
}

TEST_F(DistanceCalcTest, ChoosingACityRecalculates) {
    auto dlg = Open(usEnglish);
    dlg->show();
    ChooseCity(dlg->ToDisplay(), QStringLiteral("London United Kingdom"));
    EXPECT_EQ(QStringLiteral("London"), dlg->ToDisplay().City().Name());
    EXPECT_EQ(QStringLiteral("0 miles"), Shown(*dlg, IDC_DISTANCE));
    ChooseCity(dlg->FromDisplay(), QStringLiteral("Sydney"));
    double km = 0;
    GreatCircleDistance(15121, -3387, -13, 5151, &km);
    EXPECT_EQ(FormatDistance(km, usEnglish), Shown(*dlg, IDC_DISTANCE));
    // Leaving Sydney now, arriving in London's time.
    const double days = km / ConvertDistance(310, usEnglish, usMetric) / 24.0;
    EXPECT_EQ(QStringLiteral("Arrives %1 local time")
                  .arg(za::calc::ArrivalLocalText(LoadCity(QStringLiteral("London")), za::test::MakeTime(2026, 3, 8, 14, 37, 20), days)),
              Shown(*dlg, IDC_ARRIVAL));

    // With a speed the field refuses, a city change tells so and changes no result.
    Paste(*dlg, QStringLiteral("x"));
    shell->Clear();
    const QString distance = Shown(*dlg, IDC_DISTANCE);
    ChooseCity(dlg->ToDisplay(), QStringLiteral("Tokyo"));
    EXPECT_EQ(1u, shell->CallsOf(QStringLiteral("message")).size());
    EXPECT_EQ(distance, Shown(*dlg, IDC_DISTANCE));
}

TEST_F(DistanceCalcTest, DistanceCalculatorLooksRight) {
    auto dlg = Open(usEnglish);
    EXPECT_GE(dlg->width(), 360);
    EXPECT_TRUE(SaveLook(dlg.get(), QStringLiteral("distancecalc")));
    // Every field is named for a screen reader.
    EXPECT_EQ(QStringLiteral("at:"), dlg->SpeedField()->accessibleName());
    EXPECT_EQ(QStringLiteral("Travel Speed"), dlg->Slider()->accessibleName());
    EXPECT_EQ(QStringLiteral("Commercial Jet"), dlg->Slider()->accessibleDescription());
}

}  // namespace
