// The user's own autostart entries: written and removed in $XDG_CONFIG_HOME/autostart, naming
// the program beside the running one and the profile it runs on.
#include "autostart.h"
#include "profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AutostartTest : public za::test::ProfileTest {
protected:
    AutostartTest() : previous(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    ~AutostartTest() override { qputenv("XDG_CONFIG_HOME", previous); }

    QTemporaryDir config;
    QByteArray previous;
};

TEST_F(AutostartTest, EntriesAreWrittenAndRemovedInTheUsersOwnFolder) {
    for (const za::autostart::Entry* entry : {&za::autostart::TodayPanel(), &za::autostart::AlarmAgent()}) {
        SCOPED_TRACE(entry->file.toStdString());
        const QString path = za::autostart::EntryPath(*entry);
        EXPECT_EQ(path, config.path() + QStringLiteral("/autostart/") + entry->file + QStringLiteral(".desktop"));
        EXPECT_FALSE(za::autostart::IsEnabled(*entry));
        ASSERT_TRUE(za::autostart::Enable(*entry));
        EXPECT_TRUE(za::autostart::IsEnabled(*entry));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\nType=Application\n")));
        // The program beside this one, by its full path, on this test's profile.
        const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(entry->program);
        EXPECT_TRUE(text.contains(QStringLiteral("Exec=env \"ZONARIA_DEVICE=") + profile.path() + QStringLiteral("\" \"") +
                                  program + QStringLiteral("\"\n")))
            << text.toStdString();
        ASSERT_TRUE(za::autostart::Disable(*entry));
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(za::autostart::Disable(*entry)) << "nothing left to remove is no failure";
    }
}

TEST_F(AutostartTest, EntriesNameThemselvesInEveryLanguageZonariaSpeaks) {
    const za::autostart::Entry& today = za::autostart::TodayPanel();
    const za::autostart::Entry& alarms = za::autostart::AlarmAgent();
    for (const za::autostart::Entry* entry : {&today, &alarms}) {
        SCOPED_TRACE(entry->file.toStdString());
        const QString text = za::autostart::EntryText(*entry);
        for (const char* language : {"de", "fr", "es", "ja"}) {
            const QString name = QStringLiteral("\nName[%1]=").arg(QLatin1String(language));
            const QString comment = QStringLiteral("\nComment[%1]=").arg(QLatin1String(language));
            ASSERT_TRUE(text.contains(name)) << language << "\n" << text.toStdString();
            ASSERT_TRUE(text.contains(comment)) << language << "\n" << text.toStdString();
            // A translation, not the English text again.
            const qsizetype at = text.indexOf(comment) + comment.size();
            EXPECT_NE(entry->comment, text.mid(at, text.indexOf(QLatin1Char('\n'), at) - at)) << language;
        }
    }
    EXPECT_TRUE(za::autostart::EntryText(today).contains(QStringLiteral("\nName[de]=Zonaria Heute\n")));
    EXPECT_TRUE(za::autostart::EntryText(alarms).contains(QStringLiteral("\nName[ja]=Zonaria アラーム\n")));

    // And the desktop's own check accepts the written entries.
    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validate.isEmpty()) return;
    for (const za::autostart::Entry* entry : {&today, &alarms}) {
        ASSERT_TRUE(za::autostart::Enable(*entry));
        QProcess check;
        check.start(validate, {za::autostart::EntryPath(*entry)});
        ASSERT_TRUE(check.waitForFinished());
        EXPECT_EQ(0, check.exitCode()) << check.readAllStandardOutput().toStdString();
    }
}

TEST_F(AutostartTest, ExecQuotesWhatTheDesktopWouldReadAsSpecial) {
    qputenv("ZONARIA_DEVICE", QByteArray("/tmp/a \"b\" $c 100%/device"));
    const QString text = za::autostart::EntryText(za::autostart::TodayPanel());
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=env \"ZONARIA_DEVICE=/tmp/a \\\\\"b\\\\\" \\\\$c 100%%/device\" ")))
        << text.toStdString();
}

}  // namespace
