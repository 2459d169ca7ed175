// zonaria-cli: the world clock and its calculators from a terminal, over the core library and
// the same device profile as the application.
#include "commands.h"
#include "translation.h"
#include "cliprofile.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>

#include <cstdio>

namespace {

struct Entry {
    const char* name;
    cli::Command run;
};

const Entry kCommands[] = {
    {"clock", cli::ClockCommand},       {"city", cli::CityCommand},
    {"find", cli::FindCommand},         {"codes", cli::CodesCommand},
    {"time", cli::TimeCommand},         {"convert", cli::ConvertCommand},
    {"distance", cli::DistanceCommand}, {"sun", cli::SunCommand},
    {"moon", cli::MoonCommand},         {"set-city", cli::SetCityCommand},
    {"select", cli::SelectCommand},     {"check", cli::CheckCommand},
    {"sync", cli::SyncCommand},         {"alarm", cli::AlarmCommand},
    {"device", cli::DeviceCommand},
    {"meet", cli::MeetCommand},
};

// Qt 6.4 warns from its D-Bus thread, now and then, when a call to the time service is refused:
// its own queued signal of the failure, which nothing here listens to, meets the reply's types
// half made ("Trying to construct an instance of an invalid type"). The warning means nothing
// to the user and broke the promise of one line on stderr per error; every other message
// passes.
QtMessageHandler g_qtHandler = nullptr;
void DropQtDBusRaceWarning(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("Trying to construct an instance of an invalid type"))) return;
    if (g_qtHandler) g_qtHandler(type, context, text);
}

}  // namespace

int main(int argc, char* argv[]) {
    g_qtHandler = qInstallMessageHandler(DropQtDBusRaceWarning);
    QCoreApplication app(argc, argv);
    za::i18n::InstallTranslations();
    QStringList words = app.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    // --json and --help may stand anywhere on the line.
    const bool json = words.removeAll(QStringLiteral("--json")) > 0;
    const bool help = words.removeAll(QStringLiteral("--help")) > 0 || words.removeAll(QStringLiteral("-h")) > 0;

    if (words.value(0) == QLatin1String("--version")) {
        out << "zonaria-cli " << ZONARIA_VERSION << "\n";
        return 0;
    }

    QString name = QStringLiteral("clock");
    const bool named = !words.isEmpty() && !words.first().startsWith(QLatin1String("--"));
    if (named) name = words.takeFirst();
    if (help && !named) {
        out << cli::Usage(QString());
        return 0;
    }
    if (name == QLatin1String("help")) {
        out << cli::Usage(words.value(0));
        return 0;
    }
    const Entry* entry = nullptr;
    for (const Entry& e : kCommands) {
        if (name == QLatin1String(e.name)) entry = &e;
    }
    if (!entry) {
        err << "zonaria-cli: " << cli::Text::tr("unknown command \"%1\"; run zonaria-cli --help for the list").arg(cli::Shown(name))
            << "\n";
        return 2;
    }
    if (help) {
        out << cli::Usage(name);
        return 0;
    }

    cli::Output result;
    result.json = json;
    try {
        try {
            entry->run(words, result);
        } catch (const cli::UsageError&) {
            // A read that met a damaged page may be what made the command fail.
            cli::CheckProfileAfterReading();
            throw;
        }
        cli::CheckProfileAfterReading();
    } catch (const cli::UsageError& e) {
        err << "zonaria-cli " << name << ": " << e.message << "\n";
        return 2;
    }
    if (json) {
        out << QString::fromUtf8(QJsonDocument(result.object).toJson(QJsonDocument::Indented));
    } else {
        out << result.text;
    }
    return result.exitCode;
}
