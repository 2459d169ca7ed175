// The Meeting Planner dialog: the main screen's cities with the current city first, the
// picked hour read as a screen reader says it, keys moving the pick, working hours edited for
// a city, and a look at it.
#include "tooltest.h"

#include "mainframe.h"
#include "meetingplannerdlg.h"
#include "toolfields.h"
#include "worldsettings.h"

#include <QLabel>
#include <QTest>
#include <QTimeEdit>

using namespace za::app;
using za::test::MakeTime;
using za::test::ToolTest;

namespace {

class MeetingPlannerTest : public ToolTest {
protected:
    std::unique_ptr<CMeetingPlannerDlg> Open(const std::vector<CCity>& cities, const SYSTEMTIME& date, int slot) {
        auto dlg = std::make_unique<CMeetingPlannerDlg>(&Frame(), cities, date, slot);
        dlg->show();
        return dlg;
    }
    std::vector<CCity> LondonTokyoNewYork() {
        return {LoadCity(QStringLiteral("London")), LoadCity(QStringLiteral("Tokyo")),
                LoadCity(QStringLiteral("New York, NY"))};
    }
};

TEST_F(MeetingPlannerTest, OpensOnTheMainScreensCitiesTodayAtTheCurrentHour) {
    auto dlg = std::make_unique<CMeetingPlannerDlg>(&Frame(), *app);
    dlg->show();
    const za::MeetingPlan& plan = dlg->Grid()->Plan();
    ASSERT_EQ(static_cast<size_t>(za::kDisplays), plan.rows.size());
    const CCity& current = Frame().View().SelectedCity();
    EXPECT_EQ(current.Name(), plan.rows[0].name);
    // The test's clock: 14:37 UTC on Sunday 8 March 2026, at the current city's local time.
    SYSTEMTIME local{};
    current.TimeZone().UTCTimeToLocalTime(MakeTime(2026, 3, 8, 14, 37, 20), local);
    EXPECT_EQ(local.wDay, plan.date.wDay);
    EXPECT_EQ(QString::asprintf("%02d:00", local.wHour),
              za::HourMinuteText(plan.rows[0].cells[static_cast<size_t>(dlg->Grid()->Slot())].local));
    EXPECT_EQ(0, dlg->Grid()->Row());
}

TEST_F(MeetingPlannerTest, ThePickedHourReadsAsAScreenReaderSaysIt) {
    auto dlg = Open(LondonTokyoNewYork(), MakeTime(2027, 1, 15), 14);
    CPlannerGrid* grid = dlg->Grid();
    EXPECT_EQ(QStringLiteral("14:00 in London, within working hours"), dlg->ReadingLabel()->text());
    QTest::keyClick(grid, Qt::Key_Down);
    const QString tokyo = QStringLiteral("14:00 in London is 23:00 in Tokyo, outside working hours");
    EXPECT_EQ(tokyo, dlg->ReadingLabel()->text());
    EXPECT_EQ(tokyo, grid->accessibleDescription());
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(QStringLiteral("14:00 in London is 09:00 in New York, NY, within working hours"),
              dlg->ReadingLabel()->text());
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(13, grid->Slot());
    QTest::keyClick(grid, Qt::Key_End);
    EXPECT_EQ(23, grid->Slot());
    // A click picks the hour and the row under it.
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(10, 1).center());
    EXPECT_EQ(10, grid->Slot());
    EXPECT_EQ(1, grid->Row());
    EXPECT_EQ(QStringLiteral("10:00 in London is 19:00 in Tokyo, outside working hours"), dlg->ReadingLabel()->text());
    EXPECT_EQ(QStringLiteral("No common working hours"), dlg->CommonLabel()->text());
}

TEST_F(MeetingPlannerTest, ARowsWorkingHoursAreEditedAndKeptOnOk) {
    auto dlg = Open(LondonTokyoNewYork(), MakeTime(2027, 1, 15), 14);
    QTest::mouseClick(dlg->Grid(), Qt::LeftButton, Qt::NoModifier, dlg->Grid()->CellRect(14, 1).center());
    // Tokyo working through the night, 22:00 to 06:00, meets London and New York from 14:00 to 17:00 London.
    dlg->WorkFrom()->setTime(QTime(22, 0));
    dlg->WorkTo()->setTime(QTime(6, 0));
    EXPECT_EQ(QStringLiteral("Common working hours: 14:00\u201317:00 London"), dlg->CommonLabel()->text());
    EXPECT_EQ(QStringLiteral("14:00 in London is 23:00 in Tokyo, within working hours"), dlg->ReadingLabel()->text());
    dlg->accept();
    const za::WorkingHours kept = za::WorkingHoursSetting(QStringLiteral("Tokyo"));
    EXPECT_EQ(22 * 60, kept.start);
    EXPECT_EQ(6 * 60, kept.end);
    EXPECT_EQ(9 * 60, za::WorkingHoursSetting(QStringLiteral("London")).start);
}

TEST_F(MeetingPlannerTest, AClockChangeDayHasItsOwnNumberOfHours) {
    auto dlg = Open({LoadCity(QStringLiteral("London")), LoadCity(QStringLiteral("New York, NY"))},
                    MakeTime(2026, 10, 25), 9);
    EXPECT_EQ(25u, dlg->Grid()->Plan().slotStarts.size());
    EXPECT_EQ(25, dlg->Grid()->Plan().rows[0].dayHours);
    EXPECT_GE(dlg->Grid()->sizeHint().width(), CPlannerGrid::kNameWidth + 25 * CPlannerGrid::kCellWidth);
}

TEST_F(MeetingPlannerTest, MeetingPlannerLooksRight) {
    std::vector<CCity> cities = LondonTokyoNewYork();
    cities.push_back(LoadCity(QStringLiteral("Sydney")));
    cities.push_back(LoadCity(QStringLiteral("New Delhi")));
    auto dlg = Open(cities, MakeTime(2027, 3, 29), 14);
    EXPECT_TRUE(SaveLook(dlg.get(), QStringLiteral("meetingplanner")));
    EXPECT_EQ(QStringLiteral("Date:"), dlg->DatePicker()->accessibleName());
    EXPECT_FALSE(dlg->Grid()->accessibleName().isEmpty());
    EXPECT_FALSE(dlg->WorkFrom()->accessibleName().isEmpty());
}

}  // namespace
