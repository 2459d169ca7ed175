// What the city lists show and search of every city: the entries "Name (Country)" in name
// order with their folded texts, read in one query and kept by the process until the database
// changes. One per process (the city list's); the picker, the Cities and code lists and the
// command line's look-ups all search it, so that no list reads every record again.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace za {

class CityIndex {
public:
    // The texts of one city, as read from its record.
    struct Texts {
        QString name, country, phone, area, airport;
    };
    // Which codes' words a search looks at beside the entry's own.
    enum class Codes { None, Phone, Airport };

    void Clear();
    void Reserve(qsizetype cities);
    // Appends the next city of the name order.
    void Append(const Texts& city);
    // Keeping the index in step with an edit, without reading the database again: the row of
    // a name (where it stands or would stand in the name order, compared as the database's
    // sort order compares, without regard to case), and a city put in, replaced or taken out.
    qsizetype RowOfName(const QString& name, bool* exists) const;
    void Insert(qsizetype row, const Texts& city);
    void Replace(qsizetype row, const Texts& city);
    void Remove(qsizetype row);

    qsizetype Size() const { return static_cast<qsizetype>(m_rows.size()); }
    // "Name (Country)", and the name.
    QString Entry(qsizetype row) const { return QString::fromUtf8(EntryBytes(row)); }
    QString Name(qsizetype row) const;
    // The entry folded (za::FoldForSearch), in UTF-8, whose byte order is the order of its
    // characters.
    QByteArrayView FoldedEntry(qsizetype row) const;

    // The rows, in name order, whose entry (and codes of that kind) has for each typed word a
    // word that begins with it, without regard to case and accents (words: runs of letters and
    // digits). Typed text without words matches every row. With within, only those rows are
    // looked at: the rows of a shorter text that this one continues, as typing goes on.
    std::vector<int> Matching(const QString& typed, Codes codes, const std::vector<int>* within = nullptr) const;
    // Of the rows, the one whose name matches the typed text best (za::NameMatchRank); the
    // first when none does, -1 for no rows.
    int BestMatch(const std::vector<int>& rows, const QString& typed) const;

private:
    struct Row {
        std::uint32_t text = 0;   // the entry in m_text (lengths in bytes)
        std::uint16_t entryLength = 0, nameLength = 0;
        std::uint32_t fold = 0;   // the folded entry in m_fold, then its codes' words
        std::uint16_t foldedLength = 0, foldedNameLength = 0, phoneLength = 0, airportLength = 0;
    };
    bool RowMatches(const Row& row, const QList<QByteArray>& words, Codes codes) const;
    QByteArrayView EntryBytes(qsizetype row) const;
    QByteArrayView FoldedName(qsizetype row) const;
    // The row of a city whose texts are appended to the buffers.
    Row Store(const Texts& city);

    // The texts in UTF-8, half the memory of UTF-16 for the Latin letters of most names: at
    // 300,000 cities that is 20 MB of the window's.
    std::vector<Row> m_rows;
    QByteArray m_text;
    QByteArray m_fold;
};

// The words of a typed or stored text, folded: its runs of letters and digits ("São Paulo (BR)"
// gives sao, paulo, br).
QStringList SearchWords(const QString& text);
// Whether a folded word begins a word of the folded text (both UTF-8): found at the start or
// after a character that is no letter or digit.
bool BeginsAWordOf(QByteArrayView folded, QByteArrayView word);

}  // namespace za
