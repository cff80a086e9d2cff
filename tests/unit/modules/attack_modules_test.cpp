#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "command/control.h"
#include "host/kestrane.h"
#include "mission/save_region.h"
#include "modules/grp.h"
#include "modules/kill.h"
#include "modules/loc.h"
#include "modules/spwn.h"
#include "modules/time.h"
#include "sim/host_session.h"
#include "tests/support/alloc_counter.h"
#include "tests/unit/modules/traced_host_test.h"

namespace {

const std::string invalidParameter =
    "  PellanGame::AddMessage(-32,-32,\"Logic error: Invalid parameter\",-1,158)\n";

class AttackModules : public TracedHostTest {
protected:
    BasicSControl control{nullptr, nullptr};
};

TEST_F(AttackModules, SlotInteractionsRefuseIndexesOutsideTheTable) {
    qvn::Grp grp(&state);
    qvn::Loc loc(&state);
    qvn::Time time(&state);
    grp.execute("4 LP2", control);
    loc.execute("4 1,1", control);
    time.execute("4 500 0", control);
    const struct {
        Module* module;
        int op;
        int index;
    } refusals[] = {
        {&grp, qvn::inopReset, 10}, {&grp, qvn::inopSave, -2},
        {&loc, qvn::inopReset, -2}, {&loc, qvn::inopSave, 10},
        {&time, qvn::inopReset, 10}, {&time, qvn::inopStart, -2},
        {&time, qvn::inopStop, 10}, {&time, qvn::inopSave, -2},
        {&time, qvn::inopCallback, -1}, {&time, qvn::inopCallback, 10},
    };
    for (const auto& refusal : refusals) {
        refusal.module->interact(refusal.op, refusal.index);
        EXPECT_EQ(takeTrace(), invalidParameter) << refusal.module->name() << " op "
                                                 << refusal.op << " index " << refusal.index;
    }
    // Nothing was reset or stopped by a refusal.
    EXPECT_EQ(state.groupDefs[4].specs[0].count, 2);
    EXPECT_EQ(state.spawnLocations[4].weight, 1);
    EXPECT_EQ(state.timeEntries[4].delay, 500);
}

TEST_F(AttackModules, OpsAModuleDoesNotAnswerAreReportedAsNotSupported) {
    qvn::Grp grp(&state);
    qvn::Loc loc(&state);
    qvn::Spwn spwn(&state);
    qvn::Time time(&state);
    qvn::Kill kill(&state);
    for (Module* module : {static_cast<Module*>(&grp), static_cast<Module*>(&loc),
                           static_cast<Module*>(&spwn), static_cast<Module*>(&time),
                           static_cast<Module*>(&kill)}) {
        EXPECT_EQ(module->request(qvn::inopOpenOut), qvn::inopError);
        EXPECT_EQ(takeTrace(), notSupported("inopOpenOut")) << module->name();
    }
    grp.interact(qvn::inopCallback, 0);
    loc.interact(qvn::inopStop, 0);
    spwn.interact(qvn::inopReset, -1);
    kill.interact(qvn::inopSave, -1);
    time.interact(42, 0);
    EXPECT_EQ(takeTrace(), notSupported("inopCallback") + notSupported("inopStop") +
                               notSupported("inopReset") + notSupported("inopSave") +
                               notSupported("-unknown code-"));
}

TEST_F(AttackModules, ATimerFiringWithoutATimeModuleIsReported) {
    // This test program registers no modules in the command control.
    CommandSys_Time_Callback3();
    EXPECT_EQ(takeTrace(),
              "  PellanGame::AddMessage(-32,-32,\"Internal error: Module unavailable: time\",-1,"
              "158)\n");
}

TEST_F(AttackModules, ATimerFiringThatRunsOutOfMemoryIsDroppedInsideTheExport) {
    // Building the report of the missing module is the first allocation; nothing may leave the
    // export into the host.
    {
        allocCounter::Armed armed(1);
        CommandSys_Time_Callback3();
    }
    EXPECT_EQ(takeTrace(), "");
}

// A full table of 30 groups, oldest first: each holds one vehicle, the oldest three, except
// those named empty.
class FullTable : public AttackModules {
protected:
    void fill(std::initializer_list<int> emptyGroups = {}) {
        for (int i = 0; i < kFightGroups; ++i) {
            state.fightGroups[i] = CreateFightGroup(Player[1]);
            const bool empty = std::find(emptyGroups.begin(), emptyGroups.end(), i) !=
                               emptyGroups.end();
            for (int v = 0; v < (empty ? 0 : i == 0 ? 3 : 1); ++v) {
                Unit vehicle;
                PellanGame::CreateUnit(vehicle, 6, LOCATION(1, 1), 1, 61, 0);
                state.fightGroups[i].TakeUnit(vehicle);
                units[i].push_back(vehicle.unitID);
            }
        }
        state.fightGroupCount = kFightGroups;
        groups.assign(state.fightGroups, state.fightGroups + kFightGroups);
        takeTrace();
    }

    // What asking group i for its next unit answers: unit n of it, or none past its end.
    std::string asked(int i, std::size_t n) const {
        const int unit = n < units[i].size() ? units[i][n] : 0;
        return "  GroupEnumerator(group:" + std::to_string(groups[i].stubIndex) +
               ").GetNext() -> unit:" + std::to_string(unit) + "\n";
    }
    std::string destroyed(int i) const {
        return "  group:" + std::to_string(groups[i].stubIndex) + ".Destroy()\n";
    }

    std::vector<FightGroup> groups;
    std::vector<int> units[kFightGroups];
};

class KillOutOfMemory : public FullTable {
protected:
    void SetUp() override {
        FullTable::SetUp();
        fill();
    }
};

TEST_F(KillOutOfMemory, ReportsAndDestroysNoVehicleWhicheverAllocationFails) {
    qvn::Kill kill(&state);
    // The first allocation holds the first unit; a later one grows the list after some units
    // were collected.
    for (std::size_t failAt : {1u, 2u}) {
        {
            allocCounter::Armed armed(failAt);
            kill.execute(nullptr, control);
        }
        EXPECT_EQ(takeTrace(),
                  "  PellanGame::AddMessage(-1,-1,\"Out of memory: std::bad_alloc\",-1,32)\n")
            << "allocation " << failAt;
    }
    kill.execute("", control);
    EXPECT_EQ(takeTrace(),
              "  unit:2.DoSelfDestruct()\n"
              "  unit:3.DoSelfDestruct()\n"
              "  unit:4.DoSelfDestruct()\n");
}

// Pruning asks each group once for a unit; after dropping an empty group it asks again at the
// same place, so that runs of empty groups go and the order of the rest stays.
TEST_F(FullTable, PruningAsksEachGroupOnceAndKeepsTheOrderOfTheRest) {
    fill({1, 2, 29});
    host().trace.queries = true;
    qvn::Kill kill(&state);
    kill.execute(nullptr, control);

    std::string expected;
    for (int i = 0; i < kFightGroups; ++i) {
        expected += asked(i, 0);
        if (units[i].empty()) expected += destroyed(i);
    }
    EXPECT_EQ(takeTrace(), expected);
    ASSERT_EQ(state.fightGroupCount, kFightGroups - 3);
    std::vector<int> kept;
    for (int i = 0; i < state.fightGroupCount; ++i) kept.push_back(state.fightGroups[i].stubIndex);
    std::vector<int> expectedKept{groups[0].stubIndex};
    for (int i = 3; i < kFightGroups - 1; ++i) expectedKept.push_back(groups[i].stubIndex);
    EXPECT_EQ(kept, expectedKept);
}

// With no group empty, kill walks the oldest group to its end before the first vehicle goes.
TEST_F(FullTable, KillCollectsTheOldestGroupBeforeTheFirstVehicleGoes) {
    fill();
    host().trace.queries = true;
    qvn::Kill kill(&state);
    kill.execute("", control);

    std::string expected;
    for (int i = 0; i < kFightGroups; ++i) expected += asked(i, 0);
    for (std::size_t n = 0; n <= units[0].size(); ++n) expected += asked(0, n);
    for (int unit : units[0]) {
        expected += "  unit:" + std::to_string(unit) + ".DoSelfDestruct()\n";
    }
    EXPECT_EQ(takeTrace(), expected);
    EXPECT_EQ(state.fightGroupCount, kFightGroups);
}

}  // namespace
