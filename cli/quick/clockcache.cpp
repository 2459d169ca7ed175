#include "clockcache.h"

#include "cachebytes.h"

#include "checkrecord.h"
#include "fnv1a.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <cwctype>

namespace cli::quick {

namespace {

constexpr char kMagic[8] = {'Z', 'A', 'C', 'L', 'O', 'C', 'K', '\n'};
constexpr std::uint32_t kFormat = 1;

// A number in the locale's digits, at least `width` of them.
bool Number(const Formats& f, int value, int width, std::u16string* out) {
    std::string digits = std::to_string(value);
    while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
    if (f.zero.size() != 1) return false;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        *out += static_cast<char16_t>(f.zero[0] + (c - '0'));
    }
    return true;
}

// QLocale's rendering of a date pattern: d, dd, ddd, dddd; M to MMMM; yy and yyyy; text
// between single quotes, '' for a quote. Any other letter is refused.
bool RenderDate(const Formats& f, const std::u16string& p, const LocalTime& t, std::u16string* out) {
    const std::size_t n = p.size();
    for (std::size_t i = 0; i < n;) {
        const char16_t c = p[i];
        if (c == u'\'') {
            if (i + 1 < n && p[i + 1] == u'\'') {
                *out += u'\'';
                i += 2;
                continue;
            }
            std::size_t j = i + 1;
            while (j < n) {
                if (p[j] == u'\'') {
                    if (j + 1 < n && p[j + 1] == u'\'') {
                        *out += u'\'';
                        j += 2;
                        continue;
                    }
                    break;
                }
                *out += p[j++];
            }
            i = j + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < n && p[i + run] == c) ++run;
        if (c == u'd' || c == u'M') {
            if (run > 4) run = 4;
            const bool day = c == u'd';
            const int value = day ? t.day : t.month;
            if (run <= 2) {
                if (!Number(f, value, static_cast<int>(run), out)) return false;
            } else if (day) {
                *out += run == 3 ? f.days[t.weekday] : f.longDays[t.weekday];
            } else {
                *out += run == 3 ? f.months[t.month - 1] : f.longMonths[t.month - 1];
            }
        } else if (c == u'y') {
            if (run == 1 || t.year < 1000) return false;
            run = run >= 4 ? 4 : 2;
            if (!Number(f, run == 4 ? t.year : t.year % 100, static_cast<int>(run), out)) return false;
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
            return false;
        } else {
            out->append(run, c);
        }
        i += run;
    }
    return true;
}

// The time picture, as the complete command line renders it (localetext.cpp, RenderTime).
bool RenderTime(const Formats& f, const LocalTime& t, std::u16string* out) {
    const std::u16string& p = f.timePicture;
    const std::size_t n = p.size();
    const bool ownDigits = f.zero.size() == 1 && f.zero[0] != u'0';
    auto two = [&](int v, std::size_t run) {
        Formats ascii;
        ascii.zero = u"0";
        return Number(ownDigits ? f : ascii, v, run >= 2 ? 2 : 1, out);
    };
    for (std::size_t i = 0; i < n;) {
        const char16_t c = p[i];
        if (c == u'\'') {
            std::size_t j = i + 1;
            while (j < n && p[j] != u'\'') *out += p[j++];
            i = j + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < n && p[i + run] == c) ++run;
        bool ok = true;
        switch (c) {
        case u'h': {
            const int h = t.hour % 12;
            ok = two(h == 0 ? 12 : h, run);
            break;
        }
        case u'H': ok = two(t.hour, run); break;
        case u'm': ok = two(t.minute, run); break;
        case u's': ok = false; break;  // the picture is without seconds
        case u't': {
            const std::u16string& marker = t.hour < 12 ? f.am : f.pm;
            *out += run >= 2 ? marker : marker.substr(0, 1);
            break;
        }
        default: out->append(run, c); break;
        }
        if (!ok) return false;
        i += run;
    }
    return true;
}

// Days since 1970-01-01 to the civil date (Howard Hinnant's algorithm, "chrono-Compatible
// Low-Level Date Algorithms").
void CivilFromDays(std::int64_t z, int* y, int* m, int* d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    *d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    *m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    *y = static_cast<int>(yoe + era * 400 + (*m <= 2 ? 1 : 0));
}

void PutEnv(std::string& key, const char* name) {
    const char* value = std::getenv(name);
    key += name;
    key += value ? "=" + std::string(value) : std::string(" unset");
    key += '\n';
}

}  // namespace

void PutFormats(std::string& out, const Formats& f) {
    PutText(out, f.datePattern);
    for (const auto& t : f.months) PutText(out, t);
    for (const auto& t : f.longMonths) PutText(out, t);
    for (const auto& t : f.days) PutText(out, t);
    for (const auto& t : f.longDays) PutText(out, t);
    for (const auto* t : {&f.zero, &f.timePicture, &f.am, &f.pm, &f.daylightMark}) PutText(out, *t);
}

Formats ReadFormats(Reader& r) {
    Formats f;
    f.datePattern = r.text();
    for (auto& t : f.months) t = r.text();
    for (auto& t : f.longMonths) t = r.text();
    for (auto& t : f.days) t = r.text();
    for (auto& t : f.longDays) t = r.text();
    for (auto* t : {&f.zero, &f.timePicture, &f.am, &f.pm, &f.daylightMark}) *t = r.text();
    return f;
}

void PutPeriods(std::string& out, const std::vector<Period>& periods) {
    PutU32(out, static_cast<std::uint32_t>(periods.size()));
    for (const Period& p : periods) {
        PutI64(out, p.start);
        PutU32(out, static_cast<std::uint32_t>(p.offset));
        PutU32(out, p.daylight ? 1 : 0);
    }
}

bool ReadPeriods(Reader& r, std::vector<Period>* periods) {
    const std::uint32_t n = r.u32();
    periods->clear();
    for (std::uint32_t j = 0; j < n && r.ok(); ++j) {
        Period p;
        p.start = r.i64();
        p.offset = static_cast<std::int32_t>(r.u32());
        const std::uint32_t daylight = r.u32();
        if (daylight > 1 || (!periods->empty() && p.start <= periods->back().start)) return false;
        p.daylight = daylight == 1;
        periods->push_back(p);
    }
    return r.ok();
}

void PutChecksum(std::string& out) { PutI64(out, static_cast<std::int64_t>(za::Fnv1a(out.data(), out.size()))); }

bool ChecksumHolds(const std::string& bytes, const char (&magic)[8]) {
    if (bytes.size() < sizeof magic + 12 || std::memcmp(bytes.data(), magic, sizeof magic) != 0) return false;
    const std::size_t body = bytes.size() - 8;
    Reader sum(bytes.data() + body, 8);
    return static_cast<std::uint64_t>(sum.i64()) == za::Fnv1a(bytes.data(), body);
}

std::string Serialise(const ClockCache& c) {
    std::string out = Head(kMagic, kFormat, c);
    PutI64(out, c.from);
    PutI64(out, c.until);
    PutU32(out, static_cast<std::uint32_t>(c.zones.size()));
    for (const CachedZone& z : c.zones) {
        PutText(out, z.name);
        PutU32(out, static_cast<std::uint32_t>(z.zoneId));
        PutPeriods(out, z.periods);
    }
    PutChecksum(out);
    return out;
}

bool Parse(const std::string& bytes, ClockCache* c) {
    if (!ChecksumHolds(bytes, kMagic)) return false;
    Reader r(bytes.data() + sizeof kMagic, bytes.size() - 8 - sizeof kMagic);
    if (!ReadHead(r, kFormat, c)) return false;
    c->from = r.i64();
    c->until = r.i64();
    const std::uint32_t zones = r.u32();
    c->zones.clear();
    for (std::uint32_t i = 0; i < zones && r.ok(); ++i) {
        CachedZone z;
        z.name = r.text();
        z.zoneId = static_cast<std::int32_t>(r.u32());
        if (!ReadPeriods(r, &z.periods)) return false;
        c->zones.push_back(std::move(z));
    }
    return r.done() && c->from < c->until;
}

std::string EnvironmentKey() {
    std::string key = "zonaria " ZONARIA_VERSION "\n";
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LC_NUMERIC", "LC_TIME", "LC_MONETARY", "LC_MESSAGES", "LANG",
                             "LANGUAGE", "TZDIR"}) {
        PutEnv(key, name);
    }
    return key;
}

std::string TzStamp() {
    const char* dir = std::getenv("TZDIR");
    const std::string folder = dir && *dir ? dir : "/usr/share/zoneinfo";
    return za::device::FileIdentity(folder + "/tzdata.zi");
}

// A UTF-16 unit as Qt folds it (Unicode's simple case folding): the C library's lower case,
// but for the letters where the two differ (CaseFolding.txt against UnicodeData.txt).
std::uint32_t FoldedUnit(char16_t c, locale_t utf8) {
    switch (c) {
    case 0x0130: return 0x0130;  // İ has no simple folding
    case 0x00B5: return 0x03BC;
    case 0x017F: return 0x0073;
    case 0x0345: return 0x03B9;
    case 0x03C2: return 0x03C3;
    case 0x03D0: return 0x03B2;
    case 0x03D1: return 0x03B8;
    case 0x03D5: return 0x03C6;
    case 0x03D6: return 0x03C0;
    case 0x03F0: return 0x03BA;
    case 0x03F1: return 0x03C1;
    case 0x03F5: return 0x03B5;
    case 0x1C80: return 0x0432;  // the old Cyrillic letter forms, 1C80 to 1C88
    case 0x1C81: return 0x0434;
    case 0x1C82: return 0x043E;
    case 0x1C83: return 0x0441;
    case 0x1C84: return 0x0442;
    case 0x1C85: return 0x0442;
    case 0x1C86: return 0x044A;
    case 0x1C87: return 0x0463;
    case 0x1C88: return 0xA64B;
    case 0x1E9B: return 0x1E61;
    case 0x1FBE: return 0x03B9;
    default: break;
    }
    // Cherokee folds to its capitals, which the C library lowers instead.
    if (c >= 0x13F8 && c <= 0x13FD) return c - 8u;
    if (c >= 0xAB70 && c <= 0xABBF) return c - 0xAB70u + 0x13A0u;
    if (c >= 0x13A0 && c <= 0x13F5) return c;
    return static_cast<std::uint32_t>(towlower_l(static_cast<wint_t>(c), utf8)) & 0xFFFF;
}

const Period* PeriodAt(const std::vector<Period>& periods, std::int64_t t) {
    const Period* found = nullptr;
    for (const Period& p : periods) {
        if (p.start > t) break;
        found = &p;
    }
    return found;
}

LocalTime LocalTimeOf(std::int64_t s) {
    std::int64_t days = s / 86400;
    std::int64_t rest = s % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    LocalTime t;
    CivilFromDays(days, &t.year, &t.month, &t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.weekday = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    return t;
}

bool RenderShortDateTime(const Formats& f, const LocalTime& t, bool daylight, std::u16string* out) {
    // The parts are cut as the complete command line cuts them: to 15 and 31 characters.
    std::u16string date, time;
    if (!RenderDate(f, f.datePattern, t, &date) || !RenderTime(f, t, &time)) return false;
    *out = date.substr(0, 15) + u' ' + time.substr(0, 31);
    if (daylight) *out += f.daylightMark;
    return true;
}

bool RenderDatePattern(const Formats& f, const std::u16string& pattern, const LocalTime& t, std::u16string* out) {
    out->clear();
    return RenderDate(f, pattern, t, out);
}

bool RenderTimeText(const Formats& f, const LocalTime& t, bool daylight, std::u16string* out) {
    std::u16string time;
    if (!RenderTime(f, t, &time)) return false;
    *out = time.substr(0, 31);
    if (daylight) *out += f.daylightMark;
    return true;
}

std::string Utf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;  // a lone half, as Qt writes it
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool FromUtf8(const std::string& bytes, std::u16string* text) {
    text->clear();
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        std::uint32_t c = p[i];
        std::size_t extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 4;
        if (extra == 4) return false;
        c &= extra == 0 ? 0x7F : extra == 1 ? 0x1F : extra == 2 ? 0x0F : 0x07;
        for (std::size_t k = 1; k <= extra; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80) return false;
            c = c << 6 | (p[i + k] & 0x3F);
        }
        static const std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
        if (c >= 0x10000) {
            c -= 0x10000;
            *text += static_cast<char16_t>(0xD800 + (c >> 10));
            *text += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            *text += static_cast<char16_t>(c);
        }
        i += extra + 1;
    }
    return true;
}

}  // namespace cli::quick
