// The meteor shower: ten strikes near buildings of the human colonies, the first when it is
// announced and one more each time the shower's timer fires.
#include <cstdint>
#include <ostream>
#include <vector>

#include "message/qv_ostream.h"
#include "message/report_texts.h"
#include "modules/disaster.h"
#include "modules/evnt.h"

namespace qvn {

namespace {

// The structure types whose buildings a shower aims at, in the order they are collected.
constexpr map_id kStrikeTargetTypes[] = {28, 47, 48, 54, 38, 58, 35, 55, 39};

// Each strike lands up to this many tiles from its building on each axis.
constexpr int kStrikeSpread = 25;

constexpr int kStrikeDelayMin = 100;
constexpr int kStrikeDelayMax = 200;

int drawOffset() {
    return PellanGame::GetRand(2 * kStrikeSpread + 1) - kStrikeSpread;
}

}  // namespace

// A shower already running is left alone: no draw, no message.
void Evnt::meteorShower() {
    if (testBit(&state->eventFlags, showerRunning)) return;
    Unit targets[kShowerStrikes];
    if (!pickStrikeTargets(targets)) return;
    for (int i = 0; i < kShowerStrikes; ++i) {
        const LOCATION building = targets[i].Location();
        const int dx = drawOffset();
        const int dy = drawOffset();
        state->swarmTargets[i] = LOCATION(building.x + dx, building.y + dy);
    }
    Meteor::strike(state->swarmTargets[0], Meteor::drawMagnitude());
    state->swarmStrikes = 1;
    setBit(&state->eventFlags, showerRunning);
    state->swarmTimer = CreateTimeTrigger(1, 0, kStrikeDelayMin, kStrikeDelayMax, swarmCallback);

    messageStream.rdbuf()->sound = news::meteorShower.sound;
    messageStream << news::meteorShower.text << std::flush;
}

// Every building of the human players of a strike target type is a candidate, collected player
// by player and type by type; each of the targets is drawn from them, repeats allowed. Fails
// without a report when there is no candidate.
bool Evnt::pickStrikeTargets(Unit (&targets)[kShowerStrikes]) {
    std::uint32_t humans = 0;
    if (!findHumanPlayers(humans)) return false;
    std::vector<Unit> candidates;
    for (std::uint32_t player = 0; player < humans; ++player) {
        for (const map_id type : kStrikeTargetTypes) {
            PlayerBuildingEnum buildings(static_cast<int>(player), type);
            Unit building;
            while (buildings.GetNext(building)) candidates.push_back(building);
        }
    }
    if (candidates.empty()) return false;
    for (Unit& target : targets) {
        target = candidates[PellanGame::GetRand(static_cast<int>(candidates.size()))];
    }
    return true;
}

void Evnt::strikeShower() {
    if (!testBit(&state->eventFlags, showerRunning)) return;
    const std::int32_t strike = state->swarmStrikes;
    // A count outside the targets (only a damaged saved game holds one) ends the shower
    // without a strike.
    if (strike >= 0 && strike < kShowerStrikes) {
        state->swarmStrikes = strike + 1;
        Meteor::strike(state->swarmTargets[strike], Meteor::drawMagnitude());
        if (state->swarmStrikes < kShowerStrikes) return;
    }
    state->swarmTimer.Destroy();
    clearBit(&state->eventFlags, showerRunning);
}

}  // namespace qvn
