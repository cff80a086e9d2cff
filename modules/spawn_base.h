// What the spawn, time and kill modules share: turning a group definition into a live enemy
// attack group at a weighted random spawn location, and the table of those groups.
#pragma once

#include <cstdint>

#include "command/control.h"
#include "mission/save_region.h"

namespace qvn {

class SpawnBase : public ::Module {
public:
    // These modules have nothing to reset, save, start or stop unless they say otherwise.
    void interact(int op, int index) override;
    int request(int op) override;

protected:
    explicit SpawnBase(CommandState* state) : state(state) {}

    // Creates an attacking fight group of the enemy player with every vehicle of definition,
    // all at one drawn spawn location. False after a failure that has been reported; a group
    // and the vehicles made before a refused vehicle stay.
    bool spawnGroup(std::uint8_t definition);
    // Drops the groups that have no units left from the table, keeping the order of the rest.
    void pruneGroups();
    void announceReinforcements();

    CommandState* state;  // not owning

private:
    // The spawn location drawn by weight; null (reported) when no location is set.
    const SpawnLocation* drawLocation();
    // The enemy player, picked at the first spawn and kept; false (reported) when none.
    bool pickEnemyPlayer(std::int32_t& player);
};

}  // namespace qvn
