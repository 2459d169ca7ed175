// Colours that carry meaning, in a light and in a dark palette: every text at 4.5 : 1 against
// what it is drawn on, the display buttons' images at 3 : 1 (what a graphic needs), and a picture
// of the main window and two dialogs in the dark palette for a person to look at.
#include "apptest.h"

#include "citydisplay.h"
#include "contrast.h"
#include "dialogframe.h"
#include "images.h"
#include "mainframe.h"
#include "preferencesdlg.h"
#include "resource.h"
#include "setalarmdlg.h"
#include "settimedlg.h"
#include "alarm.h"
#include "citylist.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

using namespace za::app;
using za::test::AppTest;

namespace {

QPalette LightPalette() { return QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette(); }

// A dark palette of the kind dark desktop themes give Qt programs.
QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, QColor(238, 238, 236));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    p.setColor(QPalette::Text, QColor(238, 238, 236));
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    p.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
    p.setColor(QPalette::ToolTipText, QColor(238, 238, 236));
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Mid, QColor(80, 80, 80));
    p.setColor(QPalette::Shadow, QColor(20, 20, 20));
    return p;
}

// The opaque pixel of an image that differs most from the background.
QColor StrongestInk(const QImage& image, const QColor& background) {
    QColor best = background;
    double ratio = 1.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 250) continue;
            const double r = za::ContrastRatio(c, background);
            if (r > ratio) {
                ratio = r;
                best = c;
            }
        }
    }
    return best;
}

// Every label of a shown dialog against the dialog's page.
void ExpectReadableLabels(QWidget& dialog) {
    const QColor page = dialog.palette().color(QPalette::Base);
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&dialog) || label->text().isEmpty()) continue;
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(za::ContrastRatio(label->palette().color(label->foregroundRole()), page), za::kMinimumTextContrast);
    }
}

class ThemeTest : public AppTest, public ::testing::WithParamInterface<const char*> {
protected:
    ThemeTest() : previous(QApplication::palette()) {
        const bool dark = QLatin1String(GetParam()) == QLatin1String("dark");
        previousStyle = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(dark ? DarkPalette() : LightPalette());
    }
    ~ThemeTest() override {
        QApplication::setPalette(previous);
        QApplication::setStyle(QStyleFactory::create(previousStyle));
    }

    QPalette previous;
    QString previousStyle;
};

TEST_P(ThemeTest, EveryTextIsReadableOnWhatItIsDrawnOn) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    CMainView& view = Frame().View();
    for (int i = 0; i < za::kDisplays; ++i) {
        SCOPED_TRACE(i);
        CCityDisplay& display = view.Display(i);
        EXPECT_GE(za::ContrastRatio(display.TextColour(), display.BackgroundColour()), za::kMinimumTextContrast);
        // The ⌂ and ▾ images stand out from the display as a graphic must.
        for (UINT image : {IDB_CHANGECITY, IDB_CURRENT, IDB_NOTCURRENT}) {
            const QImage drawn = DisplayButtonImage(image, 2.0, display.palette()).toImage();
            const QColor ink = StrongestInk(drawn, display.BackgroundColour());
            EXPECT_GE(za::ContrastRatio(ink, display.BackgroundColour()), 3.0) << "image " << image;
        }
    }
    view.ShowTip(20, 20, QStringLiteral("Tokyo (Japan)\nTue 4:38 AM"), 13969, 3569);
    EXPECT_GE(za::ContrastRatio(view.Tip().TextColour(), view.Tip().BackColour()), za::kMinimumTextContrast);
    view.HideTip();

    CPreferencesDlg preferences(&Frame());
    preferences.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preferences));
    const QColor page = preferences.palette().color(QPalette::Base);
    EXPECT_GE(za::ContrastRatio(preferences.Frame().TitleColour(), page), za::kMinimumTextContrast);
    EXPECT_GE(za::ContrastRatio(preferences.palette().color(QPalette::Text), page), za::kMinimumTextContrast);

    const QString theme = QString::fromLatin1(GetParam());
    za::test::SaveShot(Frame(), QStringLiteral("theme-%1-main.png").arg(theme));
    ExpectReadableLabels(preferences);
    za::test::SaveShot(preferences, QStringLiteral("theme-%1-preferences.png").arg(theme));
    CSetTimeDlg setTime(&Frame());
    setTime.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&setTime));
    EXPECT_GE(za::ContrastRatio(setTime.Frame().TitleColour(), setTime.palette().color(QPalette::Base)),
              za::kMinimumTextContrast);
    ExpectReadableLabels(setTime);
    za::test::SaveShot(setTime, QStringLiteral("theme-%1-settime.png").arg(theme));
    setTime.hide();
    CCity tokyo;
    ASSERT_TRUE(GetCityList().LoadCity(QStringLiteral("Tokyo"), tokyo));
    CSetAlarmDlg setAlarm(CAlarm(tokyo), &Frame());
    setAlarm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&setAlarm));
    EXPECT_GE(za::ContrastRatio(setAlarm.Frame().TitleColour(), setAlarm.palette().color(QPalette::Base)),
              za::kMinimumTextContrast);
    ExpectReadableLabels(setAlarm);
    za::test::SaveShot(setAlarm, QStringLiteral("theme-%1-setalarm.png").arg(theme));
}

INSTANTIATE_TEST_SUITE_P(Palettes, ThemeTest, ::testing::Values("light", "dark"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// Every list box of the dialogs is read by its label, not by the entry it happens to show; the
// entry is its value.
TEST_F(AppTest, ListBoxesAreNamedByTheirLabels) {
    ASSERT_TRUE(Start());
    CPreferencesDlg preferences(&Frame());
    CSetTimeDlg setTime(&Frame());
    for (QDialog* dialog : {static_cast<QDialog*>(&preferences), static_cast<QDialog*>(&setTime)}) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        const QList<QComboBox*> combos = dialog->findChildren<QComboBox*>();
        ASSERT_FALSE(combos.isEmpty());
        for (QComboBox* combo : combos) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(combo);
            ASSERT_NE(a, nullptr);
            SCOPED_TRACE(a->text(QAccessible::Name).toStdString());
            EXPECT_EQ(a->role(), QAccessible::ComboBox);
            EXPECT_FALSE(combo->accessibleName().isEmpty());
            EXPECT_EQ(a->text(QAccessible::Name), combo->accessibleName());
            EXPECT_EQ(a->text(QAccessible::Value), combo->currentText());
            if (combo->isEditable()) {
                // The typing field inside, which has the focus, is named too.
                QAccessibleInterface* field = a->child(1);
                ASSERT_NE(field, nullptr);
                EXPECT_EQ(field->text(QAccessible::Name), combo->accessibleName());
            }
        }
        dialog->hide();
    }
}

}  // namespace
