#include "stringtable.h"

#include "translation.h"

#include <QHash>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace za {
namespace {

std::map<std::string, QHash<UINT, QString>>& Tables() {
    static std::map<std::string, QHash<UINT, QString>> tables;
    return tables;
}

struct ResourceModule {
    std::string module = "zalib";
    QString caption = QStringLiteral("Zonaria");
};

ResourceModule& Resources() {
    static ResourceModule resources;
    return resources;
}

}  // namespace

void SetResourceModule(const char* module, const QString& caption) {
    Resources().module = module ? module : "zalib";
    Resources().caption = caption;
}

QString LoadResourceString(UINT id) {
    bool found = false;
    QString text = LoadModuleString(Resources().module.c_str(), id, &found);
    return found ? text : LoadModuleString("zalib", id);
}

QString ResourceCaption() { return Resources().caption; }

void RegisterStringTable(const char* module, std::initializer_list<StringEntry> entries) {
    auto& table = Tables()[module];
    for (const StringEntry& e : entries) table.insert(e.id, QString::fromUtf16(e.text));
}

namespace {
QString Lookup(const char* module, UINT id, bool* found, int n) {
    auto it = Tables().find(module);
    bool ok = it != Tables().end() && it->second.contains(id);
    if (found) *found = ok;
    if (!ok) return QString();
    return i18n::Translate(module, it->second.value(id), QByteArray::number(id).constData(), n);
}
}  // namespace

std::vector<RegisteredString> RegisteredStrings() {
    std::vector<RegisteredString> all;
    for (const auto& [module, table] : Tables()) {
        QList<UINT> ids = table.keys();
        std::sort(ids.begin(), ids.end());
        for (UINT id : ids) all.push_back({QString::fromStdString(module), id, table.value(id)});
    }
    return all;
}

QString LoadModuleString(const char* module, UINT id, bool* found) { return Lookup(module, id, found, -1); }

QString LoadModuleString(const char* module, UINT id, int n) { return Lookup(module, id, nullptr, n); }

QString FormatString(const QString& pattern, std::initializer_list<FormatArg> args) {
    std::vector<const FormatArg*> list;
    for (const FormatArg& a : args) list.push_back(&a);
    size_t next = 0;
    QString out;
    out.reserve(pattern.size() + 16);
    const int n = pattern.size();
    for (int i = 0; i < n; ++i) {
        QChar c = pattern.at(i);
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (i + 1 < n && pattern.at(i + 1) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        // %[position$][flags][width][.precision][length]conversion
        int j = i + 1;
        std::string conversion = "%";
        int k = j;
        while (k < n && pattern.at(k).isDigit()) ++k;
        if (k > j && k < n && pattern.at(k) == QLatin1Char('$')) {
            next = static_cast<size_t>(pattern.mid(j, k - j).toInt()) - 1;
            j = k + 1;
        }
        while (j < n && QStringLiteral("-+ 0#").contains(pattern.at(j))) conversion += char(pattern.at(j++).unicode());
        while (j < n && pattern.at(j).isDigit()) conversion += char(pattern.at(j++).unicode());
        if (j < n && pattern.at(j) == QLatin1Char('.')) {
            conversion += '.';
            ++j;
            while (j < n && pattern.at(j).isDigit()) conversion += char(pattern.at(j++).unicode());
        }
        while (j < n && (pattern.at(j) == QLatin1Char('l') || pattern.at(j) == QLatin1Char('h'))) ++j;
        if (j >= n) {
            out += pattern.mid(i);
            break;
        }
        const char conv = char(pattern.at(j).unicode());
        const FormatArg* arg = next < list.size() ? list[next] : nullptr;
        ++next;
        char buf[512];
        switch (conv) {
        case 'd':
        case 'i': {
            long long v = arg && arg->kind() != FormatArg::Kind::Text ? arg->toInt() : 0;
            std::snprintf(buf, sizeof buf, (conversion + "lld").c_str(), v);
            out += QString::fromLatin1(buf);
            break;
        }
        case 'u':
        case 'x':
        case 'X': {
            // As on the handheld, a negative 32-bit value prints as its unsigned bits.
            long long v = arg && arg->kind() != FormatArg::Kind::Text ? arg->toInt() : 0;
            unsigned long long u = static_cast<std::uint32_t>(v);
            if (v > 0xFFFFFFFFLL) u = static_cast<unsigned long long>(v);
            std::snprintf(buf, sizeof buf, (conversion + "ll" + conv).c_str(), u);
            out += QString::fromLatin1(buf);
            break;
        }
        case 'f':
        case 'e':
        case 'g': {
            double v = arg && arg->kind() != FormatArg::Kind::Text ? arg->toDouble() : 0.0;
            std::snprintf(buf, sizeof buf, (conversion + conv).c_str(), v);
            out += QString::fromLatin1(buf);
            break;
        }
        case 'c': {
            if (arg && arg->kind() == FormatArg::Kind::Int) out += QChar(char16_t(arg->toInt()));
            break;
        }
        case 's':
        case 'S': {
            QString text = arg && arg->kind() == FormatArg::Kind::Text ? arg->text() : QString();
            // Precision limits the characters; width pads.
            QString s = QString::fromLatin1(conversion.c_str());
            int dot = s.indexOf(QLatin1Char('.'));
            if (dot >= 0) text.truncate(s.mid(dot + 1).toInt());
            // The width: the digits before the precision (flags such as '-' are not digits).
            int width = 0;
            for (QChar c : (dot >= 0 ? s.left(dot) : s)) {
                if (c.isDigit()) width = width * 10 + c.digitValue();
            }
            if (text.size() < width) {
                QString pad(width - text.size(), QLatin1Char(' '));
                text = s.contains(QLatin1Char('-')) ? text + pad : pad + text;
            }
            out += text;
            break;
        }
        default:
            // Unknown conversion: keep it as written.
            out += pattern.mid(i, j - i + 1);
            --next;
            break;
        }
        i = j;
    }
    return out;
}

}  // namespace za
