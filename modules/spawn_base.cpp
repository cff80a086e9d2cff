#include "modules/spawn_base.h"

#include <ostream>

#include "host/kestrane.h"
#include "message/qv_ostream.h"
#include "message/report.h"

namespace qvn {

namespace {

constexpr int kLightsOn = 1;
// Passed through to the host as the last argument of every vehicle it creates.
constexpr int kCreateUnitLast = 0;

bool isEmpty(FightGroup& group) {
    GroupEnumerator units(group);
    Unit unit;
    return units.GetNext(unit) == 0;
}

// Every vehicle of the definition, lit and taken into the group; false (reported) at the first
// vehicle that the host refuses.
bool createVehicles(FightGroup& group, const GroupDef& def, const SpawnLocation& location,
                    std::int32_t owner) {
    for (const UnitSpec& unitSpec : def.specs) {
        if (unitSpec.count == 0) break;
        for (int i = 0; i < unitSpec.count; ++i) {
            Unit vehicle;
            if (PellanGame::CreateUnit(vehicle, unitSpec.vehicleType, LOCATION(location.x, location.y),
                                       owner, unitSpec.secondType, kCreateUnitLast) == 0) {
                report(category::internal, reportText::internalFailure);
                return false;
            }
            vehicle.DoSetLights(kLightsOn);
            group.TakeUnit(vehicle);
        }
    }
    return true;
}

}  // namespace

void SpawnBase::interact(int op, int) {
    reportNotSupported(op);
}

int SpawnBase::request(int op) {
    return refuseRequest(op);
}

bool SpawnBase::spawnGroup(std::uint8_t definition) {
    // A table count beyond the table (only a damaged saved game holds one) counts as full.
    if (state->fightGroupCount >= kFightGroups) pruneGroups();
    if (state->fightGroupCount >= kFightGroups) {
        report(category::logic, reportText::bufferOverflow);
        return false;
    }
    const SpawnLocation* location = drawLocation();
    if (location == nullptr) return false;
    std::int32_t owner = 0;
    if (!pickEnemyPlayer(owner)) return false;

    // The group is ordered to attack before it holds any vehicle.
    FightGroup& group = state->fightGroups[state->fightGroupCount];
    group = CreateFightGroup(Player[owner]);
    group.DoAttackEnemy();
    ++state->fightGroupCount;

    return createVehicles(group, state->groupDefs[definition], *location, owner);
}

void SpawnBase::pruneGroups() {
    std::uint8_t& count = state->fightGroupCount;
    FightGroup* groups = state->fightGroups;
    for (int i = 0; i < count && i < kFightGroups;) {
        if (!isEmpty(groups[i])) {
            ++i;
            continue;
        }
        groups[i].Destroy();
        for (int later = i + 1; later < count && later < kFightGroups; ++later) {
            groups[later - 1] = groups[later];
        }
        --count;
    }
}

void SpawnBase::announceReinforcements() {
    messageStream.rdbuf()->sound = news::enemyReinforcements.sound;
    messageStream << news::enemyReinforcements.text << std::flush;
}

const SpawnLocation* SpawnBase::drawLocation() {
    int total = 0;
    for (const SpawnLocation& location : state->spawnLocations) total += location.weight;
    if (total == 0) {
        report(category::logic, reportText::externalDataRequired);
        return nullptr;
    }
    // The first location whose weight exceeds what is left of the draw. Should the host answer
    // outside its range, the last set location takes it; an unset one is never chosen.
    int rest = PellanGame::GetRand(total);
    int chosen = 0;
    for (int i = 0; i < kSlots; ++i) {
        const int weight = state->spawnLocations[i].weight;
        if (weight == 0) continue;
        chosen = i;
        if (weight > rest) break;
        rest -= weight;
    }
    return &state->spawnLocations[chosen];
}

bool SpawnBase::pickEnemyPlayer(std::int32_t& player) {
    if (state->enemyPlayer == 0) {
        std::uint32_t found = 0;
        if (!findAIPlayer(found)) return false;
        state->enemyPlayer = static_cast<std::int32_t>(found);
    }
    player = state->enemyPlayer;
    return true;
}

}  // namespace qvn
