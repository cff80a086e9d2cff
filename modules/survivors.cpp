// The survivor table of this build: only the cargo of the vehicles depends on the colony.
#include "modules/survivors.h"

#include "builds/build_config.h"

namespace qvn {

namespace {

constexpr std::int32_t kLoadCargo = build::edenColony ? 62 : 61;
constexpr std::int32_t kLastCargo = build::edenColony ? 70 : 59;

const SurvivorUnit survivorUnits[] = {
    {104, 34, 1, 0, 5},
    {98, 37, 5, kLoadCargo, 2},
    {99, 37, 5, kLoadCargo, 6},
    {91, 38, 5, kLoadCargo, 4},
    {102, 36, 6, kLastCargo, 8},
};

}  // namespace

const SurvivorGroup survivorGroups[kSurvivorGroupCount] = {
    {survivorUnits, sizeof survivorUnits / sizeof survivorUnits[0]},
};

}  // namespace qvn
