#include "localetext.h"
#include "profile.h"

namespace {

QString Date(DWORD flags, const char16_t* picture, const SYSTEMTIME& st) {
    WCHAR buf[128] = {};
    int n = GetDateFormatW(LOCALE_USER_DEFAULT, flags, &st, picture, buf, 128);
    return n > 0 ? QString::fromUtf16(buf) : QStringLiteral("<failed>");
}

QString Time(DWORD flags, const char16_t* picture, const SYSTEMTIME& st) {
    WCHAR buf[64] = {};
    int n = GetTimeFormatW(LOCALE_USER_DEFAULT, flags, &st, picture, buf, 64);
    return n > 0 ? QString::fromUtf16(buf) : QStringLiteral("<failed>");
}

}  // namespace

class LocaleTexts : public za::test::ProfileTest {};

TEST_F(LocaleTexts, EnglishUnitedStatesTexts) {
    const SYSTEMTIME st = za::test::MakeTime(2026, 3, 8, 19, 5, 42);  // a Sunday
    EXPECT_EQ(QStringLiteral("3/8/26"), Date(DATE_SHORTDATE, nullptr, st));
    EXPECT_EQ(QStringLiteral("Sunday, March 8, 2026"), Date(DATE_LONGDATE, nullptr, st));
    EXPECT_EQ(QStringLiteral("Sun "), Date(0, u"ddd ", st));
    EXPECT_EQ(QStringLiteral("Sunday"), Date(0, u"dddd", st));
    EXPECT_EQ(QStringLiteral("March"), Date(0, u"MMMM", st));
    EXPECT_EQ(QStringLiteral("7:05 PM"), Time(TIME_NOSECONDS, nullptr, st));
    EXPECT_EQ(QStringLiteral("7:05:42 PM"), Time(0, nullptr, st));
    EXPECT_EQ(QStringLiteral("19:05"), Time(TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, nullptr, st));
    EXPECT_EQ(QStringLiteral("07h05 PM"), Time(0, u"hh'h'mm tt", st));
    const SYSTEMTIME midnight = za::test::MakeTime(2026, 3, 8, 0, 0, 0);
    EXPECT_EQ(QStringLiteral("12:00 AM"), Time(TIME_NOSECONDS, nullptr, midnight));
}

TEST_F(LocaleTexts, OtherLocalesUseTheirOwnPictures) {
    za::locale::SetUserLocale(QLocale(QLocale::German, QLocale::Germany));
    const SYSTEMTIME st = za::test::MakeTime(2026, 3, 8, 19, 5, 42);
    EXPECT_EQ(QStringLiteral("19:05"), Time(TIME_NOSECONDS, nullptr, st));
    EXPECT_EQ(QStringLiteral("Sonntag"), Date(0, u"dddd", st));
}

TEST_F(LocaleTexts, BuffersAndInvalidInputBehaveAsTheHandheldsCalls) {
    const SYSTEMTIME st = za::test::MakeTime(2026, 3, 8, 19, 5, 42);
    EXPECT_EQ(8, GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &st, nullptr, nullptr, 0));  // "7:05 PM" and NUL
    WCHAR small[4] = {};
    EXPECT_EQ(0, GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &st, nullptr, small, 4));
    SYSTEMTIME bad = st;
    bad.wMonth = 13;
    WCHAR buf[32] = {};
    EXPECT_EQ(0, GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &bad, nullptr, buf, 32));
    EXPECT_EQ(0, GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE | DATE_LONGDATE, &st, nullptr, buf, 32));
}

TEST_F(LocaleTexts, NamePicturesWorkForYearlyRulesWithoutAYear) {
    SYSTEMTIME rule{};
    rule.wMonth = 10;
    rule.wDayOfWeek = 0;
    rule.wDay = 5;  // the last Sunday of October, in no particular year
    EXPECT_EQ(QStringLiteral("Sunday"), Date(0, u"dddd", rule));
    EXPECT_EQ(QStringLiteral("October"), Date(0, u"MMMM", rule));
    EXPECT_EQ(QStringLiteral("<failed>"), Date(0, u"d MMMM yyyy", rule));
    EXPECT_EQ(QStringLiteral("<failed>"), Date(DATE_SHORTDATE, nullptr, rule));
}

TEST_F(LocaleTexts, TimesUseTheLocalesDigitsAsDatesDo) {
    za::locale::SetUserLocale(QLocale(QLocale::Arabic, QLocale::Egypt));
    const SYSTEMTIME st = za::test::MakeTime(2026, 3, 8, 19, 5, 42);
    const QString time = Time(TIME_NOSECONDS | TIME_FORCE24HOURFORMAT, nullptr, st);
    EXPECT_TRUE(time.contains(QChar(0x0661)) && time.contains(QChar(0x0669)) && time.contains(QChar(0x0665))) << qPrintable(time);
    for (QChar c : time) EXPECT_FALSE(c >= QLatin1Char('0') && c <= QLatin1Char('9')) << qPrintable(time);
    EXPECT_EQ(QStringLiteral("\u0660\u0668/\u0660\u0663"), Date(0, u"dd/MM", st));
    EXPECT_EQ(QStringLiteral("\u0660\u0667h\u0660\u0665"), Time(0, u"hh'h'mm", st));
}
