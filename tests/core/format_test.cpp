#include "fonts.h"
#include "format.h"
#include "errorbox.h"
#include "probes.h"
#include "localetext.h"
#include "profile.h"
#include "registry.h"
#include "stringtable.h"

#include <QFont>
#include <QProcess>

using za::test::MakeTime;
using za::test::ProfileTest;
using namespace za::shell;

class Formatting : public ProfileTest {};

TEST_F(Formatting, EveryCodeInEnglishUnitedStatesWithAndWithoutDaylight) {
    const SYSTEMTIME t = MakeTime(2026, 3, 8, 19, 5, 42);  // a Sunday
    struct Row {
        int code;
        const char16_t* plain;
        bool marked;
    } rows[] = {
        {TF_WEEKDAY_TIME, u"Sun 7:05 PM", true},
        {TF_WEEKDAY_SHORTDATE, u"Sun 3/8/26", true},
        {TF_LONGDATE, u"Sunday, March 8, 2026", false},
        {TF_SHORTDATE_TIME, u"3/8/26 7:05 PM", true},
        {TF_TIME_SHORTDATE, u"7:05 PM 3/8/26", true},
        {TF_TIME, u"7:05 PM", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.code);
        const QString plain = QString::fromUtf16(r.plain);
        EXPECT_EQ(plain, FormatDateAndTime(t, 0, r.code));
        EXPECT_EQ(r.marked ? plain + QStringLiteral(" \u00a4") : plain, FormatDateAndTime(t, 1, r.code));
    }
    // Any non-zero flag counts as daylight; an unknown code is empty but for the mark.
    EXPECT_EQ(QStringLiteral("7:05 PM \u00a4"), FormatDateAndTime(t, 7, TF_TIME));
    EXPECT_EQ(QString(), FormatDateAndTime(t, 0, 6));
    EXPECT_EQ(QStringLiteral(" \u00a4"), FormatDateAndTime(t, 1, -1));
}

TEST_F(Formatting, OtherLocalesAndInvalidDates) {
    za::locale::SetUserLocale(QLocale(QLocale::German, QLocale::Germany));
    const SYSTEMTIME t = MakeTime(2026, 9, 23, 6, 0, 0);  // a Wednesday
    EXPECT_EQ(QStringLiteral("Mi. 06:00 \u00a4"), FormatDateAndTime(t, 1, TF_WEEKDAY_TIME));
    EXPECT_EQ(QStringLiteral("Mittwoch, 23. September 2026"), FormatDateAndTime(t, 1, TF_LONGDATE));
    // A date that does not exist leaves its part empty; the time still shows.
    za::locale::SetUserLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    SYSTEMTIME bad = t;
    bad.wMonth = 13;
    EXPECT_EQ(QStringLiteral(" 6:00 AM"), FormatDateAndTime(bad, 0, TF_SHORTDATE_TIME));
    EXPECT_EQ(QString(), FormatDateAndTime(bad, 0, TF_LONGDATE));
}

TEST_F(Formatting, EZErrorShowsTheTextAndTheCodeOfAFailure) {
    ScopedRecorder rec;
    EZError(QStringLiteral("Could not save the city."), 0, MB_OK | MB_ICONSTOP);
    EZError(QStringLiteral("Could not save the city."), static_cast<HRESULT>(0x80004005u), MB_OK);
    EZError(0u, 0, MB_OK | MB_ICONEXCLAMATION);
    za::RegisterStringTable("zalib-test-app", {{140, u"The city database is missing."}});
    za::SetResourceModule("zalib-test-app", QStringLiteral("Zonaria"));
    EZError(140u, static_cast<HRESULT>(0x8007000Eu), MB_OK);
    EZError(504u);  // an id only the core library's table holds
    za::SetResourceModule(nullptr, QStringLiteral("Zonaria"));
    EZError(QStringLiteral("positive codes are not failures"), 1, MB_OK);

    const auto calls = rec->CallsOf(QStringLiteral("message"));
    ASSERT_EQ(6u, calls.size());
    EXPECT_EQ(QStringLiteral("Could not save the city."), calls[0].text);
    EXPECT_EQ(MB_OK | MB_ICONSTOP, calls[0].type);
    EXPECT_EQ(QStringLiteral("Zonaria"), calls[0].caption);
    EXPECT_EQ(QStringLiteral("Could not save the city.\ncode: 80004005"), calls[1].text);
    EXPECT_EQ(QStringLiteral("Unexpected Error"), calls[2].text);
    EXPECT_EQ(MB_OK | MB_ICONEXCLAMATION, calls[2].type);
    EXPECT_EQ(QStringLiteral("The city database is missing.\ncode: 8007000e"), calls[3].text);
    EXPECT_EQ(QStringLiteral("Does not observe daylight savings time"), calls[4].text);
    EXPECT_EQ(QStringLiteral("positive codes are not failures"), calls[5].text);
}

TEST_F(Formatting, InputPanelIsDownAndTheDesktopLosesItsButtonBar) {
    ScopedRecorder rec;
    SetDesktopAreaProvider([](RECT* r) {
        *r = RECT{0, 0, 800, 600};
        return true;
    });
    BOOL shown = TRUE;
    RECT rect{};
    ASSERT_TRUE(SIP_Info(&shown, &rect));
    EXPECT_FALSE(shown);
    EXPECT_EQ(574, rect.bottom);
    EXPECT_EQ(800, rect.right);
    EXPECT_TRUE(SIP_Info(nullptr, nullptr));
    // A failing platform call leaves the outputs alone.
    rec->SetSipResult(false);
    shown = 7;
    rect = RECT{1, 2, 3, 4};
    EXPECT_FALSE(SIP_Info(&shown, &rect));
    EXPECT_EQ(7, shown);
    EXPECT_EQ(4, rect.bottom);
    SetDesktopAreaProvider({});
}

TEST_F(Formatting, PlatformTypeDecidesPocketPC2002) {
    EXPECT_TRUE(IsPocketPC2002());
    SetPlatformType(QStringLiteral("Palm PC2"));
    EXPECT_FALSE(IsPocketPC2002());
    SetPlatformType(QStringLiteral("Palm PC"));
    EXPECT_TRUE(IsPocketPC2002());
    SetPlatformType(QString());
}

TEST_F(Formatting, PointFontsInTenthsOfAPoint) {
    QFont font;
    ASSERT_TRUE(CreatePointFont(font, 85, QStringLiteral("DejaVu Sans"), nullptr, TRUE));
    EXPECT_DOUBLE_EQ(8.5, font.pointSizeF());
    EXPECT_EQ(QFont::Bold, font.weight());
    EXPECT_EQ(QStringLiteral("DejaVu Sans"), font.family());
    ASSERT_TRUE(CreatePointFont(font, 120, QStringLiteral("DejaVu Sans")));
    EXPECT_EQ(QFont::Normal, font.weight());
    EXPECT_FALSE(CreatePointFont(font, 0, QStringLiteral("DejaVu Sans")));

    // A desktop with a larger interface font scales every size; nonsense scales are ignored.
    SetPointFontScale(1.25);
    SetPointFontScale(0.1);
    ASSERT_TRUE(CreatePointFont(font, 80, QStringLiteral("DejaVu Sans")));
    EXPECT_DOUBLE_EQ(10.0, font.pointSizeF());
    SetPointFontScale(1.0);
}

// ClearType is read once per process: a change after the first query is not seen.
TEST_F(Formatting, ClearTypeIsReadOncePerProcess) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, QStringLiteral("\\Software\\Microsoft\\Shell"), 0,
                                             QString(), 0, 0, nullptr, &key, nullptr));
    const DWORD on = 1;
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, QStringLiteral("ClearType"), 0, REG_DWORD,
                                            reinterpret_cast<const BYTE*>(&on), 4));
    RegCloseKey(key);
    QProcess child;
    child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    child.start(QStringLiteral(COREPROBE_PATH), {QStringLiteral("cleartype")});
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(QStringLiteral("11"), QString::fromUtf8(child.readAllStandardOutput()).trimmed());
    // A new process sees the change.
    QProcess again;
    again.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    again.start(QStringLiteral(COREPROBE_PATH), {QStringLiteral("cleartype")});
    ASSERT_TRUE(again.waitForFinished(30000));
    EXPECT_EQ(QStringLiteral("00"), QString::fromUtf8(again.readAllStandardOutput()).trimmed());
}
