#include "worldsettings.h"

#include "registry.h"

namespace za {
namespace {

constexpr const char16_t* kSettingsKey = u"\\Software\\Corvantel\\Zonaria";
constexpr const char16_t* kCityHoursKey = u"\\Software\\Corvantel\\Zonaria\\WorkingHours";
constexpr const char16_t* kShowOffsets = u"ShowOffsets";
constexpr const char16_t* kWorkingHours = u"WorkingHours";

// An open key, closed when it goes out of scope.
class Key {
public:
    Key(const char16_t* path, bool create) {
        const QString name = QString::fromUtf16(path);
        if (create) {
            DWORD disposition = 0;
            if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, name, 0, QString(), 0, 0, nullptr, &m_key, &disposition) !=
                ERROR_SUCCESS) {
                m_key = nullptr;
            }
        } else if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, name, 0, 0, &m_key) != ERROR_SUCCESS) {
            m_key = nullptr;
        }
    }
    ~Key() {
        if (m_key) RegCloseKey(m_key);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

bool WriteString(const char16_t* path, const QString& value, const QString& text) {
    const Key key(path, true);
    if (!key.get()) return false;
    const LONG result = RegSetValueExW(key.get(), value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.utf16()),
                                       static_cast<DWORD>((text.size() + 1) * 2));
    return result == ERROR_SUCCESS && RegFlushKey(key.get()) == ERROR_SUCCESS;
}

bool ReadHours(const char16_t* path, const QString& value, WorkingHours* hours) {
    const Key key(path, false);
    QString text;
    return key.get() && RegQueryString(key.get(), value, &text) && ParseWorkingHours(text, hours);
}

QString HoursValue(const WorkingHours& hours) {
    return QString::asprintf("%02d:%02d-%02d:%02d", hours.start / 60, hours.start % 60, hours.end / 60, hours.end % 60);
}

}  // namespace

bool ShowOffsetsSetting() {
    const Key key(kSettingsKey, false);
    DWORD value = 1;
    if (key.get()) RegQueryDword(key.get(), QString::fromUtf16(kShowOffsets), &value);
    return value != 0;
}

bool SetShowOffsetsSetting(bool show) {
    const Key key(kSettingsKey, true);
    if (!key.get()) return false;
    const DWORD value = show ? 1 : 0;
    const bool ok = RegSetValueExW(key.get(), QString::fromUtf16(kShowOffsets), 0, REG_DWORD,
                                   reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
    RegFlushKey(key.get());
    return ok;
}

WorkingHours WorkingHoursSetting(const QString& city) {
    WorkingHours hours;
    if (!city.isEmpty() && ReadHours(kCityHoursKey, city, &hours)) return hours;
    WorkingHours fallback;
    if (ReadHours(kSettingsKey, QString::fromUtf16(kWorkingHours), &hours)) return hours;
    return fallback;
}

bool SetWorkingHoursSetting(const QString& city, const WorkingHours& hours) {
    if (city.isEmpty()) return WriteString(kSettingsKey, QString::fromUtf16(kWorkingHours), HoursValue(hours));
    return WriteString(kCityHoursKey, city, HoursValue(hours));
}

void ClearWorkingHoursSetting(const QString& city) {
    const Key key(kCityHoursKey, false);
    if (key.get() && RegDeleteValueW(key.get(), city) == ERROR_SUCCESS) RegFlushKey(key.get());
}

}  // namespace za
