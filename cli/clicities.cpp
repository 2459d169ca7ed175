#include "clicities.h"

#include "citylist.h"
#include "cliprofile.h"
#include "cliutil.h"
#include "device.h"
#include "textfold.h"

#include <algorithm>
#include <vector>

namespace cli {

QStringList CityEntries() {
    CCityList& list = GetCityList();
    if (!list.Open()) Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
    list.LoadCityNames();
    QStringList entries;
    POSITION pos = list.GetHeadCityNamePosition();
    while (pos) entries << list.GetNextCityName(pos);
    list.Close();
    CheckProfileAfterReading();  // a list cut short by a damaged page is not the list
    return entries;
}

QStringList EntriesBeginning(const QString& text, QList<long>* positions) {
    CCityList& list = GetCityList();
    if (!list.Open()) Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
    QStringList entries;
    const BOOL read = list.FindEntriesOfCity(text, &entries, positions);
    list.Close();
    CheckProfileAfterReading();
    if (!read) Fail(Text::tr("the city database cannot be read: %1").arg(za::device::LastError()));
    return entries;
}

QStringList ListedEntries(const QString& text, QList<long>* positions) {
    if (!text.isEmpty()) return EntriesBeginning(text, positions);
    const QStringList entries = CityEntries();
    if (positions) {
        positions->clear();
        for (qsizetype i = 0; i < entries.size(); ++i) positions->append(static_cast<long>(i));
    }
    return entries;
}

namespace {

// The edit distance between a and b, in row (a buffer kept between calls).
int EditDistance(QStringView a, QStringView b, std::vector<int>& row) {
    row.resize(static_cast<size_t>(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j) row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[static_cast<size_t>(j)];
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            row[static_cast<size_t>(j)] = std::min({above + 1, row[static_cast<size_t>(j - 1)] + 1, diagonal + cost});
            diagonal = above;
        }
    }
    return row.back();
}

// Up to three names: those that begin with the text first (the shortest first), then the
// nearest by the spelling of their first letters; in name order where they tie. Only the names
// are read: building the whole index (every record's five texts, folded) for a name that is not
// there took 300,000 cities 0.6 s.
QStringList ClosestNames(const QString& text) {
    CCityList& list = GetCityList();
    if (!list.Open()) Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
    const QString wanted = za::FoldForSearch(text);
    struct Ranked {
        int score;
        QString name;
    };
    std::vector<Ranked> best;
    std::vector<int> row;
    const BOOL whole = list.ReadNames([&](const QString& name) {
        const QString folded = za::FoldForSearch(name);
        const int score = folded.startsWith(wanted) ? -1000 + static_cast<int>(folded.size())
                                                    : EditDistance(wanted, QStringView(folded).left(wanted.size() + 2), row);
        if (best.size() == 3 && score >= best.back().score) return;
        const auto at = std::upper_bound(best.begin(), best.end(), score,
                                         [](int s, const Ranked& r) { return s < r.score; });
        best.insert(at, {score, name});
        if (best.size() > 3) best.pop_back();
    });
    list.Close();
    CheckProfileAfterReading();  // a list cut short by a damaged page is not the list
    if (!whole) Fail(Text::tr("the city database cannot be read: %1").arg(za::device::LastError()));
    QStringList out;
    for (const Ranked& r : best) out << r.name;
    return out;
}

}  // namespace

namespace {

// Of the entries that begin with the text (in name order), those whose name folds like the text
// (without regard to case and accents), or, for a "Name (Country)" text, whose whole entry does.
QStringList FoldedMatches(const QStringList& beginning, const QString& text) {
    const QString folded = za::FoldForSearch(text);
    QStringList names, entries;
    for (const QString& entry : beginning) {
        if (za::FoldForSearch(za::CityNameOfEntry(entry)) == folded) names << entry;
        if (za::FoldForSearch(entry) == folded) entries << entry;
    }
    return names.isEmpty() ? entries : names;
}

// Of the same, those that match the text best: those whose first words it is ("Chicago" for
// "Chicago, IL"), else those it begins ("Tok" for Tokyo). One entry is the clear best match;
// several whose first words it is are listed.
QStringList BestMatches(const QStringList& beginning, const QString& text) {
    constexpr int kWorstTaken = 2;  // a name's beginning; a later word or the inside is a guess
    QStringList best;
    int bestRank = kWorstTaken + 1;
    for (const QString& entry : beginning) {
        const int rank = za::NameMatchRank(za::CityNameOfEntry(entry), text);
        if (rank < 0 || rank > bestRank) continue;
        if (rank < bestRank) best.clear();
        bestRank = rank;
        best << entry;
    }
    // Several names that only begin with the text are no choice to offer: the closest names are.
    if (best.size() > 1 && bestRank == kWorstTaken) best.clear();
    return best;
}

}  // namespace

CCity LoadCity(const QString& text) {
    CheckCityText(Text::tr("the city name"), text);
    const QString trimmed = text.trimmed();
    CCityList& list = GetCityList();
    if (!list.Open()) Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
    // One seek by name (the database compares names without regard to case); a "Name (Country)"
    // entry is taken when its country is the city's. A name given so always wins.
    CCity city;
    bool found = list.LoadCity(trimmed, city);
    if (!found) {
        QString name, country;
        za::SplitCityEntry(trimmed, &name, &country);
        found = !country.isEmpty() && list.LoadCity(name, city) &&
                city.CountryName().compare(country, Qt::CaseInsensitive) == 0;
    }
    list.Close();
    // Else a name typed without its accents ("Sao Paulo" for "São Paulo"): one city is taken,
    // several are listed for the user to choose from. Only the runs of the name order that can
    // begin with the text are read, as for find.
    QStringList matches;
    if (!found) {
        const QStringList beginning = EntriesBeginning(trimmed, nullptr);
        matches = FoldedMatches(beginning, trimmed);
        if (matches.isEmpty()) matches = BestMatches(beginning, trimmed);
        if (matches.size() == 1) {
            if (!list.Open()) Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
            found = list.LoadCity(za::CityNameOfEntry(matches.first()), city);
            list.Close();
        }
    }
    if (found) return city;
    if (matches.size() > 1) {
        Fail(Text::tr("\"%1\" matches several cities: %2; give one of these names")
                 .arg(Shown(trimmed), matches.join(QStringLiteral(", "))));
    }
    // Only a name that is not there needs the whole list, for the suggestions.
    const QStringList closest = ClosestNames(trimmed);
    Fail(closest.isEmpty()
             ? Text::tr("unknown city \"%1\"; the city database is empty").arg(Shown(trimmed))
             : Text::tr("unknown city \"%1\"; closest names: %2 (zonaria-cli find TEXT lists more)")
                   .arg(Shown(trimmed), closest.join(QStringLiteral(", "))));
}

}  // namespace cli
