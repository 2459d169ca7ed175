// The shared dialog frame: the title band and the heading lines, the help button, the page
// title rule, and the Edit menu's enabling and commands on the focused field.
#include "dialogframe.h"
#include "profile.h"
#include "resource.h"
#include "shell.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace za::app;

namespace {

class DialogFrameTest : public za::test::ProfileTest {
protected:
    za::shell::ScopedRecorder shell;
};

// A dialog with the Edit bar, a read-only field, an editable one and a list.
class EditDialog : public CBaseDialog {
public:
    explicit EditDialog(bool headings) : CBaseDialog(144, QStringLiteral("file:Zonaria.htm#alarms"), IDR_EDIT_BAR, nullptr) {
        setWindowTitle(QStringLiteral("Set Alarm"));
        auto* layout = new QVBoxLayout(Body());
        if (headings) {
            first = new QLabel(QStringLiteral("When"), Body());
            SetControlId(first, IDC_HEADING1);
            layout->addWidget(first);
        }
        readOnly = new QLineEdit(QStringLiteral("fixed text"), Body());
        readOnly->setReadOnly(true);
        editable = new QLineEdit(QStringLiteral("typed text"), Body());
        if (headings) {
            second = new QLabel(QStringLiteral("Message"), Body());
            SetControlId(second, IDC_HEADING2);
            layout->addWidget(second);
        }
        list = new QListWidget(Body());
        list->addItem(QStringLiteral("row"));
        layout->addWidget(readOnly);
        layout->addWidget(editable);
        layout->addWidget(list);
        resize(300, 360);
    }
    QLabel* first = nullptr;
    QLabel* second = nullptr;
    QLineEdit* readOnly;
    QLineEdit* editable;
    QListWidget* list;
};

std::vector<UINT> EnabledEditCommands(CDialogFrame& frame) {
    std::vector<UINT> on;
    for (UINT id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL}) {
        if (frame.IsEditCommandEnabled(id)) on.push_back(id);
    }
    return on;
}

// Rows of the image where most pixels have the colour: the frame's lines.
std::vector<int> LineRows(const QImage& image, QColor colour) {
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        int hits = 0;
        for (int x = 0; x < image.width(); ++x) hits += image.pixel(x, y) == colour.rgb();
        if (hits >= 40) rows.push_back(y);
    }
    return rows;
}

}  // namespace

TEST_F(DialogFrameTest, EditMenuFollowsTheFocusedField) {
    EditDialog dlg(false);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    CDialogFrame& frame = dlg.Frame();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));

    dlg.readOnly->setFocus();
    dlg.readOnly->selectAll();
    EXPECT_EQ(EnabledEditCommands(frame), (std::vector<UINT>{ID_EDIT_COPY, ID_EDIT_SELECT_ALL}));

    dlg.editable->setFocus();
    dlg.editable->setSelection(0, 5);
    dlg.editable->insert(QStringLiteral("retyped"));  // something to undo
    dlg.editable->setSelection(0, 3);
    EXPECT_EQ(EnabledEditCommands(frame), (std::vector<UINT>{ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                                                             ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL}));
    // Without a selection only Undo, Paste and Select All remain.
    dlg.editable->deselect();
    EXPECT_EQ(EnabledEditCommands(frame), (std::vector<UINT>{ID_EDIT_UNDO, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL}));

    dlg.list->setFocus();
    EXPECT_TRUE(EnabledEditCommands(frame).empty());
    EXPECT_FALSE(dlg.OnCommand(ID_EDIT_SELECT_ALL));

    // The menu itself is enabled the same way when it opens.
    QMenu* menu = dlg.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().size(), 6);
    frame.UpdateEditMenu(menu);
    for (QAction* a : menu->actions()) EXPECT_FALSE(a->isEnabled()) << qPrintable(a->text());
}

TEST_F(DialogFrameTest, EditCommandsWorkOnTheFocusedField) {
    EditDialog dlg(false);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.editable->setFocus();
    dlg.editable->setSelection(0, 6);  // "typed "
    EXPECT_TRUE(dlg.OnCommand(ID_EDIT_CUT));
    EXPECT_EQ(dlg.editable->text(), QStringLiteral("text"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("typed "));
    EXPECT_TRUE(dlg.OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(dlg.editable->text(), QStringLiteral("typed text"));
    EXPECT_TRUE(dlg.OnCommand(ID_EDIT_SELECT_ALL));
    EXPECT_EQ(dlg.editable->selectedText(), QStringLiteral("typed text"));
    EXPECT_TRUE(dlg.OnCommand(ID_EDIT_CLEAR));
    EXPECT_TRUE(dlg.editable->text().isEmpty());
    EXPECT_TRUE(dlg.OnCommand(ID_EDIT_PASTE));
    EXPECT_EQ(dlg.editable->text(), QStringLiteral("typed "));
}

TEST_F(DialogFrameTest, LinesUnderTheBandAndEachHeading) {
    const QColor line = QApplication::palette().color(QPalette::Shadow);
    {
        EditDialog plain(false);
        plain.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain));
        const std::vector<int> rows = LineRows(plain.grab().toImage(), line);
        ASSERT_EQ(rows.size(), 1u) << "only the line under the title band";
        EXPECT_EQ(rows[0], plain.Frame().TitleRect().bottom() + 1);
        EXPECT_EQ(plain.Frame().GetBodyRect().top(), rows[0] + 1);
        EXPECT_GE(plain.Body()->y(), rows[0] + 1);
    }
    EditDialog headed(true);
    headed.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&headed));
    EXPECT_EQ(headed.first->font().weight(), QFont::Bold);
    EXPECT_EQ(headed.second->font().weight(), QFont::Bold);
    const std::vector<int> rows = LineRows(headed.grab().toImage(), line);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], headed.first->mapTo(&headed, QPoint(0, headed.first->height())).y());
    EXPECT_EQ(rows[2], headed.second->mapTo(&headed, QPoint(0, headed.second->height())).y());
}

TEST_F(DialogFrameTest, TitleComesFromTheWindowUnlessSet) {
    EditDialog dlg(false);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(dlg.Frame().TitleText(), QStringLiteral("Set Alarm"));
    dlg.Frame().SetTitleText(QStringLiteral("Alarm for Tokyo"));
    EXPECT_EQ(dlg.Frame().TitleText(), QStringLiteral("Alarm for Tokyo"));

    CBaseDialog untitled(157, QStringLiteral("file:Zonaria.htm#set_time"), 0, nullptr);
    untitled.resize(240, 200);
    untitled.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&untitled));
    EXPECT_TRUE(untitled.Frame().TitleText().isEmpty());
    ASSERT_NE(untitled.Frame().HelpButton(), nullptr);
    EXPECT_TRUE(untitled.Frame().HelpButton()->isVisible());
    EXPECT_EQ(untitled.Frame().HelpButton()->geometry().right(), untitled.width() - 1 - 4);
    EXPECT_EQ(untitled.Frame().CommandBar(), nullptr);
}

TEST_F(DialogFrameTest, HelpButtonOpensTheDialogsTopic) {
    CBaseDialog dlg(157, QStringLiteral("file:Zonaria.htm#set_time"), 0, nullptr);
    dlg.setWindowTitle(QStringLiteral("Set Time"));
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QTest::mouseClick(dlg.Frame().HelpButton(), Qt::LeftButton);
    QTest::keyClick(&dlg, Qt::Key_F1);
    const auto help = shell->CallsOf(QStringLiteral("help"));
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].text, QStringLiteral("file:Zonaria.htm#set_time"));
    EXPECT_EQ(help[1].text, QStringLiteral("file:Zonaria.htm#set_time"));
}

TEST_F(DialogFrameTest, OkAndCancelEndTheDialog) {
    CBaseDialog dlg(157, QString(), 0, nullptr);
    QTimer::singleShot(0, &dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    QTimer::singleShot(0, &dlg, [&] { dlg.accept(); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(DialogFrameTest, PageTitleIsTheSheetsThenThePages) {
    QWidget sheet;
    sheet.setWindowTitle(QStringLiteral("Tokyo"));
    auto* page = new CPageBase(165, QStringLiteral("file:Zonaria.htm#city_edit"), IDR_EDIT_BAR,
                               QStringLiteral("Location"), &sheet);
    auto* layout = new QVBoxLayout(&sheet);
    layout->addWidget(page);
    sheet.resize(260, 300);
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    EXPECT_EQ(page->Frame().TitleText(), QStringLiteral("Tokyo - Location"));
    EXPECT_FALSE(page->IsPageModified());
    QSignalSpy modified(page, &CPageBase::pageModified);
    page->SetPageModified();
    EXPECT_TRUE(page->IsPageModified());
    EXPECT_EQ(modified.count(), 1);
    page->OnCommand(ID_HELP);
    EXPECT_EQ(shell->CallsOf(QStringLiteral("help")).at(0).text, QStringLiteral("file:Zonaria.htm#city_edit"));
}
