// The bytes of the quick command line's caches: little-endian numbers, texts as UTF-16 units,
// and an FNV-1a checksum over all before it at the end.
#pragma once

#include "clockcache.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cli::quick {

inline void PutU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i));
}
inline void PutI64(std::string& out, std::int64_t v) {
    const auto u = static_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i) out += static_cast<char>(u >> (8 * i));
}
inline void PutBytes(std::string& out, const std::string& bytes) {
    PutU32(out, static_cast<std::uint32_t>(bytes.size()));
    out += bytes;
}
inline void PutText(std::string& out, const std::u16string& text) {
    PutU32(out, static_cast<std::uint32_t>(text.size()));
    for (const char16_t c : text) {
        out += static_cast<char>(c);
        out += static_cast<char>(c >> 8);
    }
}

// Reads what PutX wrote; every read fails once one has.
class Reader {
public:
    Reader(const char* p, std::size_t n, bool ok = true) : m_p(p), m_left(n), m_ok(ok) {}
    bool ok() const { return m_ok; }
    bool done() const { return m_ok && m_left == 0; }
    std::size_t left() const { return m_left; }
    bool skip(std::size_t n) { return take(n); }
    std::uint32_t u32() {
        std::uint32_t v = 0;
        if (!take(4)) return 0;
        for (int i = 0; i < 4; ++i) v |= std::uint32_t(static_cast<unsigned char>(m_at[i])) << (8 * i);
        return v;
    }
    std::int64_t i64() {
        std::uint64_t v = 0;
        if (!take(8)) return 0;
        for (int i = 0; i < 8; ++i) v |= std::uint64_t(static_cast<unsigned char>(m_at[i])) << (8 * i);
        return static_cast<std::int64_t>(v);
    }
    std::string bytes() {
        const std::uint32_t n = u32();
        if (!take(n)) return {};
        return std::string(m_at, n);
    }
    std::u16string text() {
        const std::uint32_t n = u32();
        if (n > m_left / 2 || !take(std::size_t(n) * 2)) {
            m_ok = false;
            return {};
        }
        std::u16string t(n, u'\0');
        for (std::uint32_t i = 0; i < n; ++i) {
            t[i] = static_cast<char16_t>(static_cast<unsigned char>(m_at[2 * i]) |
                                         static_cast<unsigned char>(m_at[2 * i + 1]) << 8);
        }
        return t;
    }

private:
    bool take(std::size_t n) {
        if (!m_ok || n > m_left) {
            m_ok = false;
            return false;
        }
        m_at = m_p;
        m_p += n;
        m_left -= n;
        return true;
    }
    const char* m_p;
    const char* m_at = nullptr;
    std::size_t m_left;
    bool m_ok = true;
};

void PutFormats(std::string& out, const Formats& f);
Formats ReadFormats(Reader& r);
void PutPeriods(std::string& out, const std::vector<Period>& periods);
// False for periods out of order.
bool ReadPeriods(Reader& r, std::vector<Period>* periods);

// What every cache begins with: its magic and format, then its head.
inline std::string Head(const char (&magic)[8], std::uint32_t format, const CacheHead& c) {
    std::string out(magic, sizeof magic);
    PutU32(out, format);
    PutBytes(out, c.key);
    PutBytes(out, c.tzStamp);
    PutU32(out, static_cast<std::uint32_t>(c.schemaVersion));
    PutFormats(out, c.formats);
    return out;
}
inline bool ReadHead(Reader& r, std::uint32_t format, CacheHead* c) {
    if (r.u32() != format) return false;
    c->key = r.bytes();
    c->tzStamp = r.bytes();
    c->schemaVersion = static_cast<std::int32_t>(r.u32());
    c->formats = ReadFormats(r);
    return r.ok();
}

// Appends the checksum of all that `out` holds.
void PutChecksum(std::string& out);
// Whether the bytes begin with the magic and end with the checksum of all before it.
bool ChecksumHolds(const std::string& bytes, const char (&magic)[8]);

}  // namespace cli::quick
