#include "profile.h"

#include "clock.h"
#include "device.h"
#include "localetext.h"
#include "oledate.h"
#include "sqlite.h"
#include "tzderive.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QTimeZone>

#include <cstdio>
#include <grp.h>
#include <unistd.h>

namespace za::test {

TempProfile::TempProfile() : m_previous(qgetenv("ZONARIA_DEVICE")), m_previousConfig(qgetenv("XDG_CONFIG_HOME")) {
    // The profile folder itself must not exist yet or be empty: a new profile.
    qputenv("ZONARIA_DEVICE", (m_dir.path() + QStringLiteral("/device")).toUtf8());
    // The user's own settings outside the profile (autostart entries) are the test's too.
    qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/config")).toUtf8());
    za::device::Reset();
    za::locale::SetUserLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

TempProfile::~TempProfile() {
    za::device::Reset();
    qputenv("ZONARIA_DEVICE", m_previous);
    qputenv("XDG_CONFIG_HOME", m_previousConfig);
}

FixedHostClock::FixedHostClock(std::int64_t utcMs) : m_now(std::make_shared<std::int64_t>(utcMs)) {
    auto now = m_now;
    za::device::SetHostClock([now] { return *now; });
}

FixedHostClock::~FixedHostClock() { za::device::SetHostClock({}); }

std::int64_t UtcMs(int year, int month, int day, int hour, int minute, int second) {
    return (za::DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second) * 1000;
}

TIME_ZONE_INFORMATION ZoneOfYear(const char* tzId, int year) {
    TIME_ZONE_INFORMATION tzi{};
    EXPECT_TRUE(za::tz::DeriveFromZone(QTimeZone(tzId), year, &tzi)) << tzId;
    za::tz::SetNames(&tzi, QStringLiteral("Std"), QStringLiteral("Dst"));
    return tzi;
}

SYSTEMTIME MakeTime(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME st{};
    za::SecondsToSystemTime(UtcMs(year, month, day, hour, minute, second) / 1000, &st);
    return st;
}

void OverwritePages(const QString& file, const QList<int>& pages) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QByteArray header = f.read(18);
    ASSERT_EQ(18, header.size());
    // The page size is stored big-endian at offset 16; 1 stands for 65536.
    const int stored = (static_cast<unsigned char>(header[16]) << 8) | static_cast<unsigned char>(header[17]);
    const int pageSize = stored == 1 ? 65536 : stored;
    for (int page : pages) {
        ASSERT_GE(f.size(), qint64(page) * pageSize);
        QByteArray noise(pageSize, '\0');
        for (int i = 0; i < pageSize; ++i) noise[i] = static_cast<char>((page * 7919 + i * 104729) >> 3);
        ASSERT_TRUE(f.seek(qint64(page - 1) * pageSize));
        ASSERT_EQ(pageSize, f.write(noise));
    }
}

void ReplaceWithDamagedCopy(const QString& file, const QList<int>& pages) {
    const QString copy = file + QStringLiteral(".copy");
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(file, copy));
    OverwritePages(copy, pages);
    ASSERT_EQ(0, std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(file).constData()));
}

QList<int> LeafPages(const QString& file, const QString& name) {
    za::sql::Database db;
    QList<int> pages;
    if (!db.open(file, false)) return pages;
    za::sql::Statement q = db.prepare("SELECT pageno FROM dbstat WHERE name = ?1 AND pagetype = 'leaf' ORDER BY path");
    q.bind(1, name);
    while (q.step()) pages << static_cast<int>(q.columnInt(0));
    return pages;
}

namespace {
constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;
}  // namespace

void HandOver(const QString& folder) {
    if (::geteuid() != 0) return;
    const QString parent = QFileInfo(folder).absolutePath();
    QFile::setPermissions(parent, QFile::permissions(parent) | QFile::ExeOther | QFile::ReadOther);
    auto give = [](const QString& path) {
        if (::chown(QFile::encodeName(path).constData(), kNobody, kNoGroup) != 0) {
            ADD_FAILURE() << "cannot give " << path.toStdString() << " to nobody";
        }
    };
    give(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) give(it.next());
}

void RunUnprivileged(QProcess& process) {
    if (::geteuid() != 0) return;
    process.setChildProcessModifier([] {
        // Between fork and exec: only plain system calls; a failure ends the child at once.
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0) ::_exit(127);
    });
}

bool CanRunUnprivileged(const QString& program) {
    if (::geteuid() != 0) return true;
    QProcess probe;
    RunUnprivileged(probe);
    probe.start(program, {QStringLiteral("--help")});  // does nothing but start and answer
    // 127: the change of user failed before the program started.
    return probe.waitForFinished(60000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() != 127;
}

WriteProtect::WriteProtect(const QString& path) : m_path(path), m_permissions(QFile::permissions(path)) {
    const QFile::Permissions write = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther | QFile::WriteUser;
    EXPECT_TRUE(QFile::setPermissions(path, m_permissions & ~write)) << path.toStdString();
}

WriteProtect::~WriteProtect() { QFile::setPermissions(m_path, m_permissions); }

}  // namespace za::test
