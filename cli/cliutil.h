// What every zonaria-cli command shares: its arguments, its output (text or JSON) and the error
// that ends it with exit code 2. The profile is in cliprofile.h, the look-up of cities in
// clicities.h, the readers and writers of dates, numbers and units in cliparse.h.
#pragma once

#include "city.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>

namespace cli {

// The messages and labels in the user's language (Text::tr, context "Cli"); --json keeps its
// field names and values.
class Text {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};


// A problem the user can fix: one line on stderr, exit code 2, nothing written. Control
// characters in the message are shown as escapes, so it stays one line.
struct UsageError {
    QString message;
};
[[noreturn]] void Fail(const QString& message);

// User text as a message shows it: control and format characters escaped (a newline as \n, an
// escape sequence as \x1b), and cut to 80 characters with "…". Messages put it in with one
// QString::arg call (or +), never into a text that is formatted again, so that a "%1" typed
// by the user stays as typed. kWhole escapes without cutting.
constexpr qsizetype kWhole = std::numeric_limits<qsizetype>::max();
QString Shown(const QString& text, qsizetype limit = 80);

// The longest text that can name a city: a name, or 124 characters for a "Name (Country)" entry.
// Longer names and prefixes are refused at once instead of being looked up.
constexpr int kMaxCityText = 4 * za::kMaxCityName;
void CheckCityText(const QString& what, const QString& text);

// The command line after the command name: positional words and --options. Options listed in
// valueOptions take the next word (or --name=value); the others are flags.
class Args {
public:
    Args(const QStringList& words, const QStringList& valueOptions, const QStringList& flags);

    const QStringList& Positional() const { return m_positional; }
    bool Has(const QString& option) const { return m_values.contains(option) || m_flags.contains(option); }
    QString Value(const QString& option) const { return m_values.value(option); }

private:
    QStringList m_positional;
    QMap<QString, QString> m_values;
    QStringList m_flags;
};

// What a command produces. Text and JSON are gathered and written only when the command ends
// without an error.
struct Output {
    bool json = false;
    QString text;
    QJsonObject object;
    int exitCode = 0;  // a command that reports a problem with its output sets 2

    void Line(const QString& line) { text += line + QLatin1Char('\n'); }
};

// A command: the words after its name; fills out or throws UsageError.
using Command = void (*)(const QStringList& words, Output& out);

}  // namespace cli
