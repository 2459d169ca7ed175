// The Sunrise and Moonrise dialogs: the labels and values for each twilight setting, the
// refresh on a new date or city, polar days, and the moon's two phase lines.
#include "tooltest.h"

#include "appstrings.h"
#include "moonrisedlg.h"
#include "resource.h"
#include "stringtable.h"
#include "sunrisedlg.h"
#include "toolfields.h"

#include <QLabel>
#include <QRegularExpression>

using namespace za::app;
using za::test::MakeTime;
using za::test::ToolTest;

namespace {

class AstroDlgTest : public ToolTest {
protected:
    template <class Dlg>
    std::unique_ptr<Dlg> Open(const QString& city) {
        auto dlg = std::make_unique<Dlg>(LoadCity(city), &Frame());
        dlg->show();
        return dlg;
    }
    static QStringList Lines(const QLabel* label) { return label->text().split(QLatin1Char('\n')); }
};

TEST_F(AstroDlgTest, SunLabelsAndValuesFollowTheTwilightSetting) {
    const CCity london = LoadCity(QStringLiteral("London"));
    const SYSTEMTIME day = MakeTime(2026, 3, 8, 14, 37, 20);
    QString rise, set;
    london.RiseSet(rise, set, &day, ZENITH_OFFICIAL);
    const QString length = london.DaylightHours(&day, ZENITH_OFFICIAL);
    struct Row {
        DWORD twilight;
        UINT labels;
        ZENITH zenith;  // ZENITH_OFFICIAL: no twilight lines
    } rows[] = {
        {1, 175, ZENITH_OFFICIAL},      {2, 172, ZENITH_CIVIL}, {3, 173, ZENITH_NAUTICAL},
        {4, 174, ZENITH_ASTRONOMICAL}, {0, 175, ZENITH_OFFICIAL}, {7, 175, ZENITH_OFFICIAL},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.twilight);
        GetReg().WriteDWORDValue(CRegistry::Twilight, row.twilight);
        auto dlg = Open<CSunriseDlg>(QStringLiteral("London"));
        EXPECT_EQ(AppString(row.labels), dlg->Labels()->text());
        QString expected;
        if (row.zenith == ZENITH_OFFICIAL) {
            expected = rise + QStringLiteral(" \n") + set + QStringLiteral(" \n\n") + length;
        } else {
            QString begin, end;
            london.RiseSet(begin, end, &day, row.zenith);
            EXPECT_NE(begin, rise);
            expected = begin + QStringLiteral(" \n") + rise + QStringLiteral(" \n") + set + QStringLiteral(" \n") + end +
                       QStringLiteral(" \n\n") + length;
        }
        EXPECT_EQ(expected, dlg->Values()->text());
        // The blank lines keep the values level with their labels.
        EXPECT_EQ(Lines(dlg->Labels()).size(), Lines(dlg->Values()).size());
        const int valueLines = static_cast<int>(Lines(dlg->Values()).size()) - 1;  // less the blank one
        EXPECT_EQ(row.zenith == ZENITH_OFFICIAL ? 3 : 5, valueLines);
    }
}

TEST_F(AstroDlgTest, SunOpensOnTheCitysLocalDateAndRefreshesAtOnce) {
    GetReg().WriteDWORDValue(CRegistry::Twilight, 1);
    auto dlg = Open<CSunriseDlg>(QStringLiteral("Sydney"));
    // 14:37 UTC is already Monday in Sydney.
    EXPECT_EQ(QStringLiteral("Monday, March 9, 2026"), dlg->DatePicker()->text());
    EXPECT_EQ(CDS_CHOOSER, dlg->CityDisplay().Options());
    const CCity sydney = LoadCity(QStringLiteral("Sydney"));
    const SYSTEMTIME march = MakeTime(2026, 3, 9);
    EXPECT_TRUE(dlg->Values()->text().endsWith(sydney.DaylightHours(&march, ZENITH_OFFICIAL))) << dlg->Values()->text().toStdString();

    dlg->DatePicker()->SetValue(MakeTime(2026, 6, 21, 1, 37));
    const SYSTEMTIME june = MakeTime(2026, 6, 21);
    EXPECT_TRUE(dlg->Values()->text().endsWith(sydney.DaylightHours(&june, ZENITH_OFFICIAL))) << dlg->Values()->text().toStdString();
    EXPECT_NE(sydney.DaylightHours(&march, ZENITH_OFFICIAL), sydney.DaylightHours(&june, ZENITH_OFFICIAL));

    ChooseCity(dlg->CityDisplay(), QStringLiteral("Longyearbyen"));
    EXPECT_EQ(QStringLiteral("Longyearbyen"), dlg->CityDisplay().City().Name());
    EXPECT_EQ(QStringLiteral("Never rises \nNever sets \n\nAlways light"), dlg->Values()->text());
    dlg->DatePicker()->SetValue(MakeTime(2026, 12, 21));
    EXPECT_EQ(QStringLiteral("Never rises \nNever sets \n\nAlways dark"), dlg->Values()->text());
    EXPECT_EQ(QStringLiteral("Sunrise: Never rises\nSunset: Never sets\nDaylight Hours: Always dark"),
              dlg->Values()->accessibleName());
}

TEST_F(AstroDlgTest, MoonShowsRiseAndSetAndTwoPhasesTheEarlierFirst) {
    auto dlg = Open<CMoonriseDlg>(QStringLiteral("London"));
    EXPECT_EQ(QStringLiteral("Moonrise:\nMoonset:"), dlg->Labels()->text());
    const CCity london = LoadCity(QStringLiteral("London"));
    const SYSTEMTIME day = MakeTime(2026, 3, 8);
    QString rise, set;
    london.RiseSet(rise, set, &day, ZENITH_MOON);
    EXPECT_EQ(rise + QLatin1Char('\n') + set, dlg->Values()->text());
    // The full moon of 3 March 2026 (11:38 UTC) and the last quarter of 11 March (09:39 UTC),
    // in London's time.
    const QRegularExpression london2(QStringLiteral("^Full Moon on 3/3/26 11:[34]\\d AM\nLast Quarter 3/11/26 9:[34]\\d AM$"));
    EXPECT_TRUE(london2.match(dlg->Phases()->text()).hasMatch()) << dlg->Phases()->text().toStdString();

    // In Tokyo's time the same phases fall nine hours later.
    ChooseCity(dlg->CityDisplay(), QStringLiteral("Tokyo"));
    const QRegularExpression tokyo(QStringLiteral("^Full Moon on 3/3/26 8:[34]\\d PM\nLast Quarter 3/11/26 6:[34]\\d PM$"));
    EXPECT_TRUE(tokyo.match(dlg->Phases()->text()).hasMatch()) << dlg->Phases()->text().toStdString();

    // Two weeks on: the last quarter has passed and the new moon of 19 March comes next.
    dlg->DatePicker()->SetValue(MakeTime(2026, 3, 15, 12, 0));
    const QStringList lines = Lines(dlg->Phases());
    ASSERT_EQ(2, lines.size());
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Last Quarter 3/11/26 "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("New Moon 3/19/26 "))) << lines[1].toStdString();
}

TEST_F(AstroDlgTest, MoonPhaseTimesCarryTheDaylightMark) {
    // New York is on daylight time from 8 March: the first quarter of 25 March is marked.
    auto dlg = Open<CMoonriseDlg>(QStringLiteral("New York, NY"));
    dlg->DatePicker()->SetValue(MakeTime(2026, 3, 22, 12, 0));
    const QStringList lines = Lines(dlg->Phases());
    ASSERT_EQ(2, lines.size());
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("New Moon 3/18/26 "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" \u00a4")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("First Quarter 3/25/26 "))) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" \u00a4")));
}

TEST_F(AstroDlgTest, SunAndMoonLookRight) {
    GetReg().WriteDWORDValue(CRegistry::Twilight, 3);
    auto sun = Open<CSunriseDlg>(QStringLiteral("London"));
    EXPECT_TRUE(SaveLook(sun.get(), QStringLiteral("sunrise")));
    auto moon = Open<CMoonriseDlg>(QStringLiteral("London"));
    EXPECT_TRUE(SaveLook(moon.get(), QStringLiteral("moonrise")));
    // The chooser is centred under the date picker, half as wide as the heading.
    QWidget* heading = GetDlgItem(sun.get(), IDC_HEADING2);
    const QRect chooser = sun->CityDisplay().geometry();
    EXPECT_NEAR(heading->width() / 2, chooser.width(), 4);
    EXPECT_NEAR(heading->geometry().center().x(), chooser.center().x(), 3);
    EXPECT_GT(chooser.top(), sun->DatePicker()->geometry().bottom());
    EXPECT_EQ(QStringLiteral("Date"), sun->DatePicker()->accessibleName());
}

}  // namespace
