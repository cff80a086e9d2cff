#include "sim/world.h"

#include <gtest/gtest.h>

namespace {

sim::TriggerState timeTrigger(int delay, int once, const char* callback) {
    sim::TriggerState trigger;
    trigger.minDelay = delay;
    trigger.maxDelay = delay;
    trigger.once = once;
    trigger.callback = callback;
    return trigger;
}

TEST(World, EveryObjectKindSharesOneHandleCounterFromOne) {
    sim::World world;
    EXPECT_EQ(world.addUnit(sim::UnitState{}), 1);
    EXPECT_EQ(world.addTrigger(timeTrigger(5, 0, "A"), 5), 2);
    EXPECT_EQ(world.addGroup(1), 3);
    EXPECT_EQ(world.addUnit(sim::UnitState{}), 4);
    EXPECT_EQ(world.kindOf(2), sim::ObjectKind::trigger);
    EXPECT_EQ(world.kindOf(3), sim::ObjectKind::group);
    EXPECT_FALSE(world.kindOf(0).has_value());
    EXPECT_FALSE(world.kindOf(5).has_value());
    // A removed object keeps its kind, and its number is not handed out again.
    world.removeStub(2);
    EXPECT_EQ(world.kindOf(2), sim::ObjectKind::trigger);
    EXPECT_EQ(world.addUnit(sim::UnitState{}), 5);
}

TEST(World, DueTriggersFireByDueTimeThenHandle) {
    sim::World world;
    const int late = world.addTrigger(timeTrigger(3, 0, "Late"), 3);
    const int first = world.addTrigger(timeTrigger(2, 0, "First"), 2);
    const int second = world.addTrigger(timeTrigger(2, 0, "Second"), 2);
    world.time = 1;
    EXPECT_TRUE(world.dueTriggers().empty());
    world.time = 3;  // all three are due; the two made for time 2 come first, in handle order
    EXPECT_EQ(world.dueTriggers(), (std::vector<int>{first, second, late}));
}

TEST(World, RepeatingTriggersComeBackOnceTriggersGoInert) {
    sim::World world;
    const int repeating = world.addTrigger(timeTrigger(4, 0, "R"), 4);
    const int once = world.addTrigger(timeTrigger(4, 1, "O"), 4);
    world.time = 4;
    world.afterFiring(repeating, sim::DelayMode::random);
    world.afterFiring(once, sim::DelayMode::random);
    EXPECT_EQ(world.triggers.at(repeating).due, 8);
    EXPECT_TRUE(world.triggers.at(once).spent);
    world.time = 100;
    EXPECT_EQ(world.dueTriggers(), std::vector<int>{repeating});
}

TEST(World, RandomDelayTriggersTakeANewDelayAfterEachFiring) {
    sim::World world;
    sim::TriggerState trigger = timeTrigger(10, 0, "R");
    trigger.kind = sim::TriggerKind::randomTime;
    trigger.maxDelay = 20;
    const int handle = world.addTrigger(trigger, 10);
    world.time = 10;
    world.afterFiring(handle, sim::DelayMode::max);
    EXPECT_EQ(world.triggers.at(handle).due, 30);
    world.time = 30;
    world.afterFiring(handle, sim::DelayMode::min);
    EXPECT_EQ(world.triggers.at(handle).due, 40);
}

TEST(World, DestroyedDisabledAndOperationalTriggersAreNeverDue) {
    sim::World world;
    const int destroyed = world.addTrigger(timeTrigger(1, 0, "D"), 1);
    sim::TriggerState disabled = timeTrigger(1, 0, "X");
    disabled.enabled = 0;
    world.addTrigger(disabled, 1);
    sim::TriggerState operational;
    operational.kind = sim::TriggerKind::operational;
    world.addTrigger(operational, 0);
    EXPECT_TRUE(world.removeStub(destroyed));
    world.time = 50;
    EXPECT_TRUE(world.dueTriggers().empty());
}

TEST(World, UnitsLeaveTheirGroupWhenRemovedAndWhenTheGroupGoes) {
    sim::World world;
    sim::UnitState vehicle;
    vehicle.type = 5;
    vehicle.owner = 1;
    const int a = world.addUnit(vehicle);
    const int b = world.addUnit(vehicle);
    const int group = world.addGroup(1);
    world.joinGroup(a, group);
    world.joinGroup(b, group);
    auto inGroup = [group](const sim::UnitState& unit) { return unit.group == group; };
    EXPECT_EQ(world.nextUnit(0, inGroup), a);
    EXPECT_EQ(world.nextUnit(a, inGroup), b);
    EXPECT_TRUE(world.removeUnit(a));
    EXPECT_EQ(world.nextUnit(0, inGroup), b);
    EXPECT_TRUE(world.removeStub(group));
    EXPECT_EQ(world.units.at(b).group, 0);
    EXPECT_FALSE(world.removeUnit(a));
}

TEST(World, UnitCategoriesFollowTheTypeNumber) {
    EXPECT_EQ(sim::unitCategory(1), sim::UnitCategory::vehicle);
    EXPECT_EQ(sim::unitCategory(15), sim::UnitCategory::vehicle);
    EXPECT_EQ(sim::unitCategory(16), sim::UnitCategory::structure);
    EXPECT_EQ(sim::unitCategory(80), sim::UnitCategory::structure);
    EXPECT_EQ(sim::unitCategory(81), sim::UnitCategory::beacon);
    EXPECT_EQ(sim::unitCategory(0), sim::UnitCategory::other);
}

}  // namespace
