// The simulated game world: what the host keeps of players, units, triggers and fight groups.
// A saved game copies the whole World; everything a scenario only sets up for itself (the
// `:rand` queue, planned `:fail`s, the delay mode, the message log) lives in HostSession.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/random.h"

namespace sim {

constexpr int kPlayerSlots = 8;

enum class ObjectKind { unit, trigger, group };

// Unit types 1 to 15 are vehicles, 16 to 80 structures, 81 and above beacons.
enum class UnitCategory { vehicle, structure, beacon, other };
UnitCategory unitCategory(int type);

struct PlayerState {
    bool human = false;
    int difficulty = 0;
    std::string colony;  // "plymouth", "eden", or empty before the mission chose one
    int techLevel = 0;
    std::vector<int> research;  // topics marked complete, in the order they were marked
    int ore = 0;
    int food = 0;
    int workers = 0;
    int scientists = 0;
    int kids = 0;
};

struct UnitState {
    int type = 0;
    int x = 0;
    int y = 0;
    int owner = 0;
    int cargo = 0;
    int last = 0;
    int lights = 0;
    int truckKind = 0;
    int truckAmount = 0;
    int group = 0;  // the fight group that holds the unit, 0 for none
};

enum class TriggerKind { fixedTime, randomTime, operational };

struct TriggerState {
    TriggerKind kind = TriggerKind::fixedTime;
    int enabled = 1;
    int once = 0;
    int minDelay = 0;  // the fixed delay, or the lower bound of a random one
    int maxDelay = 0;
    std::array<int, 6> operationalArgs{};
    std::string callback;
    std::int64_t due = 0;
    bool spent = false;  // a fire-once trigger that fired: inert until destroyed
};

struct GroupState {
    int owner = 0;
    bool attacking = false;
};

class World {
public:
    explicit World(std::uint32_t seed = 1);

    std::array<PlayerState, kPlayerSlots> players;
    int playerCount = 0;
    std::map<int, UnitState> units;
    std::map<int, TriggerState> triggers;
    std::map<int, GroupState> groups;
    std::int64_t time = 0;
    HostGenerator generator;       // behind GetRand
    HostGenerator delayGenerator;  // behind random trigger delays, apart from GetRand

    // The players a scenario starts with: true for human, false for a computer player.
    void setPlayers(const std::vector<bool>& humans);
    PlayerState* player(int index);

    // Hands out the next handle; every object kind shares one counter.
    int issue(ObjectKind kind);
    // The kind a handle was issued for, also after its object is gone.
    std::optional<ObjectKind> kindOf(int handle) const;

    int addUnit(const UnitState& unit);
    bool removeUnit(int handle);  // the unit also leaves its group
    void joinGroup(int unit, int group);

    // A time trigger made now with its first delay is due that delay from now.
    int addTrigger(const TriggerState& trigger, int firstDelay);
    int addGroup(int owner);
    bool removeStub(int handle);  // a trigger or a fight group

    // The live time triggers due by now, in firing order: by due time, then handle.
    std::vector<int> dueTriggers() const;
    bool isDue(int handle) const;
    // After a trigger fired: a fire-once trigger goes inert, a repeating one is due again.
    void afterFiring(int handle, DelayMode mode);

    // The first live unit after handle `after` that passes `accept`, or 0.
    int nextUnit(int after, const std::function<bool(const UnitState&)>& accept) const;

private:
    int nextHandle_ = 1;
    std::map<int, ObjectKind> issued_;
};

}  // namespace sim
