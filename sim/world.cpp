#include "sim/world.h"

#include <algorithm>

namespace sim {

UnitCategory unitCategory(int type) {
    if (type >= 1 && type <= 15) return UnitCategory::vehicle;
    if (type >= 16 && type <= 80) return UnitCategory::structure;
    if (type >= 81) return UnitCategory::beacon;
    return UnitCategory::other;
}

World::World(std::uint32_t seed) : generator(seed), delayGenerator(seed) {
    setPlayers({true, false});
}

void World::setPlayers(const std::vector<bool>& humans) {
    playerCount = static_cast<int>(std::min<std::size_t>(humans.size(), kPlayerSlots));
    for (int i = 0; i < kPlayerSlots; ++i) {
        players[i].human = i < playerCount && humans[i];
    }
}

PlayerState* World::player(int index) {
    if (index < 0 || index >= kPlayerSlots) return nullptr;
    return &players[index];
}

int World::issue(ObjectKind kind) {
    const int handle = nextHandle_++;
    issued_[handle] = kind;
    return handle;
}

std::optional<ObjectKind> World::kindOf(int handle) const {
    const auto found = issued_.find(handle);
    if (found == issued_.end()) return std::nullopt;
    return found->second;
}

int World::addUnit(const UnitState& unit) {
    const int handle = issue(ObjectKind::unit);
    units[handle] = unit;
    units[handle].group = 0;
    return handle;
}

bool World::removeUnit(int handle) {
    return units.erase(handle) > 0;
}

void World::joinGroup(int unit, int group) {
    const auto found = units.find(unit);
    if (found != units.end() && groups.count(group) > 0) found->second.group = group;
}

int World::addTrigger(const TriggerState& trigger, int firstDelay) {
    const int handle = issue(ObjectKind::trigger);
    TriggerState& stored = triggers[handle] = trigger;
    stored.due = time + firstDelay;
    stored.spent = false;
    return handle;
}

int World::addGroup(int owner) {
    const int handle = issue(ObjectKind::group);
    groups[handle] = GroupState{owner, false};
    return handle;
}

bool World::removeStub(int handle) {
    if (triggers.erase(handle) > 0) return true;
    if (groups.erase(handle) == 0) return false;
    for (auto& entry : units) {
        if (entry.second.group == handle) entry.second.group = 0;
    }
    return true;
}

bool World::isDue(int handle) const {
    const auto found = triggers.find(handle);
    if (found == triggers.end()) return false;
    const TriggerState& trigger = found->second;
    return trigger.kind != TriggerKind::operational && trigger.enabled != 0 && !trigger.spent &&
           trigger.due <= time;
}

std::vector<int> World::dueTriggers() const {
    std::vector<int> due;
    for (const auto& entry : triggers) {
        if (isDue(entry.first)) due.push_back(entry.first);
    }
    std::stable_sort(due.begin(), due.end(), [this](int a, int b) {
        return triggers.at(a).due < triggers.at(b).due;
    });
    return due;
}

void World::afterFiring(int handle, DelayMode mode) {
    const auto found = triggers.find(handle);
    if (found == triggers.end()) return;
    TriggerState& trigger = found->second;
    if (trigger.kind == TriggerKind::operational) return;
    if (trigger.once != 0) {
        trigger.spent = true;
        return;
    }
    const int delay = trigger.kind == TriggerKind::randomTime
                          ? chooseDelay(trigger.minDelay, trigger.maxDelay, mode, delayGenerator)
                          : trigger.minDelay;
    trigger.due = time + delay;
}

int World::nextUnit(int after, const std::function<bool(const UnitState&)>& accept) const {
    for (auto it = units.upper_bound(after); it != units.end(); ++it) {
        if (accept(it->second)) return it->first;
    }
    return 0;
}

}  // namespace sim
