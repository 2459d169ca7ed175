#include "autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace za::autostart {
namespace {

QString ProgramDir() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

// A desktop entry's Exec argument: quoted, with the characters the Desktop Entry format reserves
// inside quotes escaped (and the backslash of each escape escaped again for the string value).
QString QuoteExecArgument(const QString& arg) {
    QString quoted;
    for (const QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\')) {
            quoted += QStringLiteral("\\\\");
        }
        if (c == QLatin1Char('%')) quoted += QLatin1Char('%');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

const Entry& TodayPanel() {
    static const Entry entry{QStringLiteral("zonaria-today"), QStringLiteral("zonaria-today"),
                             QStringLiteral("Zonaria Today"),
                             QStringLiteral("A small panel with the time of your Zonaria cities")};
    return entry;
}

const Entry& AlarmAgent() {
    static const Entry entry{QStringLiteral("zonaria-alarmd"), QStringLiteral("zonaria-alarmd"),
                             QStringLiteral("Zonaria Alarms"),
                             QStringLiteral("Rings Zonaria's alarms on time, also when Zonaria is closed")};
    return entry;
}

QString EntryPath(const Entry& entry) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("autostart/") + entry.file + QStringLiteral(".desktop"));
}

QString EntryText(const Entry& entry) {
    const QString program = QDir::cleanPath(QDir(ProgramDir()).filePath(entry.program));
    QString exec = QuoteExecArgument(program);
    const QString profile = qEnvironmentVariable("ZONARIA_DEVICE");
    if (!profile.isEmpty()) {
        exec = QStringLiteral("env ") + QuoteExecArgument(QStringLiteral("ZONARIA_DEVICE=") + QDir(profile).absolutePath()) +
               QLatin1Char(' ') + exec;
    }
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=%2\n"
                          "Exec=%3\n"
                          "Icon=zonaria\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(entry.name, entry.comment, exec);
}

bool IsEnabled(const Entry& entry) { return QFile::exists(EntryPath(entry)); }

bool Enable(const Entry& entry) {
    const QString path = EntryPath(entry);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    file.write(EntryText(entry).toUtf8());
    return file.commit();
}

bool Disable(const Entry& entry) {
    const QString path = EntryPath(entry);
    return !QFile::exists(path) || QFile::remove(path);
}

}  // namespace za::autostart
