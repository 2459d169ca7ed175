#include "stringtable.h"
#include "zastrings.h"

#include <gtest/gtest.h>

TEST(CoreStrings, TableHoldsEveryTextFrom500To524) {
    for (UINT id = 500; id <= 524; ++id) {
        bool found = false;
        za::LoadModuleString(za::kCoreModule, id, &found);
        EXPECT_TRUE(found) << id;
    }
    EXPECT_EQ(QStringLiteral("Does not observe daylight savings time"), za::CoreString(504));
    EXPECT_EQ(QStringLiteral("First Sunday in April to Last Sunday in October"),
              za::FormatString(za::CoreString(510), {za::CoreString(505), "Sunday", "April", za::CoreString(509),
                                                     "Sunday", "October"}));
    EXPECT_EQ(QStringLiteral("0\u00b0 30\u00b4 S"), za::FormatString(za::CoreString(524), {0, 30}));
    EXPECT_TRUE(za::CoreString(525).isEmpty());
    // How a local time the clocks skip or repeat is taken, apart from the handheld's texts.
    EXPECT_EQ(QStringLiteral("%s does not exist in %s that day (the clocks go forward): %s is taken."), za::CoreString(540));
    EXPECT_EQ(QStringLiteral("%s occurs twice in %s that day (the clocks go back): the first, %s, is taken."),
              za::CoreString(541));
}
