// The city index the lists search: which rows a typed text leaves, by the entry's words and
// the codes of the list's kind, the best of them for Enter, and edits made in place keeping the
// order a read of the database gives.
#include "cityindex.h"

#include <gtest/gtest.h>

using za::CityIndex;

namespace {

CityIndex Sample() {
    CityIndex index;
    for (const CityIndex::Texts& city : std::vector<CityIndex::Texts>{
             {QStringLiteral("East London"), QStringLiteral("South Africa"), QStringLiteral("27"), QStringLiteral("43"), QStringLiteral("ELS")},
             {QStringLiteral("London"), QStringLiteral("United Kingdom"), QStringLiteral("44"), QStringLiteral("20"), QStringLiteral("LHR")},
             {QStringLiteral("Londonderry"), QStringLiteral("United Kingdom"), QStringLiteral("44"), QStringLiteral("28"), QStringLiteral("LDY")},
             {QString::fromUtf8("São Paulo"), QStringLiteral("Brazil"), QStringLiteral("55"), QStringLiteral("11"), QStringLiteral("GRU")},
             {QStringLiteral("Tokyo"), QStringLiteral("Japan"), QStringLiteral("81"), QStringLiteral("3"), QStringLiteral("HND")},
         }) {
        index.Append(city);
    }
    return index;
}

}  // namespace

TEST(CityIndex, TypedWordsBeginWordsOfTheEntryOrOfTheListsCodes) {
    const CityIndex index = Sample();
    EXPECT_EQ(QStringLiteral("London (United Kingdom)"), index.Entry(1));
    EXPECT_EQ(QStringLiteral("London"), index.Name(1));
    const struct {
        const char* nickname;
        const char* typed;
        CityIndex::Codes codes;
        std::vector<int> rows;
    } cases[] = {
        {"a word's beginning, any case", "LOND", CityIndex::Codes::None, {0, 1, 2}},
        {"every word must match", "lond unit", CityIndex::Codes::None, {1, 2}},
        {"inside a word is no match", "ondon", CityIndex::Codes::None, {}},
        {"accents ignored", "sao paulo", CityIndex::Codes::None, {3}},
        {"the country's words", "japan", CityIndex::Codes::None, {4}},
        {"no words: everything", " - ", CityIndex::Codes::None, {0, 1, 2, 3, 4}},
        {"phone codes only in the phone list", "44", CityIndex::Codes::Phone, {1, 2}},
        {"the area code is a word", "3", CityIndex::Codes::Phone, {4}},
        {"nor in the airport list", "44", CityIndex::Codes::Airport, {}},
        {"airport codes", "lhr", CityIndex::Codes::Airport, {1}},
        {"codes not searched in the plain list", "lhr", CityIndex::Codes::None, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nickname);
        EXPECT_EQ(c.rows, index.Matching(QString::fromUtf8(c.typed), c.codes));
    }
    // Typing on looks only within the last rows, and finds what a full search finds.
    const std::vector<int> first = index.Matching(QStringLiteral("l"), CityIndex::Codes::Airport);
    EXPECT_EQ(index.Matching(QStringLiteral("lon"), CityIndex::Codes::Airport),
              index.Matching(QStringLiteral("lon"), CityIndex::Codes::Airport, &first));
}

TEST(CityIndex, EnterTakesTheBestNameNotTheFirstInTheAlphabet) {
    const CityIndex index = Sample();
    const std::vector<int> rows = index.Matching(QStringLiteral("london"), CityIndex::Codes::None);
    EXPECT_EQ(1, index.BestMatch(rows, QStringLiteral("London")));
    EXPECT_EQ(2, index.BestMatch({0, 2}, QStringLiteral("london")));  // the beginning of a name beats a later word
    EXPECT_EQ(3, index.BestMatch({3}, QStringLiteral("sao")));
    EXPECT_EQ(-1, index.BestMatch({}, QStringLiteral("x")));
}

TEST(CityIndex, EditsInPlaceKeepTheDatabasesOrderWithoutRegardToCase) {
    CityIndex index = Sample();
    bool exists = true;
    // "london" is London's row, whatever its case; a new name stands where the order puts it.
    EXPECT_EQ(1, index.RowOfName(QStringLiteral("LONDON"), &exists));
    EXPECT_TRUE(exists);
    const qsizetype at = index.RowOfName(QStringLiteral("lima"), &exists);
    EXPECT_FALSE(exists);
    EXPECT_EQ(1, at);
    index.Insert(at, {QStringLiteral("lima"), QStringLiteral("Peru"), {}, {}, QStringLiteral("LIM")});
    index.Replace(index.RowOfName(QStringLiteral("Tokyo"), nullptr), {QStringLiteral("Tokyo"), QStringLiteral("Nippon"), {}, {}, {}});
    index.Remove(index.RowOfName(QStringLiteral("East London"), nullptr));
    QStringList entries;
    for (qsizetype r = 0; r < index.Size(); ++r) entries << index.Entry(r);
    EXPECT_EQ(QStringList({QStringLiteral("lima (Peru)"), QStringLiteral("London (United Kingdom)"),
                           QStringLiteral("Londonderry (United Kingdom)"), QString::fromUtf8("São Paulo (Brazil)"),
                           QStringLiteral("Tokyo (Nippon)")}),
              entries);
    EXPECT_EQ(std::vector<int>{4}, index.Matching(QStringLiteral("nippon"), CityIndex::Codes::None));
    EXPECT_TRUE(index.Matching(QStringLiteral("japan"), CityIndex::Codes::None).empty()) << "the old texts are not searched";
}
