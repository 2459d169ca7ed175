#include "cityindex.h"

#include "city.h"
#include "textfold.h"

#include <algorithm>

namespace za {
namespace {

// Texts longer than a row's fields hold are cut; names hold 31 characters, and the other
// fields are as short, so nothing real comes near.
std::uint16_t Length(qsizetype n) { return static_cast<std::uint16_t>(std::min<qsizetype>(n, 0xFFFF)); }

}  // namespace

QStringList SearchWords(const QString& text) {
    QStringList words;
    QString word;
    for (QChar c : FoldForSearch(text)) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty()) words << word;
    return words;
}

namespace {

// The character that ends at `end` in UTF-8 text (end > 0).
char32_t CharacterBefore(QByteArrayView text, qsizetype end) {
    qsizetype start = end - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    const QString c = QString::fromUtf8(text.sliced(start, end - start));
    return c.isEmpty() ? U'\0' : c.toUcs4().value(0);
}

// The character that begins at `at`.
char32_t CharacterAt(QByteArrayView text, qsizetype at) {
    qsizetype end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    const QString c = QString::fromUtf8(text.sliced(at, end - at));
    return c.isEmpty() ? U'\0' : c.toUcs4().value(0);
}

bool IsWordCharacter(char32_t c) {
    return c < 0x80 ? (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') : QChar::isLetterOrNumber(c);
}

}  // namespace

bool BeginsAWordOf(QByteArrayView folded, QByteArrayView word) {
    for (qsizetype at = folded.indexOf(word); at >= 0; at = folded.indexOf(word, at + 1)) {
        if (at == 0 || !IsWordCharacter(CharacterBefore(folded, at))) return true;
    }
    return false;
}

void CityIndex::Clear() {
    m_rows.clear();
    m_text.clear();
    m_fold.clear();
}

void CityIndex::Reserve(qsizetype cities) {
    m_rows.reserve(static_cast<size_t>(cities));
    m_text.reserve(cities * 26);
    m_fold.reserve(cities * 40);
}

void CityIndex::Append(const Texts& city) { m_rows.push_back(Store(city)); }

qsizetype CityIndex::RowOfName(const QString& name, bool* exists) const {
    qsizetype low = 0, high = Size();
    while (low < high) {
        const qsizetype mid = low + (high - low) / 2;
        if (Name(mid).compare(name, Qt::CaseInsensitive) < 0) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    if (exists) *exists = low < Size() && Name(low).compare(name, Qt::CaseInsensitive) == 0;
    return low;
}

void CityIndex::Insert(qsizetype row, const Texts& city) {
    const Row stored = Store(city);
    m_rows.insert(m_rows.begin() + std::clamp<qsizetype>(row, 0, Size()), stored);
}

// The old texts stay in the buffers unused: an edit adds a few dozen characters, and the next
// read of the database starts them afresh.
void CityIndex::Replace(qsizetype row, const Texts& city) {
    if (row >= 0 && row < Size()) m_rows[static_cast<size_t>(row)] = Store(city);
}

void CityIndex::Remove(qsizetype row) {
    if (row >= 0 && row < Size()) m_rows.erase(m_rows.begin() + row);
}

namespace {

bool IsAscii(QStringView text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x80) return false;
    }
    return true;
}

// Appends the text in UTF-8, folded (za::FoldForSearch) on request; plain ASCII, most of any
// name, byte by byte without a conversion, its fold being its lower case: this runs for every
// city of the list, 300,000 of them at most.
void AppendText(QByteArray& out, const QString& text, bool folded) {
    if (!IsAscii(text)) {
        out += (folded ? FoldForSearch(text) : text).toUtf8();
        return;
    }
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char* p = out.data() + at;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        *p++ = static_cast<char>(folded && u >= 'A' && u <= 'Z' ? u + 32 : u);
    }
}

// Appends "Name (Country)", as za::CityEntry writes it (folded: " (" and ")" fold to
// themselves); returns the name's length in bytes.
qsizetype AppendEntry(QByteArray& out, const CityIndex::Texts& city, bool folded) {
    const qsizetype at = out.size();
    AppendText(out, city.name, folded);
    const qsizetype name = out.size() - at;
    out += " (";
    AppendText(out, city.country, folded);
    out += ')';
    return name;
}

}  // namespace

CityIndex::Row CityIndex::Store(const Texts& city) {
    Row row;
    row.text = static_cast<std::uint32_t>(m_text.size());
    row.nameLength = Length(AppendEntry(m_text, city, false));
    row.entryLength = Length(m_text.size() - row.text);
    m_text.truncate(row.text + row.entryLength);

    row.fold = static_cast<std::uint32_t>(m_fold.size());
    row.foldedNameLength = Length(AppendEntry(m_fold, city, true));
    row.foldedLength = Length(m_fold.size() - row.fold);
    // The codes as words of their own: "81 3" for country code 81 and area code 3.
    const qsizetype phone = m_fold.size();
    m_fold += ' ';
    AppendText(m_fold, city.phone, true);
    m_fold += ' ';
    AppendText(m_fold, city.area, true);
    row.phoneLength = Length(m_fold.size() - phone);
    const qsizetype airport = m_fold.size();
    m_fold += ' ';
    AppendText(m_fold, city.airport, true);
    row.airportLength = Length(m_fold.size() - airport);
    return row;
}

QByteArrayView CityIndex::EntryBytes(qsizetype row) const {
    const Row& r = m_rows[static_cast<size_t>(row)];
    return QByteArrayView(m_text).sliced(r.text, r.entryLength);
}

QString CityIndex::Name(qsizetype row) const {
    const Row& r = m_rows[static_cast<size_t>(row)];
    return QString::fromUtf8(QByteArrayView(m_text).sliced(r.text, r.nameLength));
}

QByteArrayView CityIndex::FoldedEntry(qsizetype row) const {
    const Row& r = m_rows[static_cast<size_t>(row)];
    return QByteArrayView(m_fold).sliced(r.fold, r.foldedLength);
}

QByteArrayView CityIndex::FoldedName(qsizetype row) const {
    const Row& r = m_rows[static_cast<size_t>(row)];
    return QByteArrayView(m_fold).sliced(r.fold, r.foldedNameLength);
}

bool CityIndex::RowMatches(const Row& row, const QList<QByteArray>& words, Codes codes) const {
    const QByteArrayView all(m_fold);
    const QByteArrayView entry = all.sliced(row.fold, row.foldedLength);
    QByteArrayView extra;
    if (codes == Codes::Phone) extra = all.sliced(row.fold + row.foldedLength, row.phoneLength);
    if (codes == Codes::Airport) extra = all.sliced(row.fold + row.foldedLength + row.phoneLength, row.airportLength);
    for (const QByteArray& word : words) {
        if (!BeginsAWordOf(entry, word) && (extra.isEmpty() || !BeginsAWordOf(extra, word))) return false;
    }
    return true;
}

std::vector<int> CityIndex::Matching(const QString& typed, Codes codes, const std::vector<int>* within) const {
    QList<QByteArray> words;
    for (const QString& w : SearchWords(typed)) words << w.toUtf8();
    std::vector<int> rows;
    if (within) {
        for (int r : *within) {
            if (r >= 0 && r < Size() && (words.isEmpty() || RowMatches(m_rows[static_cast<size_t>(r)], words, codes))) rows.push_back(r);
        }
        return rows;
    }
    for (size_t r = 0; r < m_rows.size(); ++r) {
        if (words.isEmpty() || RowMatches(m_rows[r], words, codes)) rows.push_back(static_cast<int>(r));
    }
    return rows;
}

int CityIndex::BestMatch(const std::vector<int>& rows, const QString& typed) const {
    if (rows.empty()) return -1;
    const QByteArray t = FoldForSearch(typed.trimmed()).toUtf8();
    if (t.isEmpty()) return rows.front();
    // NameMatchRank on the folded names kept here, so that no name is folded again.
    int best = rows.front();
    int bestRank = -1;
    for (int r : rows) {
        const QByteArrayView n = FoldedName(r).trimmed();
        int rank = -1;
        if (n == t) {
            rank = 0;
        } else if (n.startsWith(t)) {
            rank = IsWordCharacter(CharacterAt(n, t.size())) ? 2 : 1;
        } else if (BeginsAWordOf(n, t)) {
            rank = 3;
        } else if (n.indexOf(t) >= 0) {
            rank = 4;
        }
        if (rank >= 0 && (bestRank < 0 || rank < bestRank)) {
            best = r;
            bestRank = rank;
            if (rank == 0) break;
        }
    }
    return best;
}

}  // namespace za
