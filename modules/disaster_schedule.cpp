// The scheduled disasters: the host calls these exports by name, again and again, from the
// four time triggers that a new game creates. Each strikes a random typed position (x and y in
// 0..255) while its schedule is switched on; a switched-off one draws nothing.
#include <cstdint>

#include "mission/save_region.h"
#include "modules/disaster.h"

namespace {

bool scheduled(std::uint32_t bit) {
    return testBit(&commandState.disasterEnabled, bit);
}

// The draws of one position run from its y to its x, as they run from the host call's last
// argument to its first.
LOCATION drawPoint() {
    const auto y = static_cast<std::uint32_t>(PellanGame::GetRand(256));
    const auto x = static_cast<std::uint32_t>(PellanGame::GetRand(256));
    return qvn::toInternal({x, y});
}

// A disaster that strikes one random position: the magnitude is drawn before the position.
template <class Kind>
void strikeRandomPoint(std::uint32_t bit) {
    if (!scheduled(bit)) return;
    const int magnitude = Kind::drawMagnitude();
    Kind::strike(drawPoint(), magnitude);
}

// A disaster that runs between two random positions: the draws run from the host call's last
// argument to its first, so the end comes first, then the magnitude, then the start.
template <class Kind>
void strikeRandomPath(std::uint32_t bit) {
    if (!scheduled(bit)) return;
    const LOCATION to = drawPoint();
    const int magnitude = Kind::drawMagnitude();
    const LOCATION from = drawPoint();
    Kind::strike(from, magnitude, to);
}

}  // namespace

extern "C" {

void Storms() {
    strikeRandomPath<qvn::Storm>(qvn::stormBit);
}

void Meteor() {
    strikeRandomPoint<qvn::Meteor>(qvn::meteorBit);
}

void Vortex() {
    strikeRandomPath<qvn::Vortex>(qvn::vortexBit);
}

void Quake() {
    strikeRandomPoint<qvn::Quake>(qvn::quakeBit);
}

}  // extern "C"
