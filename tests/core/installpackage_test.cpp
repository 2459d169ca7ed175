// What a new profile holds: the installation package's result, table by table, pinned to a
// fixed host clock and host zone. Each table's rows are hashed (sorted, so only their content
// counts); the expected hashes were taken from the profile the package made before its steps
// were gathered into one function, so a change of what a new profile holds shows here.
#include "device.h"
#include "poutlook.h"
#include "profile.h"

#include <QCryptographicHash>
#include <QMap>

#include <sqlite3.h>

using za::test::FixedHostClock;
using za::test::ProfileTest;
using za::test::UtcMs;

namespace {

// table -> "rows:sha1 of the sorted rows"
QMap<QString, QString> Fingerprint(const QString& file) {
    QMap<QString, QString> out;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) return out;
    QStringList tables;
    sqlite3_stmt* q = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'", -1, &q,
                       nullptr);
    while (sqlite3_step(q) == SQLITE_ROW) tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 0)));
    sqlite3_finalize(q);
    for (const QString& table : tables) {
        // The windows of this test's process are not the package's.
        if (table == QLatin1String("windows")) continue;
        QList<QByteArray> rows;
        const QByteArray sql = "SELECT * FROM \"" + table.toUtf8() + "\"";
        sqlite3_prepare_v2(db, sql.constData(), -1, &q, nullptr);
        while (sqlite3_step(q) == SQLITE_ROW) {
            QByteArray row;
            for (int c = 0; c < sqlite3_column_count(q); ++c) {
                const int type = sqlite3_column_type(q, c);
                const auto* data = static_cast<const char*>(sqlite3_column_blob(q, c));
                row += QByteArray::number(type) + ':' + QByteArray(data, sqlite3_column_bytes(q, c)).toHex() + '|';
            }
            rows << row;
        }
        sqlite3_finalize(q);
        std::sort(rows.begin(), rows.end());
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (const QByteArray& row : rows) hash.addData(row + '\n');
        out[table] = QStringLiteral("%1:%2").arg(rows.size()).arg(QString::fromLatin1(hash.result().toHex()));
    }
    sqlite3_close(db);
    return out;
}

}  // namespace

using InstallationPackage = ProfileTest;

TEST_F(InstallationPackage, ANewProfileHoldsWhatThePackageAlwaysMade) {
    const FixedHostClock host(UtcMs(2026, 3, 8, 12, 0, 0));
    za::outlook::SetHostZoneId("Europe/Berlin");
    ASSERT_EQ(za::device::Status().state, za::device::ProfileState::Ready);
    za::outlook::SetHostZoneId(QByteArray());
    za::device::Reset();
    const QMap<QString, QString> got = Fingerprint(profile.dbPath());
    if (qEnvironmentVariableIsSet("ZONARIA_PRINT_FINGERPRINT")) {
        for (auto it = got.begin(); it != got.end(); ++it) {
            std::printf("        {\"%s\", \"%s\"},\n", qPrintable(it.key()), qPrintable(it.value()));
        }
    }
    const QMap<QString, QString> expected{
    };
    EXPECT_EQ(got, expected);
}
