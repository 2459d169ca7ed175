#include "settings.h"

#include "displaydefaults.h"

#include <vector>

namespace {

constexpr const char16_t* kSettingsKey = u"\\Software\\Corvantel\\Zonaria";
constexpr const char16_t* kNoSound = u"--no sound--";

struct Setting {
    CRegistry::ValueName name;
    const char16_t* registryName;
    const char16_t* defaultText;  // string settings
    DWORD defaultNumber;          // DWORD settings
};

// In the order of the enumeration.
const Setting kSettings[] = {
    {CRegistry::DBPath, u"DBPath", u"", 0},
    {CRegistry::City0, u"City0", za::kDefaultDisplayCities[0], 0},
    {CRegistry::City1, u"City1", za::kDefaultDisplayCities[1], 0},
    {CRegistry::City2, u"City2", za::kDefaultDisplayCities[2], 0},
    {CRegistry::City3, u"City3", za::kDefaultDisplayCities[3], 0},
    {CRegistry::City4, u"City4", za::kDefaultDisplayCities[4], 0},
    {CRegistry::CityX, u"CityX", nullptr, 0},
    {CRegistry::InitialRun, u"InitialRun", nullptr, 0},
    {CRegistry::AlarmOptions, u"AlarmOptions", nullptr, 29},
    {CRegistry::AlarmSound, u"AlarmSound", u"Alarm1", 0},
    {CRegistry::UnitSystem, u"UnitSystem", nullptr, 0},
    {CRegistry::Twilight, u"Twilight", nullptr, 2},
    {CRegistry::CCButton, u"CCButton", nullptr, 1},
    {CRegistry::CPButton, u"CPButton", nullptr, 1},
    {CRegistry::ZAReserved, u"ZAReserved", nullptr, 0},
    {CRegistry::ZATodayCount, u"ZATodayCount", nullptr, 5},
};

const Setting* Find(CRegistry::ValueName name) {
    for (const Setting& s : kSettings) {
        if (s.name == name) return &s;
    }
    return nullptr;
}

QString DefaultText(CRegistry::ValueName name) {
    const Setting* s = Find(name);
    return s && s->defaultText ? QString::fromUtf16(s->defaultText) : QString();
}

DWORD DefaultNumber(CRegistry::ValueName name) {
    const Setting* s = Find(name);
    return s ? s->defaultNumber : 0;
}

}  // namespace

CRegistry::CRegistry() : m_nOpen(0), m_bDirty(FALSE), m_hKey(nullptr) {}

QString CRegistry::ValueNameFromEnum(ValueName name) {
    const Setting* s = Find(name);
    return s ? QString::fromUtf16(s->registryName) : QString();
}

BOOL CRegistry::Open() {
    if (m_nOpen == 0 && !m_hKey) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, QString::fromUtf16(kSettingsKey), 0, 0, &key) != ERROR_SUCCESS) {
            return FALSE;
        }
        m_hKey = key;
    }
    ++m_nOpen;
    return TRUE;
}

BOOL CRegistry::Close() {
    // An unbalanced Close would push the count below zero and leave later brackets without a
    // key; it is refused instead.
    if (m_nOpen <= 0) return FALSE;
    if (m_nOpen == 1 && m_hKey) {
        if (m_bDirty) RegFlushKey(m_hKey);
        if (RegCloseKey(m_hKey) != ERROR_SUCCESS) return FALSE;
        m_hKey = nullptr;
    }
    --m_nOpen;
    return TRUE;
}

QString CRegistry::GetStringValue(ValueName name) {
    const QString fallback = DefaultText(name);
    if (!Open()) return fallback;
    QString result = fallback;
    const QString valueName = ValueNameFromEnum(name);
    DWORD size = 0;
    if (RegQueryValueExW(m_hKey, valueName, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        // size/2 + 1 characters: the last one stays NUL, so a value stored without its NUL
        // still ends inside the buffer.
        std::vector<char16_t> buffer(size / 2 + 1, 0);
        DWORD bytes = size;
        if (RegQueryValueExW(m_hKey, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &bytes) ==
            ERROR_SUCCESS) {
            result = QString::fromUtf16(buffer.data());
        }
    }
    Close();
    return result;
}

DWORD CRegistry::GetDWORDValue(ValueName name) {
    DWORD value = DefaultNumber(name);
    if (!Open()) return value;
    DWORD size = sizeof value;
    DWORD read = value;
    if (RegQueryValueExW(m_hKey, ValueNameFromEnum(name), nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &size) ==
        ERROR_SUCCESS) {
        value = read;
    }
    Close();
    if (name == ZATodayCount && value > 5) value = 5;
    return value;
}

void CRegistry::WriteStringValue(ValueName name, const QString& text) {
    if (!Open()) {
        m_lastWrite = ERROR_FILE_NOT_FOUND;
        return;
    }
    m_lastWrite = RegSetValueExW(m_hKey, ValueNameFromEnum(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.utf16()),
                                 static_cast<DWORD>((text.size() + 1) * 2));
    Close();
    m_bDirty = TRUE;
}

void CRegistry::WriteDWORDValue(ValueName name, DWORD value) {
    if (!Open()) {
        m_lastWrite = ERROR_FILE_NOT_FOUND;
        return;
    }
    m_lastWrite = RegSetValueExW(m_hKey, ValueNameFromEnum(name), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                 sizeof value);
    Close();
    m_bDirty = TRUE;
}

CRegistry& GetReg() {
    static CRegistry registry;
    return registry;
}

QString GetWavPath(const QString& soundName) {
    if (soundName == QString::fromUtf16(kNoSound)) return soundName;
    return QStringLiteral("\\windows\\") + soundName + QStringLiteral(".wav");
}
