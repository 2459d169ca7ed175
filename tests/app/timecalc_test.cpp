// The Time Calculator: the opening hour, the five cities of the main screen, the reference
// city's zone deciding the instant, and the quarter-hour slider.
#include "tooltest.h"

#include "mainframe.h"
#include "timecalcdlg.h"
#include "toolfields.h"

#include <QLabel>
#include <QSlider>
#include <QTest>

#include <ctime>

using namespace za::app;
using za::test::MakeTime;
using za::test::ToolTest;

namespace {

class TimeCalcTest : public ToolTest {
protected:
    // The dialog as it opens: shown, so that its start has run.
    std::unique_ptr<CTimeCalcDlg> Open() {
        auto dlg = std::make_unique<CTimeCalcDlg>(&Frame(), *app);
        dlg->show();
        return dlg;
    }
    // Every display shows the instant utc, to the minute.
    static void ExpectShown(CTimeCalcDlg& dlg, const SYSTEMTIME& utc) {
        for (int i = 0; i < za::kDisplays; ++i) {
            const SYSTEMTIME& shown = dlg.Display(i).ShownTime();
            EXPECT_EQ(utc.wYear, shown.wYear) << "display " << i;
            EXPECT_EQ(utc.wMonth, shown.wMonth) << "display " << i;
            EXPECT_EQ(utc.wDay, shown.wDay) << "display " << i;
            EXPECT_EQ(utc.wHour, shown.wHour) << "display " << i;
            EXPECT_EQ(utc.wMinute, shown.wMinute) << "display " << i;
        }
    }
    static QString Picked(CWallClockEdit* picker) { return picker->text(); }
};

TEST_F(TimeCalcTest, OpensOnTheCurrentHourWithTheMainScreensCities) {
    auto dlg = Open();
    for (int i = 0; i < za::kDisplays; ++i) {
        EXPECT_EQ(Frame().View().City(i).Name(), dlg->Display(i).City().Name()) << i;
        EXPECT_EQ(CDS_CHOOSER_WITH_TIME, dlg->Display(i).Options()) << i;
        EXPECT_EQ(100 + i, dlg->Display(i).Id()) << i;
    }
    // 14:37 UTC is 14:37 in London: the pickers show 2:00 PM on 8 March, without seconds.
    EXPECT_EQ(QStringLiteral("3/8/26"), Picked(dlg->DatePicker()));
    EXPECT_EQ(QStringLiteral("2:00 PM"), Picked(dlg->TimePicker()));
    ExpectShown(*dlg, MakeTime(2026, 3, 8, 14, 0));
    EXPECT_EQ(QStringLiteral("Sun 2:00 PM"), dlg->Display(0).TimeText());
    EXPECT_EQ(QStringLiteral("Sun 11:00 PM"), dlg->Display(1).TimeText());  // Tokyo
    EXPECT_EQ(QStringLiteral("Mon 1:00 AM \u00a4"), dlg->Display(2).TimeText());  // Sydney, daylight time
    EXPECT_EQ(14 * 4, dlg->Scrubber()->value());
}

// The dialog opens on the instant the window shows, handed down from its last tick, not on a
// clock of its own (the device's clock reads 8 March here).
TEST_F(TimeCalcTest, OpensOnTheInstantTheWindowShows) {
    Frame().View().OnClockTick(MakeTime(2026, 7, 1, 9, 10));
    auto dlg = Open();
    // 9:10 UTC is 10:10 in London on summer time.
    EXPECT_EQ(QStringLiteral("7/1/26"), Picked(dlg->DatePicker()));
    EXPECT_EQ(QStringLiteral("10:00 AM"), Picked(dlg->TimePicker()));
}

TEST_F(TimeCalcTest, ReferenceCitysOwnHourWhenItIsNotTheFirstCitysZone) {
    Frame().View().Display(0).SetCity(LoadCity(QStringLiteral("Tokyo")));
    auto dlg = Open();
    // 14:37 UTC is 23:37 in Tokyo: 11:00 PM there, 14:00 UTC.
    EXPECT_EQ(QStringLiteral("11:00 PM"), Picked(dlg->TimePicker()));
    ExpectShown(*dlg, MakeTime(2026, 3, 8, 14, 0));
}

TEST_F(TimeCalcTest, ChangingTheReferenceCityKeepsThePickedTimeAndMovesTheInstant) {
    auto dlg = Open();
    ChooseCity(dlg->Display(0), QStringLiteral("Tokyo"));
    ASSERT_EQ(QStringLiteral("Tokyo"), dlg->Display(0).City().Name());
    EXPECT_EQ(QStringLiteral("3/8/26"), Picked(dlg->DatePicker()));
    EXPECT_EQ(QStringLiteral("2:00 PM"), Picked(dlg->TimePicker()));
    // 2 PM in Tokyo is 5 AM UTC.
    ExpectShown(*dlg, MakeTime(2026, 3, 8, 5, 0));
    EXPECT_EQ(QStringLiteral("Sun 2:00 PM"), dlg->Display(0).TimeText());

    // Another display's city shows the instant it holds.
    ChooseCity(dlg->Display(3), QStringLiteral("Sydney"));
    EXPECT_EQ(QStringLiteral("Sydney"), dlg->Display(3).City().Name());
    ExpectShown(*dlg, MakeTime(2026, 3, 8, 5, 0));
    EXPECT_EQ(QStringLiteral("Sun 4:00 PM \u00a4"), dlg->Display(3).TimeText());
    // The main screen keeps its own cities.
    EXPECT_EQ(QStringLiteral("London"), Frame().View().City(0).Name());
}

TEST_F(TimeCalcTest, PickedDateAndTimeGoThroughTheReferenceZone) {
    auto dlg = Open();
    ChooseCity(dlg->Display(0), QStringLiteral("New York, NY"));
    // New York's clocks went forward at 2 AM that Sunday: 3 AM is daylight time, 1 AM not.
    dlg->TimePicker()->SetValue(MakeTime(2026, 1, 1, 3, 0));
    ExpectShown(*dlg, MakeTime(2026, 3, 8, 7, 0));
    dlg->TimePicker()->SetValue(MakeTime(2026, 1, 1, 1, 0));
    ExpectShown(*dlg, MakeTime(2026, 3, 8, 6, 0));
    dlg->DatePicker()->SetValue(MakeTime(2026, 3, 7));
    ExpectShown(*dlg, MakeTime(2026, 3, 7, 6, 0));
    EXPECT_EQ(QStringLiteral("Sat 1:00 AM"), dlg->Display(0).TimeText());
}

// 2:30 on the Sunday New York's clocks go forward does not exist: the Time Calculator moved it
// back to 1:30 without a word. It is the time after the gap, and the dialog says so.
TEST_F(TimeCalcTest, ATimeTheReferenceCitysClocksSkipIsTheTimeAfterTheGapAndSaidSo) {
    auto dlg = Open();
    ChooseCity(dlg->Display(0), QStringLiteral("New York, NY"));
    EXPECT_TRUE(dlg->TimeNote()->isHidden());
    dlg->TimePicker()->SetValue(MakeTime(2026, 1, 1, 2, 30));
    ExpectShown(*dlg, MakeTime(2026, 3, 8, 7, 30));
    EXPECT_FALSE(dlg->TimeNote()->isHidden());
    EXPECT_TRUE(dlg->TimeNote()->text().contains(QStringLiteral("does not exist"))) << dlg->TimeNote()->text().toStdString();
    dlg->TimePicker()->SetValue(MakeTime(2026, 1, 1, 4, 0));
    EXPECT_TRUE(dlg->TimeNote()->isHidden());
}

TEST_F(TimeCalcTest, SliderScrubsTheDayInQuarterHours) {
    auto dlg = Open();
    QSlider* scrub = dlg->Scrubber();
    EXPECT_EQ(0, scrub->minimum());
    EXPECT_EQ(95, scrub->maximum());
    scrub->setValue(38);
    EXPECT_EQ(QStringLiteral("9:30 AM"), Picked(dlg->TimePicker()));
    ExpectShown(*dlg, MakeTime(2026, 3, 8, 9, 30));
    EXPECT_EQ(QStringLiteral("Sun 6:30 PM"), dlg->Display(1).TimeText());  // Tokyo
    QTest::keyClick(scrub, Qt::Key_End);
    EXPECT_EQ(QStringLiteral("11:45 PM"), Picked(dlg->TimePicker()));
    ExpectShown(*dlg, MakeTime(2026, 3, 8, 23, 45));
    EXPECT_EQ(QStringLiteral("Mon 8:45 AM"), dlg->Display(1).TimeText());
    // A time typed in moves the slider to its quarter hour and keeps its own minutes.
    dlg->TimePicker()->SetValue(MakeTime(2026, 3, 8, 10, 50));
    EXPECT_EQ(43, scrub->value());
    EXPECT_EQ(QStringLiteral("10:50 AM"), Picked(dlg->TimePicker()));
    ExpectShown(*dlg, MakeTime(2026, 3, 8, 10, 50));
}

// The pickers hold wall-clock times of other cities: every quarter hour of the day stays as
// picked and steps on by the arrow keys, whatever the desktop's own zone (Qt bounded a picker
// of the time alone by the desktop's day, which pulled every time in Los Angeles to 7:59 AM).
TEST_F(TimeCalcTest, TheTimePickerHoldsEveryTimeOfTheDayInAnyDesktopZone) {
    const QByteArray saved = qgetenv("TZ");
    for (const char* zone : {"America/Los_Angeles", "Pacific/Auckland", "Asia/Kolkata"}) {
        qputenv("TZ", zone);
        tzset();
        auto dlg = Open();
        CWallClockEdit* picker = dlg->TimePicker();
        for (int step = 0; step < CTimeCalcDlg::kScrubSteps; ++step) {
            const int hour = step / 4;
            const int minute = step % 4 * 15;
            picker->SetValue(MakeTime(2026, 3, 8, hour, minute));
            EXPECT_EQ(hour, picker->Value().wHour) << zone << " " << step;
            EXPECT_EQ(minute, picker->Value().wMinute) << zone << " " << step;
        }
        picker->SetValue(MakeTime(2026, 3, 8, 22, 15));
        picker->setFocus();
        picker->setCurrentSection(QDateTimeEdit::HourSection);
        QTest::keyClick(picker, Qt::Key_Up);
        EXPECT_EQ(23, picker->Value().wHour) << zone;
        ExpectShown(*dlg, MakeTime(2026, 3, 8, 23, 15));
    }
    qputenv("TZ", saved);
    tzset();
}

TEST_F(TimeCalcTest, PickerFormatsFollowTheLocale) {
    struct Row {
        const char* locale;
        const char* time;
        const char* date;
    } rows[] = {
        {"en_US", "h:mm AP", "M/d/yy"},
        {"de_DE", "HH:mm", "dd.MM.yy"},
        {"en_GB", "HH:mm", "dd/MM/yyyy"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locale);
        const QLocale locale{QString::fromLatin1(row.locale)};
        EXPECT_EQ(QString::fromLatin1(row.time), PickerTimeFormat(locale));
        EXPECT_FALSE(PickerTimeFormat(locale).contains(QLatin1Char('s')));
        EXPECT_EQ(QString::fromLatin1(row.date), PickerDateFormat(locale, false));
    }
}

TEST_F(TimeCalcTest, TimeCalculatorLooksRight) {
    auto dlg = Open();
    EXPECT_TRUE(SaveLook(dlg.get(), QStringLiteral("timecalc")));
    // Display 100 under the pickers, the other four stacked under the second heading.
    QWidget* heading = GetDlgItem(dlg.get(), IDC_HEADING2);
    ASSERT_NE(heading, nullptr);
    EXPECT_LT(dlg->Display(0).geometry().bottom(), heading->geometry().top());
    for (int i = 1; i < za::kDisplays; ++i) {
        EXPECT_EQ(heading->geometry().left(), dlg->Display(i).geometry().left()) << i;
        EXPECT_EQ(heading->width(), dlg->Display(i).width()) << i;
        if (i > 1) {
            EXPECT_EQ(dlg->Display(i - 1).geometry().bottom() + 1, dlg->Display(i).geometry().top()) << i;
        }
    }
    EXPECT_EQ(QStringLiteral("Date:"), dlg->DatePicker()->accessibleName());
    EXPECT_EQ(QStringLiteral("Time:"), dlg->TimePicker()->accessibleName());
}

}  // namespace
