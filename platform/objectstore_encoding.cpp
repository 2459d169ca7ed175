// The stored form of a record: its properties serialised into one blob, parsed back (refusing
// a malformed one, since a volume may come from a damaged disk or a hostile file), and the sort
// keys taken from them. Kept apart from SQLite so the format has one definition.
#include "objectstore_p.h"

#include <cstddef>
#include <cstdint>

namespace za::objectstore::detail {

bool IsSupportedType(WORD type) {
    return type == CEVT_I2 || type == CEVT_UI2 || type == CEVT_I4 || type == CEVT_UI4 ||
           type == CEVT_LPWSTR || type == CEVT_BLOB;
}

bool IsSortableType(WORD type) { return IsSupportedType(type) && type != CEVT_BLOB; }

namespace {

void PutU32(QByteArray& out, DWORD v) {
    char b[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                 static_cast<char>(v >> 24)};
    out.append(b, 4);
}

}  // namespace

DWORD GetU32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return DWORD(u[0]) | DWORD(u[1]) << 8 | DWORD(u[2]) << 16 | DWORD(u[3]) << 24;
}

QByteArray Serialise(const std::vector<StoredProp>& props) {
    QByteArray out;
    for (const StoredProp& p : props) {
        PutU32(out, p.propid);
        PutU32(out, static_cast<DWORD>(p.data.size()));
        out.append(p.data);
    }
    return out;
}

bool ParseViews(const QByteArray& blob, std::vector<PropView>* props) {
    props->clear();
    const char* p = blob.constData();
    qsizetype left = blob.size();
    while (left > 0) {
        if (left < 8) return false;
        const CEPROPID propid = GetU32(p);
        const DWORD length = GetU32(p + 4);
        p += 8;
        left -= 8;
        if (length > static_cast<DWORD>(left) || length > CEDB_MAXPROPDATASIZE) return false;
        const WORD type = TypeFromPropID(propid);
        const bool sizeOk = (type == CEVT_I2 || type == CEVT_UI2)   ? length == 2
                            : (type == CEVT_I4 || type == CEVT_UI4) ? length == 4
                            : type == CEVT_LPWSTR                   ? length % 2 == 0
                                                                    : type == CEVT_BLOB;
        if (!sizeOk || props->size() >= CEDB_MAXPROPCOUNT) return false;
        props->push_back(PropView{propid, p, length});
        p += length;
        left -= length;
    }
    return true;
}

bool Parse(const QByteArray& blob, std::vector<StoredProp>* props) {
    std::vector<PropView> views;
    if (!ParseViews(blob, &views)) return false;
    props->clear();
    for (const PropView& v : views) {
        props->push_back(StoredProp{v.propid, QByteArray(v.data, static_cast<qsizetype>(v.size))});
    }
    return true;
}

bool Encode(const CEPROPVAL& v, QByteArray* data) {
    switch (TypeFromPropID(v.propid)) {
    case CEVT_I2:
    case CEVT_UI2: {
        const WORD w = v.val.uiVal;
        const char b[2] = {static_cast<char>(w), static_cast<char>(w >> 8)};
        *data = QByteArray(b, 2);
        return true;
    }
    case CEVT_I4:
    case CEVT_UI4:
        data->clear();
        PutU32(*data, v.val.ulVal);
        return true;
    case CEVT_LPWSTR: {
        if (!v.val.lpwstr) return false;
        // Stop at the limit so an unterminated string is refused, not read without end.
        std::size_t n = 0;
        while (v.val.lpwstr[n] != 0) {
            if (++n * 2 > CEDB_MAXPROPDATASIZE) return false;
        }
        *data = QByteArray(reinterpret_cast<const char*>(v.val.lpwstr), static_cast<qsizetype>(n * 2));
        return true;
    }
    case CEVT_BLOB:
        if (v.val.blob.dwCount > CEDB_MAXPROPDATASIZE) return false;
        if (v.val.blob.dwCount > 0 && !v.val.blob.lpb) return false;
        *data = QByteArray(reinterpret_cast<const char*>(v.val.blob.lpb),
                           static_cast<qsizetype>(v.val.blob.dwCount));
        return true;
    default:
        return false;
    }
}

SortKey KeyOf(const std::vector<StoredProp>& props, CEPROPID sortPropid) {
    SortKey key;
    for (const StoredProp& p : props) {
        if (p.propid != sortPropid) continue;
        key.m = 1;
        const auto* u = reinterpret_cast<const unsigned char*>(p.data.constData());
        switch (TypeFromPropID(p.propid)) {
        case CEVT_I2: key.number = static_cast<short>(u[0] | u[1] << 8); break;
        case CEVT_UI2: key.number = static_cast<WORD>(u[0] | u[1] << 8); break;
        case CEVT_I4: key.number = static_cast<LONG>(GetU32(p.data.constData())); break;
        case CEVT_UI4: key.number = GetU32(p.data.constData()); break;
        case CEVT_LPWSTR:
            key.isText = true;
            key.text = QString(reinterpret_cast<const QChar*>(p.data.constData()), p.data.size() / 2);
            break;
        default: break;
        }
    }
    return key;
}

bool KeyOfValue(const CEPROPVAL& v, CEPROPID sortPropid, SortKey* key) {
    if (v.propid != sortPropid) return false;
    QByteArray data;
    if (!Encode(v, &data)) return false;
    *key = KeyOf({StoredProp{v.propid, data}}, sortPropid);
    return key->m == 1;
}

void BindKey(Statement& st, int index, const SortKey& key) {
    if (key.isText) {
        st.bind(index, key.text);
    } else {
        st.bind(index, static_cast<std::int64_t>(key.number));
    }
}

}  // namespace za::objectstore::detail
