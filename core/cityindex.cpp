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

bool BeginsAWordOf(QStringView folded, QStringView word) {
    for (qsizetype at = folded.indexOf(word); at >= 0; at = folded.indexOf(word, at + 1)) {
        if (at == 0 || !folded[at - 1].isLetterOrNumber()) return true;
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
    m_text.reserve(cities * 24);
    m_fold.reserve(cities * 30);
}

void CityIndex::Append(const Texts& city) { m_rows.push_back(Store(city)); }

qsizetype CityIndex::RowOfName(const QString& name, bool* exists) const {
    qsizetype low = 0, high = Size();
    while (low < high) {
        const qsizetype mid = low + (high - low) / 2;
        if (NameView(mid).compare(name, Qt::CaseInsensitive) < 0) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    if (exists) *exists = low < Size() && NameView(low).compare(name, Qt::CaseInsensitive) == 0;
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

CityIndex::Row CityIndex::Store(const Texts& city) {
    Row row;
    const QString entry = CityEntry(city.name, city.country);
    row.text = static_cast<std::uint32_t>(m_text.size());
    row.entryLength = Length(entry.size());
    row.nameLength = Length(city.name.size());
    m_text += QStringView(entry).left(row.entryLength);

    row.fold = static_cast<std::uint32_t>(m_fold.size());
    const QString foldedName = FoldForSearch(city.name);
    // The entry's fold is the name's and the country's: " (" and ")" fold to themselves.
    const QString folded = foldedName + QLatin1String(" (") + FoldForSearch(city.country) + QLatin1Char(')');
    row.foldedLength = Length(folded.size());
    row.foldedNameLength = Length(foldedName.size());
    m_fold += QStringView(folded).left(row.foldedLength);
    // The codes as words of their own: "81 3" for country code 81 and area code 3.
    const QString phone = QLatin1Char(' ') + FoldForSearch(city.phone) + QLatin1Char(' ') + FoldForSearch(city.area);
    row.phoneLength = Length(phone.size());
    m_fold += QStringView(phone).left(row.phoneLength);
    const QString airport = QLatin1Char(' ') + FoldForSearch(city.airport);
    row.airportLength = Length(airport.size());
    m_fold += QStringView(airport).left(row.airportLength);
    return row;
}

QStringView CityIndex::EntryView(qsizetype row) const {
    const Row& r = m_rows[static_cast<size_t>(row)];
    return QStringView(m_text).mid(r.text, r.entryLength);
}

QStringView CityIndex::NameView(qsizetype row) const {
    const Row& r = m_rows[static_cast<size_t>(row)];
    return QStringView(m_text).mid(r.text, r.nameLength);
}

QStringView CityIndex::FoldedEntry(qsizetype row) const {
    const Row& r = m_rows[static_cast<size_t>(row)];
    return QStringView(m_fold).mid(r.fold, r.foldedLength);
}

QStringView CityIndex::FoldedName(qsizetype row) const {
    const Row& r = m_rows[static_cast<size_t>(row)];
    return QStringView(m_fold).mid(r.fold, r.foldedNameLength);
}

bool CityIndex::RowMatches(const Row& row, const QStringList& words, Codes codes) const {
    const QStringView all(m_fold);
    const QStringView entry = all.mid(row.fold, row.foldedLength);
    QStringView extra;
    if (codes == Codes::Phone) extra = all.mid(row.fold + row.foldedLength, row.phoneLength);
    if (codes == Codes::Airport) extra = all.mid(row.fold + row.foldedLength + row.phoneLength, row.airportLength);
    for (const QString& word : words) {
        if (!BeginsAWordOf(entry, word) && (extra.isEmpty() || !BeginsAWordOf(extra, word))) return false;
    }
    return true;
}

std::vector<int> CityIndex::Matching(const QString& typed, Codes codes, const std::vector<int>* within) const {
    const QStringList words = SearchWords(typed);
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
    const QString t = FoldForSearch(typed.trimmed());
    if (t.isEmpty()) return rows.front();
    // NameMatchRank on the folded names kept here, so that no name is folded again.
    int best = rows.front();
    int bestRank = -1;
    for (int r : rows) {
        const QStringView n = FoldedName(r).trimmed();
        int rank = -1;
        if (n == t) {
            rank = 0;
        } else if (n.startsWith(t)) {
            rank = n.at(t.size()).isLetterOrNumber() ? 2 : 1;
        } else if (BeginsAWordOf(n, t)) {
            rank = 3;
        } else if (n.contains(t)) {
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
