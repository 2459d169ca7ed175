#include "stringtable.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

TEST(FormatString, ConversionsOfThePlatform) {
    using za::FormatString;
    EXPECT_EQ(QStringLiteral("First Sunday in April"),
              FormatString(QStringLiteral("%s %s in %s"), {u"First", QStringLiteral("Sunday"), "April"}));
    EXPECT_EQ(QStringLiteral("(GMT-08:00)"), FormatString(QStringLiteral("(GMT%+03d:%02d)"), {-8, 0}));
    EXPECT_EQ(QStringLiteral("\ncode: 80004005"),
              FormatString(QStringLiteral("\ncode: %lx"), {static_cast<long>(static_cast<std::int32_t>(0x80004005u))}));
    EXPECT_EQ(QStringLiteral("1235 km"), FormatString(QStringLiteral("%.0f km"), {1234.6}));
    EXPECT_EQ(QStringLiteral("100%"), FormatString(QStringLiteral("%d%%"), {100}));
    EXPECT_EQ(QStringLiteral("12\u00b0 30\u00b4 N"), FormatString(QStringLiteral("%d\u00b0 %d\u00b4 N"), {12, 30}));
    EXPECT_EQ(QStringLiteral("[  ab][ab  ]"), FormatString(QStringLiteral("[%4s][%-4s]"), {"ab", "ab"}));
}

TEST(FormatString, MissingOrMismatchedArgumentsAreNeutral) {
    using za::FormatString;
    EXPECT_EQ(QStringLiteral("a  0"), FormatString(QStringLiteral("a %s %d"), {}));
    EXPECT_EQ(QStringLiteral("0 "), FormatString(QStringLiteral("%d %s"), {"text", 5}));
    EXPECT_EQ(QStringLiteral("50 %"), FormatString(QStringLiteral("%d %"), {50}));
}

TEST(StringTables, LookupByModuleAndNumber) {
    za::RegisterStringTable("test-module", {{7, u"seven"}, {8, u""}});
    bool found = false;
    EXPECT_EQ(QStringLiteral("seven"), za::LoadModuleString("test-module", 7, &found));
    EXPECT_TRUE(found);
    EXPECT_TRUE(za::LoadModuleString("test-module", 8, &found).isEmpty());
    EXPECT_TRUE(found);
    za::LoadModuleString("test-module", 9, &found);
    EXPECT_FALSE(found);
    za::LoadModuleString("no-such-module", 7, &found);
    EXPECT_FALSE(found);
}

TEST(FormatString, PositionalArgumentsLetATranslationReorder) {
    using za::FormatString;
    EXPECT_EQ(QStringLiteral("Tokyo: 7:00"), FormatString(QStringLiteral("%2$s: %1$s"), {"7:00", "Tokyo"}));
    EXPECT_EQ(QStringLiteral("3 h 51"), FormatString(QStringLiteral("%1$d h %2$02d"), {3, 51}));
    // A position past the arguments is neutral, as a missing one is.
    EXPECT_EQ(QStringLiteral("<>"), FormatString(QStringLiteral("<%3$s>"), {"a"}));
}

namespace {

// Answers for one context as a .qm would: the table's module is the context, the id the
// disambiguation, and n picks the plural form.
class RecordingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
        if (QByteArrayView(context) != "test-module") return QString();
        const QByteArray id(disambiguation ? disambiguation : "");
        if (id == "7" && QByteArrayView(source) == "seven") return QStringLiteral("sieben");
        if (id == "10") return n == 1 ? QStringLiteral("%d Stunde") : QStringLiteral("%d Stunden");
        return QString();
    }
};

}  // namespace

TEST(StringTables, LookupsGoThroughTheTranslator) {
    za::RegisterStringTable("test-module", {{7, u"seven"}, {9, u"nine"}, {10, u"%d hours"}});
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(QStringLiteral("sieben"), za::LoadModuleString("test-module", 7));
    EXPECT_EQ(QStringLiteral("nine"), za::LoadModuleString("test-module", 9));  // untranslated: English
    EXPECT_EQ(QStringLiteral("1 Stunde"), za::FormatString(za::LoadModuleString("test-module", 10, 1), {1}));
    EXPECT_EQ(QStringLiteral("3 Stunden"), za::FormatString(za::LoadModuleString("test-module", 10, 3), {3}));
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(QStringLiteral("seven"), za::LoadModuleString("test-module", 7));
}
