#include "tzlist.h"

#include "registry.h"
#include "timezone.h"

#include <memory>
#include <vector>

namespace {

const QString kSettingsKey = QStringLiteral("\\Software\\Corvantel\\Zonaria");
const QString kTableValue = QStringLiteral("TZID");

// The table as read: the value's words (count first). Shared by every list of the process and
// replaced whole by a successful read, so readers never see half of one.
std::shared_ptr<const std::vector<WORD>>& Table() {
    static std::shared_ptr<const std::vector<WORD>> table;
    return table;
}

}  // namespace

BOOL CDBTimeZoneList::Init() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSettingsKey, 0, QString(), 0, 0, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return FALSE;
    }
    DWORD size = 0;
    DWORD type = 0;
    BOOL ok = RegQueryValueExW(key, kTableValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    if (ok) {
        std::vector<BYTE> bytes(size);
        DWORD read = size;
        ok = size == 0 || RegQueryValueExW(key, kTableValue, nullptr, &type, bytes.data(), &read) == ERROR_SUCCESS;
        if (ok) {
            // An odd byte count rounds down to whole words.
            auto words = std::make_shared<std::vector<WORD>>(read / 2);
            for (DWORD i = 0; i < read / 2; ++i) (*words)[i] = static_cast<WORD>(bytes[2 * i] | bytes[2 * i + 1] << 8);
            Table() = std::move(words);
        }
    }
    RegCloseKey(key);
    return ok;
}

int CDBTimeZoneList::GetCount() const {
    const auto table = Table();
    if (!table || table->empty()) return 0;
    return std::min<int>((*table)[0], static_cast<int>(table->size()) - 1);
}

int CDBTimeZoneList::GetID(int index) const {
    if (index < 0 || index >= GetCount()) return 0;
    return (*Table())[static_cast<std::size_t>(index) + 1];
}

QString CDBTimeZoneList::GetName(int index) const {
    CDBTimeZone zone;
    zone.Load(GetID(index));
    return zone.Name();
}

BOOL CTimeZoneList::LoadTimeZoneNamesAndIDs(QStringList& names, QList<int>& ids) const {
    names.clear();
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        names.append(GetName(i));
        ids.append(GetID(i));
    }
    return count > 0;
}

int CTimeZoneList::GetNearestTimeZoneID(const TIME_ZONE_INFORMATION* tzi, BOOL* sameRule, int hint) const {
    BOOL same = FALSE;
    int result = 0;
    CDBTimeZone zone;
    if (!tzi) {
        if (sameRule) *sameRule = FALSE;
        return GetID(0);
    }
    if (hint > 0) {
        zone.Load(hint);
        if (zone.IsSameTZ(tzi)) {
            if (sameRule) *sameRule = TRUE;
            return hint;
        }
    }
    const int count = GetCount();
    int first = 0;
    for (; first < count; ++first) {
        zone.Load(GetID(first));
        if (zone.UnadjustedBias() == tzi->Bias) break;
    }
    if (first == count) {
        result = GetID(0);
    } else {
        int candidate = -1;
        BOOL sameNames = FALSE;
        // Only the run's first entry can become the candidate.
        if (zone.IsSameTZ(tzi, &sameNames)) {
            if (sameNames) {
                if (sameRule) *sameRule = TRUE;
                return GetID(first);
            }
            candidate = GetID(first);
        }
        int last = first;
        for (int i = first + 1; i < count; ++i) {
            zone.Load(GetID(i));
            if (zone.UnadjustedBias() != tzi->Bias) break;  // the run has ended
            last = i;
            if (zone.IsSameTZ(tzi, &sameNames) && sameNames) {
                if (sameRule) *sameRule = TRUE;
                return GetID(i);
            }
        }
        // The end of the table ends the run as any other entry would.
        same = candidate >= 0;
        result = same ? candidate : GetID(last);
    }
    if (sameRule) *sameRule = same;
    return result;
}

CTimeZoneList& GetTZList() {
    static CTimeZoneList list;
    if (list.GetCount() == 0) list.Init();
    return list;
}
