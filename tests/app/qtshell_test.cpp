// The window program's shell: message boxes with the asked-for buttons, default and escape,
// help failures told once, and the help file with a page for every topic.
#include "profile.h"
#include "qtshell.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace za::app;

using za::app::QtShell;

namespace {

// Presses key in the next message box that opens; records its buttons.
void AnswerNextBox(int key, QStringList* buttons = nullptr) {
    QTimer::singleShot(0, [key, buttons] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (buttons) {
            for (QAbstractButton* b : box->buttons()) *buttons << b->text().remove(QLatin1Char('&'));
        }
        QTest::keyClick(box, static_cast<Qt::Key>(key));
    });
}

}  // namespace

TEST(QtShell, MessageBoxesOfferTheButtonsAndDefaultsAsked) {
    QtShell shell;
    struct Row {
        const char* name;
        UINT type;
        int key;
        int answer;
    } rows[] = {
        {"OK, Enter", MB_OK, Qt::Key_Return, IDOK},
        {"Yes/No, Enter takes Yes", MB_YESNO | MB_ICONQUESTION, Qt::Key_Return, IDYES},
        {"Yes/No second default, Enter takes No", MB_YESNO | MB_DEFBUTTON2, Qt::Key_Return, IDNO},
        {"Yes/No, Esc is No", MB_YESNO, Qt::Key_Escape, IDNO},
        {"Yes/No/Cancel, Esc is Cancel", MB_YESNOCANCEL, Qt::Key_Escape, IDCANCEL},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QStringList buttons;
        AnswerNextBox(row.key, &buttons);
        EXPECT_EQ(shell.MessageBox(QStringLiteral("Text"), QStringLiteral("Zonaria"), row.type), row.answer);
        EXPECT_EQ(static_cast<size_t>(buttons.size()), za::shell::Buttons(row.type).size());
    }
}

// A city named "<h1>Paris</h1><font color=red>!" showed as a heading in red in the
// confirmation box.
TEST(QtShell, AMessageBoxShowsItsTextAsPlainText) {
    QtShell shell;
    const QString text = QStringLiteral("Make <h1>Paris</h1><font color=red>!</font> the current city?");
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text() == text && label->textFormat() == Qt::PlainText) shown = label->text();
        }
        box->accept();
    });
    shell.MessageBox(text, QStringLiteral("Zonaria"), MB_OK);
    EXPECT_EQ(text, shown) << "not shown as plain text";
}

TEST(QtShell, HelpThatCannotBeShownIsToldOnce) {
    QtShell shell;
    int boxes = 0;
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++boxes;
                box->accept();
            }
        });
        // Not a page of the help file: nothing can be shown.
        EXPECT_FALSE(shell.ShowHelp(QStringLiteral("file:Elsewhere.htm#x")));
        QApplication::processEvents();
    }
    EXPECT_EQ(boxes, 1);
}

// The wait cursor shows over the program's windows; with none on screen (the start) it is not
// set, and taking such a one away leaves a wait cursor set around it in place.
TEST(QtShell, TheWaitCursorIsSetOnlyOverAWindowOnScreen) {
    QtShell shell;
    ASSERT_EQ(nullptr, QApplication::overrideCursor());
    shell.SetWaitCursor(true);
    EXPECT_EQ(nullptr, QApplication::overrideCursor());
    QWidget window;
    window.show();
    shell.SetWaitCursor(true);
    ASSERT_NE(nullptr, QApplication::overrideCursor());
    EXPECT_EQ(Qt::WaitCursor, QApplication::overrideCursor()->shape());
    shell.SetWaitCursor(true);
    shell.SetWaitCursor(false);
    EXPECT_NE(nullptr, QApplication::overrideCursor());
    shell.SetWaitCursor(false);
    EXPECT_EQ(nullptr, QApplication::overrideCursor());
    shell.SetWaitCursor(false);  // the one asked for before the window showed: nothing to take away
    EXPECT_EQ(nullptr, QApplication::overrideCursor());
    QApplication::setOverrideCursor(Qt::CrossCursor);  // another's, kept by an unpaired removal
    shell.SetWaitCursor(false);
    EXPECT_NE(nullptr, QApplication::overrideCursor());
    QApplication::restoreOverrideCursor();
}

TEST(HelpFile, HasAPageForEveryTopic) {
    QFile file(QStringLiteral(ZONARIA_HELP_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (const char* topic : {"welcome", "Main_Contents", "alarms", "set_time", "citylist_edit", "city_edit",
                              "airport_codes", "phone_codes", "preferences", "distance_calc", "time_calc",
                              "sunrise", "moonrise"}) {
        EXPECT_EQ(html.count(QStringLiteral("id=\"%1\"").arg(QLatin1String(topic))), 1) << topic;
    }
    EXPECT_FALSE(html.contains(QStringLiteral("<script")));
}
