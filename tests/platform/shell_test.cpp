#include "shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace za::shell;

TEST(ShellRecorder, AnswersScriptedButtonsThenDefaults) {
    ScopedRecorder rec;
    rec->ScriptAnswers({IDNO});
    EXPECT_EQ(IDNO, Current().MessageBox(QStringLiteral("Change?"), QStringLiteral("Zonaria"), MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(IDYES, Current().MessageBox(QStringLiteral("Again?"), QString(), MB_YESNO));
    EXPECT_EQ(IDNO, Current().MessageBox(QStringLiteral("Default no"), QString(), MB_YESNOCANCEL | MB_DEFBUTTON2));
    EXPECT_EQ(IDOK, Current().MessageBox(QStringLiteral("Fine"), QString(), MB_OK | MB_ICONEXCLAMATION));
    ASSERT_EQ(4u, rec->Calls().size());
    EXPECT_EQ(QStringLiteral("Change?"), rec->Calls()[0].text);
    EXPECT_EQ(MB_YESNO | MB_ICONQUESTION, rec->Calls()[0].type);
    EXPECT_TRUE(Current().StartProgram(QStringLiteral("zonaria"), {QStringLiteral("a b"), QStringLiteral(";rm")}));
    const auto starts = rec->CallsOf(QStringLiteral("start"));
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ((QStringList{QStringLiteral("a b"), QStringLiteral(";rm")}), starts[0].arguments);
}

TEST(ShellRecorder, InputPanelReadsAsHiddenOverTheDesktop) {
    ScopedRecorder rec;
    SIPINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(Current().GetSipInfo(&info));
    EXPECT_EQ(0u, info.fdwFlags & SIPF_ON);
    SIPINFO wrongSize{};
    EXPECT_FALSE(Current().GetSipInfo(&wrongSize));
    rec->SetSipResult(false);
    EXPECT_FALSE(Current().GetSipInfo(&info));
}

TEST(ShellServices, WithoutAScreenTheDesktopIsTheHandheldsArea) {
    SetDesktopAreaProvider({});
    RECT r = VisibleDesktop();
    EXPECT_EQ(240, r.right - r.left);
    EXPECT_EQ(294, r.bottom - r.top);
    SetDesktopAreaProvider([](RECT* out) {
        *out = RECT{0, 0, 1920, 1040};
        return true;
    });
    EXPECT_EQ(1040, VisibleDesktop().bottom);
    SetDesktopAreaProvider({});
}

TEST(ShellServices, HelpRequestsNameAPageOfTheHelpFile) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Zonaria.htm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
    file.close();
    qputenv("ZONARIA_HELP_DIR", dir.path().toUtf8());
    const QString url = HelpUrl(QStringLiteral("file:Zonaria.htm#main_contents"));
    EXPECT_TRUE(url.startsWith(QStringLiteral("file:///"))) << url.toStdString();
    EXPECT_TRUE(url.endsWith(QStringLiteral("Zonaria.htm#main_contents"))) << url.toStdString();
    EXPECT_TRUE(HelpUrl(QStringLiteral("file:Other.htm#x")).isEmpty());
    EXPECT_TRUE(HelpUrl(QStringLiteral("http://example.invalid/")).isEmpty());
    qunsetenv("ZONARIA_HELP_DIR");
}

TEST(ShellServices, DefaultButtons) {
    EXPECT_EQ(IDOK, DefaultButton(MB_OK));
    EXPECT_EQ(IDCANCEL, DefaultButton(MB_OKCANCEL | MB_DEFBUTTON2));
    EXPECT_EQ(IDCANCEL, DefaultButton(MB_YESNOCANCEL | MB_DEFBUTTON3));
    EXPECT_EQ(IDYES, DefaultButton(MB_YESNO | MB_DEFBUTTON3));  // no third button: the first
}
