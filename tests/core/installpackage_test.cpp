// What a new profile holds: the installation package's result, table by table, pinned to a
// fixed host clock and host zone. Each table's rows are hashed (sorted, so only their content
// counts). The package made the same profile before its steps were gathered into one function
// (compared table by table); a change of what a new profile holds shows here. Rows: count, then
// the hash; print the current values with ZONARIA_PRINT_FINGERPRINT=1. The zone records come
// from the system's tz database, so a tzdata release that changes a 2026 rule changes the
// zones' hashes too.
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
        QByteArray sql = "SELECT * FROM \"" + table.toUtf8() + "\"";
        // What the zones' display names were derived from names this machine's tz database.
        if (table == QLatin1String("reg_values")) sql += " WHERE name <> 'NamesStamp'";
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
        // The device the profile uses (here, with no time service, the private one), its zone
        // and the tz zone the zone follows.
        {"device_clock", "3:f0c887dc1878f9f9812a9e08a1ce82000931ae81"},
        {"notification_claims", "0:da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {"odb_1", "3028:5575f819ae2fd233e7ef283613951ed940e6d721"},
        {"odb_catalog", "1:c36cf58d14fa2f4457ce33d59defc1044d5945eb"},
        // The home city: the host zone's own, Berlin (in the first city too, "City0").
        {"outlook_cities", "1:67148d240a40b431cc39f8dcc62449dc17271d07"},
        {"outlook_state", "2:2ca5411cabd6479e7810375eb9a481a3899e5e7f"},
        {"profile", "1:28d0950cb637d9efa03f997295a60cd2a81317ff"},
        {"reg_keys", "103:b825c94a49fe82067fa6861f74ddb6ed5a1b1826"},
        // The Today item's "Enabled" is 0: the panel shows only for a user who turns it on.
        {"reg_values", "103:65fe4f6a1560e09e99983ee943637c8c6757c729"},
        {"registered_messages", "0:da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {"user_notifications", "0:da39a3ee5e6b4b0d3255bfef95601890afd80709"},
    };
    EXPECT_EQ(got.keys(), expected.keys());
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        EXPECT_EQ(got.value(it.key()).toStdString(), it.value().toStdString()) << qPrintable(it.key());
    }
}
