// What every zonaria-cli command shares: its arguments, its output (text or JSON), the error
// that ends it with exit code 2, and the readers of cities, dates and numbers.
#pragma once

#include "city.h"
#include "geography.h"
#include "wintypes.h"

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

// Opens the device profile (installing a new one); fails with the profile's own reason. A
// profile that cannot be written is opened for reading.
void OpenProfile();
// Why the profile refused the last change, in the user's words: "The profile is read-only",
// "The disk is full", or where it could not be written.
QString RefusedWrite();
// Fails, saying why, when the profile cannot be written: for commands that change settings.
void RequireWritableProfile();
// Fails when a read met a damaged page of the profile during the command: its output would be
// incomplete.
void CheckProfileAfterReading();

// The city of that name (without regard to case; "Name (Country)" entries are accepted too).
// A name that is not there as given is sought without regard to accents ("Sao Paulo" finds
// "São Paulo"); when that matches several cities, it fails listing them. An unknown name
// fails, naming the closest names of the city list.
CCity LoadCity(const QString& name);
// Every entry of the name list, "Name (Country)", in name order.
QStringList CityEntries();
// The indexes of the entries that begin with text, without regard to case and accents, in
// name order.
QList<long> MatchingEntries(const QString& text);
// The same entries themselves, read without the whole list; with positions, their indexes.
QStringList EntriesBeginning(const QString& text, QList<long>* positions);

// The device's current UTC time.
SYSTEMTIME NowUtc();

// "2026-03-08T10:00:00Z"
QString IsoUtc(const SYSTEMTIME& utc);
// "2026-03-08T19:00:00", a local time without zone.
QString IsoLocal(const SYSTEMTIME& local);
// "2026-03-08"
QString IsoDate(const SYSTEMTIME& date);

// Fails, saying that it is outside the supported years, for a year in which the zone
// conversions do not hold (before 1970 or after 2037).
void CheckSupportedYear(const QString& what, const QString& text, int year);

// Readers that fail with a message naming the option and the expected form, or the supported
// years (CheckSupportedYear) for a time outside them.
SYSTEMTIME ParseInstant(const QString& what, const QString& text);     // 2026-03-08T10:00:00Z (seconds optional)
SYSTEMTIME ParseDate(const QString& what, const QString& text);        // 2026-03-08
SYSTEMTIME ParseLocalDateTime(const QString& what, const QString& text);  // 2026-03-08 19:00
double ParseNumber(const QString& what, const QString& text, double min, double max);
int ParseInteger(const QString& what, const QString& text, int min, int max);

// Unit-system names on the command line and in JSON.
QString UnitsName(TUnitSystem units);
TUnitSystem ParseUnits(const QString& text);

}  // namespace cli
