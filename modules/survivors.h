// The survivor groups that the colony event "additional survivors" may bring onto the map.
#pragma once

#include <cstdint>

#include "host/kestrane.h"

namespace qvn {

// One unit: host tile position, unit type and cargo type (host map_id numbers) and the last
// argument of the host's CreateUnit.
struct SurvivorUnit {
    std::int32_t x;
    std::int32_t y;
    std::int32_t unitType;
    std::int32_t cargoType;
    std::int32_t extra;
};

struct SurvivorGroup {
    const SurvivorUnit* units;
    std::int32_t count;
};

constexpr std::int32_t kSurvivorGroupCount = 1;

// The cargo of the survivors' vehicles follows the colony of the build.
extern const SurvivorGroup survivorGroups[kSurvivorGroupCount];

}  // namespace qvn
