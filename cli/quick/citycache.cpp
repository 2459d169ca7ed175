#include "citycache.h"

#include "cachebytes.h"
#include "fnv1a.h"

#include <algorithm>
#include <cstring>

namespace cli::quick {

namespace {

constexpr char kMagic[8] = {'Z', 'A', 'C', 'I', 'T', 'Y', '\0', '\n'};
constexpr std::uint32_t kFormat = 1;

std::vector<std::u16string*> Texts(CityTexts& t) {
    std::vector<std::u16string*> all;
    for (auto& l : t.labels) all.push_back(&l);
    for (auto* x : {&t.neverRises, &t.neverSets, &t.noChange, &t.north, &t.south, &t.east, &t.west, &t.forward, &t.back,
                    &t.changeDatePattern}) {
        all.push_back(x);
    }
    for (auto& a : t.amounts) all.push_back(&a);
    return all;
}

// A table of items: their count, each one's offset from the first, then the items.
template <typename Items, typename Put>
void PutTable(std::string& out, const Items& items, Put put) {
    PutU32(out, static_cast<std::uint32_t>(items.size()));
    std::string body;
    for (const auto& item : items) {
        PutU32(out, static_cast<std::uint32_t>(body.size()));
        put(body, item);
    }
    PutBytes(out, body);
}

// Steps over a table, keeping where its offsets begin; false when they do not fit in it.
bool SkipTable(Reader& r, const std::string& bytes, std::size_t* table, std::uint32_t* count) {
    *count = r.u32();
    *table = bytes.size() - 8 - r.left();  // the reader runs over the bytes before the checksum
    if (*count > r.left() / 4) return false;
    for (std::uint32_t i = 0; i < *count; ++i) r.u32();
    const std::uint32_t size = r.u32();
    return r.skip(size);
}

// The i-th item of a table: a reader over it alone.
Reader ItemOf(const std::string& bytes, std::size_t table, std::uint32_t count, std::uint32_t i) {
    auto u32 = [&](std::size_t at) { return Reader(bytes.data() + at, 4).u32(); };
    const std::size_t body = table + 4 * std::size_t(count) + 4;
    const std::uint32_t size = u32(body - 4);
    const std::uint32_t from = u32(table + 4 * std::size_t(i));
    const std::uint32_t to = i + 1 < count ? u32(table + 4 * std::size_t(i + 1)) : size;
    if (from > to || to > size) return Reader(nullptr, 0, false);
    return Reader(bytes.data() + body + from, to - from);
}

}  // namespace

std::string Serialise(const CityCache& c) {
    std::string out = Head(kMagic, kFormat, c);
    CityTexts texts = c.texts;
    for (const std::u16string* t : Texts(texts)) PutText(out, *t);
    PutI64(out, c.from);
    PutI64(out, c.until);
    PutU32(out, static_cast<std::uint32_t>(c.zoneNames.size()));
    for (const ZoneName& z : c.zoneNames) {
        PutU32(out, static_cast<std::uint32_t>(z.zoneId));
        PutText(out, z.name);
    }
    PutTable(out, c.zones, [](std::string& o, const std::vector<Period>& z) { PutPeriods(o, z); });
    PutTable(out, c.shipped, [](std::string& o, const ShippedZone& s) {
        PutText(o, s.name);
        PutU32(o, static_cast<std::uint32_t>(s.zoneId));
        PutU32(o, s.zone);
    });
    PutI64(out, static_cast<std::int64_t>(za::Fnv1aWords(out.data(), out.size())));
    return out;
}

bool Parse(std::string bytes, CityCache* c) {
    if (bytes.size() < sizeof kMagic + 12 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) return false;
    const std::size_t body = bytes.size() - 8;
    Reader sum(bytes.data() + body, 8);
    if (static_cast<std::uint64_t>(sum.i64()) != za::Fnv1aWords(bytes.data(), body)) return false;
    c->bytes = std::move(bytes);
    Reader r(c->bytes.data() + sizeof kMagic, body - sizeof kMagic);
    if (!ReadHead(r, kFormat, c)) return false;
    for (std::u16string* t : Texts(c->texts)) *t = r.text();
    c->from = r.i64();
    c->until = r.i64();
    const std::uint32_t names = r.u32();
    c->zoneNames.clear();
    for (std::uint32_t i = 0; i < names && r.ok(); ++i) {
        ZoneName z;
        z.zoneId = static_cast<std::int32_t>(r.u32());
        z.name = r.text();
        if (!c->zoneNames.empty() && z.zoneId <= c->zoneNames.back().zoneId) return false;
        c->zoneNames.push_back(std::move(z));
    }
    return SkipTable(r, c->bytes, &c->zoneTable, &c->zoneCount) &&
           SkipTable(r, c->bytes, &c->shippedTable, &c->shippedCount) && r.done() && c->from < c->until;
}

bool FindShipped(const CityCache& c, const std::u16string& name, ShippedZone* city) {
    std::uint32_t low = 0, high = c.shippedCount;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        Reader r = ItemOf(c.bytes, c.shippedTable, c.shippedCount, middle);
        ShippedZone s;
        s.name = r.text();
        s.zoneId = static_cast<std::int32_t>(r.u32());
        s.zone = r.u32();
        if (!r.done()) return false;
        if (s.name == name) {
            *city = std::move(s);
            return city->zone < c.zoneCount;
        }
        (s.name < name ? low = middle + 1 : high = middle);
    }
    return false;
}

bool ZoneAt(const CityCache& c, std::uint32_t zone, std::vector<Period>* periods) {
    if (zone >= c.zoneCount) return false;
    Reader r = ItemOf(c.bytes, c.zoneTable, c.zoneCount, zone);
    return ReadPeriods(r, periods) && r.done() && !periods->empty() && periods->front().start <= c.from;
}

const ZoneName* FindZoneName(const CityCache& c, std::int32_t zoneId) {
    const auto it = std::lower_bound(c.zoneNames.begin(), c.zoneNames.end(), zoneId,
                                     [](const ZoneName& z, std::int32_t id) { return z.zoneId < id; });
    return it != c.zoneNames.end() && it->zoneId == zoneId ? &*it : nullptr;
}

std::u16string Filled(const std::u16string& text, const std::u16string& first, const std::u16string& second,
                      const std::u16string& third) {
    std::u16string out;
    for (const char16_t c : text) {
        if (c == kFirst) {
            out += first;
        } else if (c == kSecond) {
            out += second;
        } else if (c == kThird) {
            out += third;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace cli::quick
