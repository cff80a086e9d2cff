#include "sim/random.h"

#include <algorithm>

namespace sim {

int RandSource::draw(int range, HostGenerator& generator) {
    std::uint32_t value;
    if (!queue_.empty()) {
        value = queue_.front();
        queue_.pop_front();
    } else {
        value = static_cast<std::uint32_t>(generator.next());
    }
    if (range <= 0) return 0;
    return static_cast<int>(value % static_cast<std::uint32_t>(range));
}

int chooseDelay(int minDelay, int maxDelay, DelayMode mode, HostGenerator& generator) {
    switch (mode) {
    case DelayMode::min: return minDelay;
    case DelayMode::max: return maxDelay;
    case DelayMode::random: break;
    }
    const std::int64_t low = std::min(minDelay, maxDelay);
    const std::int64_t high = std::max(minDelay, maxDelay);
    // Two draws give 30 bits, enough for any delay a mission asks for.
    const std::int64_t bits = (static_cast<std::int64_t>(generator.next()) << 15) | generator.next();
    return static_cast<int>(low + bits % (high - low + 1));
}

}  // namespace sim
