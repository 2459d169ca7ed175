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
    static const Entry entry{
        QStringLiteral("zonaria-today"),
        QStringLiteral("zonaria-today"),
        QStringLiteral("Zonaria Today"),
        QStringLiteral("A small panel with the time of your Zonaria cities"),
        {{QStringLiteral("de"), QStringLiteral("Zonaria Heute"),
          QStringLiteral("Ein kleines Fenster mit der Uhrzeit Ihrer Zonaria-Städte")},
         {QStringLiteral("fr"), QStringLiteral("Zonaria Aujourd'hui"),
          QStringLiteral("Un petit panneau avec l'heure de vos villes Zonaria")},
         {QStringLiteral("es"), QStringLiteral("Zonaria Hoy"),
          QStringLiteral("Un pequeño panel con la hora de sus ciudades de Zonaria")},
         {QStringLiteral("ja"), QStringLiteral("Zonaria 今日"),
          QStringLiteral("Zonaria の都市の時刻を表示する小さなパネル")}}};
    return entry;
}

const Entry& AlarmAgent() {
    static const Entry entry{
        QStringLiteral("zonaria-alarmd"),
        QStringLiteral("zonaria-alarmd"),
        QStringLiteral("Zonaria Alarms"),
        QStringLiteral("Rings Zonaria's alarms on time, also when Zonaria is closed"),
        {{QStringLiteral("de"), QStringLiteral("Zonaria-Wecker"),
          QStringLiteral("Lässt die Wecker von Zonaria pünktlich klingeln, auch wenn Zonaria geschlossen ist")},
         {QStringLiteral("fr"), QStringLiteral("Alarmes de Zonaria"),
          QStringLiteral("Fait sonner les alarmes de Zonaria à l'heure, même quand Zonaria est fermé")},
         {QStringLiteral("es"), QStringLiteral("Alarmas de Zonaria"),
          QStringLiteral("Hace sonar las alarmas de Zonaria a su hora, también con Zonaria cerrado")},
         {QStringLiteral("ja"), QStringLiteral("Zonaria アラーム"),
          QStringLiteral("Zonaria が閉じていても、Zonaria のアラームを時間どおりに鳴らします")}}};
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
    // Every language in the file, not only the user's: the session shows the one it runs in.
    QString names = QStringLiteral("Name=") + entry.name + QLatin1Char('\n');
    QString comments = QStringLiteral("Comment=") + entry.comment + QLatin1Char('\n');
    for (const Entry::Localized& l : entry.translations) {
        names += QStringLiteral("Name[%1]=").arg(l.language) + l.name + QLatin1Char('\n');
        comments += QStringLiteral("Comment[%1]=").arg(l.language) + l.comment + QLatin1Char('\n');
    }
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n") +
           names + comments +
           QStringLiteral("Exec=%1\n"
                          "Icon=zonaria\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
               .arg(exec);
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
