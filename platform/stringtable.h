// String tables looked up by number, one per module, and printf-style formatting of UTF-16
// texts: %s (a text), %d %i %u %ld %lu (integers), %x %lx %X (hexadecimal), %f %.Nf (fixed),
// %c, %% with optional flags (-, 0, +, blank), width and precision. A conversion may name its
// argument by position (%2$s, POSIX's form), so that a translation can reorder the arguments.
#pragma once

#include "wintypes.h"

#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

namespace za {

struct StringEntry {
    UINT id;
    const char16_t* text;
};

// Adds a module's table; registering an id again replaces its text.
void RegisterStringTable(const char* module, std::initializer_list<StringEntry> entries);
// The text of id in module's table, in the user's language where a translation has it (the
// module is the translation's context, the id its disambiguation); *found (when given) tells a
// missing id from an empty text.
QString LoadModuleString(const char* module, UINT id, bool* found = nullptr);
// The same for a text that shows the count n, in the plural form n asks for.
QString LoadModuleString(const char* module, UINT id, int n);
// Every registered entry in English, by module and then id: what the translations start from.
struct RegisteredString {
    QString module;
    UINT id;
    QString text;
};
std::vector<RegisteredString> RegisteredStrings();

// The running program's module: resource lookups look in its table first and then in the core
// library's ("zalib"); its caption titles message boxes. Defaults to "zalib" and "Zonaria".
void SetResourceModule(const char* module, const QString& caption);
QString LoadResourceString(UINT id);
QString ResourceCaption();

struct StringTableRegistrar {
    StringTableRegistrar(const char* module, std::initializer_list<StringEntry> entries) {
        RegisterStringTable(module, entries);
    }
};

class FormatArg {
public:
    FormatArg(int v) : m_kind(Kind::Int), m_int(v) {}
    FormatArg(long v) : m_kind(Kind::Int), m_int(v) {}
    FormatArg(long long v) : m_kind(Kind::Int), m_int(v) {}
    FormatArg(unsigned v) : m_kind(Kind::Int), m_int(v) {}
    FormatArg(unsigned long v) : m_kind(Kind::Int), m_int(static_cast<long long>(v)) {}
    FormatArg(double v) : m_kind(Kind::Double), m_double(v) {}
    FormatArg(const QString& v) : m_kind(Kind::Text), m_text(v) {}
    FormatArg(const char16_t* v) : m_kind(Kind::Text), m_text(QString::fromUtf16(v)) {}
    FormatArg(const char* v) : m_kind(Kind::Text), m_text(QString::fromUtf8(v)) {}

    enum class Kind { Int, Double, Text };
    Kind kind() const { return m_kind; }
    long long toInt() const { return m_kind == Kind::Double ? static_cast<long long>(m_double) : m_int; }
    double toDouble() const { return m_kind == Kind::Double ? m_double : static_cast<double>(m_int); }
    QString text() const { return m_text; }

private:
    Kind m_kind;
    long long m_int = 0;
    double m_double = 0;
    QString m_text;
};

// Formats pattern with args. A conversion without an argument, or of the wrong kind, takes a
// neutral value (empty text, 0) rather than reading past the list.
QString FormatString(const QString& pattern, std::initializer_list<FormatArg> args);

}  // namespace za
