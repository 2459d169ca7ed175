// The search for a zone's next clock change, without Qt so that the quick command line finds
// changes as the core does: a day at a time, then halving down to the second.
#pragma once

#include <cstdint>
#include <optional>

namespace za {

// The first UTC second after `start`, within horizonDays days, whose bias (biasAt(second), in
// minutes) is not start's; none when the bias holds that long. A change and its reversal within
// one day are not seen.
template <typename BiasAt>
std::optional<std::int64_t> NextBiasChange(std::int64_t start, int horizonDays, BiasAt biasAt) {
    constexpr std::int64_t kDay = 86400;
    const int startBias = biasAt(start);
    std::int64_t before = start;
    for (int day = 1; day <= horizonDays; ++day) {
        const std::int64_t probe = start + day * kDay;
        if (biasAt(probe) == startBias) {
            before = probe;
            continue;
        }
        // The bias of `before` is the old one and that of `after` not: halve down to the second.
        std::int64_t after = probe;
        while (after - before > 1) {
            const std::int64_t middle = before + (after - before) / 2;
            (biasAt(middle) == startBias ? before : after) = middle;
        }
        return after;
    }
    return std::nullopt;
}

}  // namespace za
