// The main screen's five cities and its selected display, kept in the settings "City0" to
// "City4" and "CityX": read by the window, the Today item and zonaria-cli, written by the window
// and zonaria-cli, and each change told to the running Today item.
#pragma once

#include "settings.h"

#include <QString>

#include <array>

namespace za {

// The number of city displays on the main screen (and of the Today item's rows at most).
constexpr int kDisplays = 5;

// The setting that holds display i's city name (0 <= i < kDisplays).
CRegistry::ValueName DisplayedCitySetting(int i);

class DisplayedCities {
public:
    // Reads the six settings. A "CityX" that names no display (only an edit from outside stores
    // one) reads as display 0, which is always there; SelectionWasValid() then says FALSE.
    static DisplayedCities Read();

    // Display i's city name; empty for an i outside 0..4.
    QString Name(int i) const;
    int Selected() const { return m_selected; }
    QString SelectedName() const { return Name(m_selected); }
    bool SelectionWasValid() const { return m_selectionValid; }
    // Whether one of the five names is exactly this one (case-sensitive, no trimming).
    bool Contains(const QString& name) const;

    // Stores the name, writes "City0" + i and tells the Today item. FALSE (nothing stored) for
    // an i outside 0..4, or when the profile does not hold the name afterwards.
    bool SetName(int i, const QString& name);
    // Stores i, writes "CityX" and tells the Today item; FALSE as SetName.
    bool SetSelected(int i);

private:
    std::array<QString, kDisplays> m_names;
    int m_selected = 0;
    bool m_selectionValid = true;
};

// Tells the running Today item (if any) that the displayed cities or the selection changed.
void NotifyTodayOfDisplayedCities();

}  // namespace za
