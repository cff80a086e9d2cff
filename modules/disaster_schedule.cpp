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

}  // namespace

extern "C" {

void Storms() {
    if (!scheduled(qvn::stormBit)) return;
    const LOCATION to = drawPoint();
    const int magnitude = qvn::Storm::drawMagnitude();
    const LOCATION from = drawPoint();
    qvn::Storm::strike(from, magnitude, to);
}

void Meteor() {
    if (!scheduled(qvn::meteorBit)) return;
    const int magnitude = qvn::Meteor::drawMagnitude();
    qvn::Meteor::strike(drawPoint(), magnitude);
}

void Vortex() {
    if (!scheduled(qvn::vortexBit)) return;
    const LOCATION to = drawPoint();
    const int magnitude = qvn::Vortex::drawMagnitude();
    const LOCATION from = drawPoint();
    qvn::Vortex::strike(from, magnitude, to);
}

void Quake() {
    if (!scheduled(qvn::quakeBit)) return;
    const int magnitude = qvn::Quake::drawMagnitude();
    qvn::Quake::strike(drawPoint(), magnitude);
}

}  // extern "C"
