#include "filewatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What the watch reported, in order, once the events that are due have been handled.
struct Reports {
    QStringList paths;
    void Settle(int ms = 300) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QStringList Take(int ms = 300) {
        Settle(ms);
        QStringList taken = paths;
        paths.clear();
        return taken;
    }
};

bool Write(const QString& path, const QByteArray& text) {
    QFile f(path);
    return f.open(QIODevice::Append) && f.write(text) == text.size();
}

// A folder with a file in it, and a watch that reports to reports.
class FileWatchTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Write(file, "a")); }

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("device.db"));
    Reports reports;
    za::FileWatch watch{[this](const QString& path) { reports.paths << path; }};
};

TEST_F(FileWatchTest, ReportsAFilesWritesAndAFoldersEntriesUnderTheirOwnNames) {
    ASSERT_TRUE(watch.Add(dir.path()));
    ASSERT_TRUE(watch.Add(file));
    EXPECT_TRUE(watch.Add(file)) << "a second time is no error";
    EXPECT_TRUE(reports.Take(100).isEmpty());

    // A write is the file's change, once however many events it made; the folder is not told.
    ASSERT_TRUE(Write(file, "bcd"));
    EXPECT_EQ(reports.Take(), QStringList{file});
    // A file made beside it is the folder's.
    ASSERT_TRUE(Write(dir.filePath(QStringLiteral("device.db-wal")), "x"));
    EXPECT_EQ(reports.Take(), QStringList{dir.path()});
}

TEST_F(FileWatchTest, AFileRemovedIsNoLongerWatchedAndTheOneInItsPlaceCanBe) {
    ASSERT_TRUE(watch.Add(file));
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_TRUE(reports.Take().contains(file));
    EXPECT_FALSE(watch.Watches(file));

    // Another file of that name, written: unseen until watched.
    ASSERT_TRUE(Write(file, "new"));
    EXPECT_TRUE(reports.Take().isEmpty());
    ASSERT_TRUE(watch.Add(file));
    ASSERT_TRUE(Write(file, "more"));
    EXPECT_EQ(reports.Take(), QStringList{file});
}

TEST_F(FileWatchTest, NothingMissingIsWatchedAndNothingIsToldAfterClear) {
    EXPECT_FALSE(watch.Add(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(watch.Watches(dir.filePath(QStringLiteral("missing"))));
    ASSERT_TRUE(watch.Add(dir.path()));
    watch.Clear();
    EXPECT_FALSE(watch.Watches(dir.path()));
    ASSERT_TRUE(Write(dir.filePath(QStringLiteral("made")), "x"));
    EXPECT_TRUE(reports.Take().isEmpty());
}

}  // namespace
