// Text contrast: the WCAG 2 ratio and the readable shade of a colour on a background.
#include "contrast.h"

#include <gtest/gtest.h>

namespace {

TEST(Contrast, RatioOfKnownPairs) {
    struct Row {
        const char* name;
        QColor a, b;
        double ratio;
    } rows[] = {
        {"black on white", Qt::black, Qt::white, 21.0},
        {"the same colour", QColor(120, 40, 200), QColor(120, 40, 200), 1.0},
        // WCAG's own examples: #767676 on white is just above 4.5, #777777 just below.
        {"#767676 on white", QColor(0x76, 0x76, 0x76), Qt::white, 4.54},
        {"#777777 on white", QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
        {"order does not matter", Qt::white, QColor(0x76, 0x76, 0x76), 4.54},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(za::ContrastRatio(row.a, row.b), row.ratio, 0.01);
    }
}

TEST(Contrast, ReadableShadeKeepsAGoodColourAndMendsABadOne) {
    const QColor highlight(48, 140, 198);  // Fusion's highlight
    const QColor darkBase(35, 35, 35), lightBase(Qt::white);
    // Already readable: unchanged.
    EXPECT_EQ(za::ReadableOn(Qt::black, lightBase), QColor(Qt::black));
    struct Row {
        const char* name;
        QColor ink, background;
        bool lighter;
    } rows[] = {
        {"dark blue on a dark page", QColor(0, 36, 156), darkBase, true},
        {"highlight on a dark page", QColor(42, 130, 218).darker(150), darkBase, true},
        {"pale yellow text on white", QColor(255, 255, 192), lightBase, false},
        {"highlight on white", highlight, lightBase, false},
        {"grey on a mid-grey page", QColor(128, 128, 128), QColor(110, 110, 110), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QColor shade = za::ReadableOn(row.ink, row.background);
        EXPECT_GE(za::ContrastRatio(shade, row.background), za::kMinimumTextContrast);
        if (row.lighter) {
            EXPECT_GT(shade.lightness(), row.ink.lightness());
        } else {
            EXPECT_LT(shade.lightness(), row.ink.lightness());
        }
    }
}

TEST(Contrast, DarkBackgroundsAreThoseThatWantLightText) {
    EXPECT_TRUE(za::IsDarkBackground(QColor(53, 53, 53)));
    EXPECT_TRUE(za::IsDarkBackground(Qt::black));
    EXPECT_FALSE(za::IsDarkBackground(QColor(239, 239, 239)));
    EXPECT_FALSE(za::IsDarkBackground(QColor(255, 255, 192)));
}

}  // namespace
