#include "displayedcities.h"

#include "today.h"

namespace za {

CRegistry::ValueName DisplayedCitySetting(int i) { return static_cast<CRegistry::ValueName>(CRegistry::City0 + i); }

DisplayedCities DisplayedCities::Read() {
    DisplayedCities d;
    CRegistry& reg = GetReg();
    reg.Open();
    for (int i = 0; i < kDisplays; ++i) d.m_names[static_cast<size_t>(i)] = reg.GetStringValue(DisplayedCitySetting(i));
    const DWORD selected = reg.GetDWORDValue(CRegistry::CityX);
    reg.Close();
    d.m_selectionValid = selected < static_cast<DWORD>(kDisplays);
    d.m_selected = d.m_selectionValid ? static_cast<int>(selected) : 0;
    return d;
}

QString DisplayedCities::Name(int i) const {
    if (i < 0 || i >= kDisplays) return QString();
    return m_names[static_cast<size_t>(i)];
}

bool DisplayedCities::Contains(const QString& name) const {
    for (const QString& shown : m_names) {
        if (shown == name) return true;
    }
    return false;
}

bool DisplayedCities::SetName(int i, const QString& name) {
    if (i < 0 || i >= kDisplays) return false;
    m_names[static_cast<size_t>(i)] = name;
    CRegistry& reg = GetReg();
    reg.WriteStringValue(DisplayedCitySetting(i), name);
    const bool stored = reg.GetStringValue(DisplayedCitySetting(i)) == name;
    NotifyTodayOfDisplayedCities();
    return stored;
}

bool DisplayedCities::SetSelected(int i) {
    if (i < 0 || i >= kDisplays) return false;
    m_selected = i;
    m_selectionValid = true;
    CRegistry& reg = GetReg();
    reg.WriteDWORDValue(CRegistry::CityX, static_cast<DWORD>(i));
    const bool stored = reg.GetDWORDValue(CRegistry::CityX) == static_cast<DWORD>(i);
    NotifyTodayOfDisplayedCities();
    return stored;
}

void NotifyTodayOfDisplayedCities() {
    // Nothing is posted while no item runs; a post to an item that went away just fails.
    PostTodayUpdate(TodayUpdateMessage());
}

}  // namespace za
