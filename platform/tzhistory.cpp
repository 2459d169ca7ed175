#include "tzhistory.h"

#include "tzderive.h"
#include "tzstore.h"
#include "tzyears.h"

#include <QDataStream>
#include <QDateTime>
#include <QHash>
#include <QIODevice>
#include <QMutex>
#include <QTimeZone>
#include <QtEndian>

#include <algorithm>
#include <iterator>

namespace za::tz {
namespace {

QDateTime Utc(std::int64_t seconds) { return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()); }

// Offsets never reach a day, so every wall-clock reading of an instant lies within a day of it.
constexpr std::int64_t kDay = 86400;

}  // namespace

std::shared_ptr<const ZoneHistory> ZoneHistory::Of(const QByteArray& tzId) {
    static QMutex mutex;
    static QHash<QByteArray, std::shared_ptr<const ZoneHistory>> cache;
    {
        const QMutexLocker lock(&mutex);
        const auto it = cache.constFind(tzId);
        if (it != cache.constEnd()) return *it;
    }
    const QByteArray key = "history:" + tzId;
    DerivedStore& store = DerivedStore::Shared();
    std::shared_ptr<const ZoneHistory> kept = FromBytes(tzId, store.Find(key));
    if (kept) {
        const QMutexLocker lock(&mutex);
        cache.insert(tzId, kept);
        return kept;
    }
    std::shared_ptr<ZoneHistory> history;
    const QTimeZone zone(tzId);
    if (zone.isValid()) {
        history.reset(new ZoneHistory);
        history->m_tzId = tzId;
        history->m_from = YearStart(kFirstRuleYear);
        history->m_to = YearStart(kLastRuleYear + 1);
        struct Raw {
            std::int64_t from;
            int offset;
            int saving;
        };
        std::vector<Raw> raw;
        const QTimeZone::OffsetData first = zone.offsetData(Utc(history->m_from - 1));
        raw.push_back({history->m_from - 1, first.offsetFromUtc, first.daylightTimeOffset});
        for (const QTimeZone::OffsetData& t : zone.transitions(Utc(history->m_from), Utc(history->m_to - 1))) {
            const std::int64_t at = t.atUtc.toSecsSinceEpoch();
            if (at < history->m_from || at >= history->m_to) continue;
            if (t.offsetFromUtc == raw.back().offset && t.daylightTimeOffset == raw.back().saving) continue;
            raw.push_back({at, t.offsetFromUtc, t.daylightTimeOffset});
        }
        // A negative saving marks the tz database's winter time of a zone whose summer time
        // is its legal standard time (Dublin): shown the usual way round, the winter is
        // standard and the summer next to it daylight time.
        auto negativeNeighbour = [&raw](size_t i) {
            const auto lower = [&](size_t j) { return raw[j].saving < 0 && raw[j].offset < raw[i].offset; };
            return (i > 0 && lower(i - 1)) || (i + 1 < raw.size() && lower(i + 1));
        };
        for (size_t i = 0; i < raw.size(); ++i) {
            const bool daylight = raw[i].saving > 0 || (raw[i].saving == 0 && negativeNeighbour(i));
            if (!history->m_periods.empty() && history->m_periods.back().offset == raw[i].offset &&
                history->m_periods.back().daylight == daylight) {
                continue;
            }
            history->m_periods.push_back({raw[i].from, raw[i].offset, daylight});
        }
        store.Keep(key, history->ToBytes());
    }
    const QMutexLocker lock(&mutex);
    cache.insert(tzId, history);
    return history;
}

QByteArray ZoneHistory::ToBytes() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<qint64>(m_from) << static_cast<qint64>(m_to) << static_cast<quint32>(m_periods.size());
    for (const Period& p : m_periods) out << static_cast<qint64>(p.from) << static_cast<qint32>(p.offset) << p.daylight;
    return bytes;
}

std::shared_ptr<const ZoneHistory> ZoneHistory::FromBytes(const QByteArray& tzId, const QByteArray& bytes) {
    // As ToBytes's stream writes them (big-endian), read in place: a stream's reads of a
    // hundred periods cost more than deriving a small zone.
    constexpr qsizetype kHead = 20, kPeriod = 13;
    if (bytes.size() < kHead) return nullptr;
    const uchar* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 from = qFromBigEndian<qint64>(data);
    const qint64 to = qFromBigEndian<qint64>(data + 8);
    const quint32 count = qFromBigEndian<quint32>(data + 16);
    if (count == 0 || from >= to || bytes.size() != kHead + qsizetype(count) * kPeriod) return nullptr;
    std::shared_ptr<ZoneHistory> history(new ZoneHistory);
    history->m_tzId = tzId;
    history->m_from = from;
    history->m_to = to;
    history->m_periods.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const uchar* p = data + kHead + qsizetype(i) * kPeriod;
        const qint64 start = qFromBigEndian<qint64>(p);
        const qint32 offset = qFromBigEndian<qint32>(p + 8);
        if (p[12] > 1) return nullptr;
        // The first period holds from before the history; the others begin in turn within it.
        if (i > 0 && (start <= history->m_periods.back().from || start < from || start >= to)) return nullptr;
        history->m_periods.push_back({start, offset, p[12] == 1});
    }
    return history;
}

const ZoneHistory::Period& ZoneHistory::PeriodAt(std::int64_t utc) const {
    const auto it = std::upper_bound(m_periods.begin() + 1, m_periods.end(), utc,
                                     [](std::int64_t value, const Period& p) { return value < p.from; });
    return *std::prev(it);
}

int ZoneHistory::OffsetAt(std::int64_t utc) const { return PeriodAt(utc).offset; }

bool ZoneHistory::IsDaylightAt(std::int64_t utc) const { return PeriodAt(utc).daylight; }

std::int64_t ZoneHistory::LocalToUtc(std::int64_t local, LocalKind* kind) const {
    const auto begin = std::prev(std::upper_bound(m_periods.begin() + 1, m_periods.end(), local - 2 * kDay,
                                                  [](std::int64_t value, const Period& p) { return value < p.from; }));
    int matches = 0;
    std::int64_t first = 0;
    std::int64_t gap = 0;
    bool inGap = false;
    for (auto it = begin; it != m_periods.end() && it->from <= local + 2 * kDay; ++it) {
        const auto next = std::next(it);
        const std::int64_t start = it == m_periods.begin() ? local - 2 * kDay : it->from + it->offset;
        const bool last = next == m_periods.end();
        const std::int64_t end = last ? local + 2 * kDay : next->from + it->offset;
        if (local >= start && local < end) {
            if (matches++ == 0) first = local - it->offset;
        } else if (!last && local >= end && local < next->from + next->offset) {
            // The clocks went from `end` straight on to next->from + next->offset.
            inGap = true;
            gap = local - it->offset;
        }
    }
    if (matches > 0) {
        if (kind) *kind = matches > 1 ? LocalKind::Repeated : LocalKind::Unique;
        return first;
    }
    if (kind) *kind = inGap ? LocalKind::Skipped : LocalKind::Unique;
    return inGap ? gap : local - OffsetAt(local);
}

}  // namespace za::tz
