// Reading and writing data/cities.csv: UTF-8 text, one record a line, fields separated by
// commas; a field that holds a comma, a double quote or a line break is put in double quotes,
// with each double quote inside doubled (RFC 4180). Lines may end with LF or CRLF.
// Header-only, for the tools and the tests that read the city list.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <vector>

namespace za::citycsv {

// The records of the file, header included; false when the file cannot be read or a quoted
// field is not closed (error says where).
inline bool Read(const QString& path, std::vector<QStringList>* rows, QString* error) {
    rows->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    QStringList record;
    QString field;
    bool quoted = false;      // inside a quoted field
    bool fieldStarted = false;
    int line = 1;
    auto endRecord = [&] {
        record << field;
        rows->push_back(record);
        record.clear();
        field.clear();
        fieldStarted = false;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n')) ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            record << field;
            field.clear();
            fieldStarted = false;
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            continue;  // the LF that follows ends the record
        } else if (c == QLatin1Char('\n')) {
            endRecord();
            ++line;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        *error = QStringLiteral("%1:%2: a quoted field is not closed").arg(path).arg(line);
        return false;
    }
    if (fieldStarted || !record.isEmpty()) endRecord();  // a last line without its line break
    return true;
}

inline QString Field(const QString& value) {
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\n')) &&
        !value.contains(QLatin1Char('\r'))) {
        return value;
    }
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Writes the records with LF line ends, quoting only the fields that need it.
inline bool Write(const QString& path, const std::vector<QStringList>& rows, QString* error) {
    QByteArray out;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& value : row) fields << Field(value);
        out += fields.join(QLatin1Char(',')).toUtf8();
        out += '\n';
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace za::citycsv
