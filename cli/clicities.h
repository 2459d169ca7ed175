// Cities as zonaria-cli finds them: by name, forgiving case and accents, and by the
// beginning of their entries.
#pragma once

#include "city.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace cli {

// The city of that name (without regard to case; "Name (Country)" entries are accepted too).
// A name that is not there as given is sought without regard to accents ("Sao Paulo" finds
// "São Paulo"); when that matches several cities, it fails listing them. An unknown name
// fails, naming the closest names of the city list.
CCity LoadCity(const QString& name);
// Every entry of the name list, "Name (Country)", in name order.
QStringList CityEntries();
// The entries that begin with text, without regard to case and accents, in name order, read
// without the whole list; with positions, their indexes in it.
QStringList EntriesBeginning(const QString& text, QList<long>* positions);
// What find and codes list: every entry for an empty text, else those that begin with it (only
// the runs of the name order that can hold them are read); with positions, their places.
QStringList ListedEntries(const QString& text, QList<long>* positions);

}  // namespace cli
