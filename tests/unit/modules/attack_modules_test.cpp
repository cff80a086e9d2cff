#include <gtest/gtest.h>

#include <string>

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

namespace {

const std::string invalidParameter =
    "  PellanGame::AddMessage(-32,-32,\"Logic error: Invalid parameter\",-1,158)\n";

std::string notSupported(const char* op) {
    return std::string("  PellanGame::AddMessage(-32,-32,\"Logic error: Not supported(") + op +
           ")\",-1,158)\n";
}

class AttackModules : public ::testing::Test {
protected:
    void SetUp() override {
        host().reset(1);
        host().trace.setSink(&sink);
    }
    void TearDown() override { host().trace.setSink(nullptr); }
    static sim::HostSession& host() { return sim::hostSession(); }
    std::string takeTrace() {
        std::string text = sink.text();
        sink.clear();
        return text;
    }

    sim::StringSink sink;
    CommandState state{};
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

// A full table whose oldest group holds three vehicles.
class KillOutOfMemory : public AttackModules {
protected:
    void SetUp() override {
        AttackModules::SetUp();
        for (int i = 0; i < kFightGroups; ++i) {
            state.fightGroups[i] = CreateFightGroup(Player[1]);
            for (int v = 0; v < (i == 0 ? 3 : 1); ++v) {
                Unit vehicle;
                PellanGame::CreateUnit(vehicle, 6, LOCATION(1, 1), 1, 61, 0);
                state.fightGroups[i].TakeUnit(vehicle);
            }
        }
        state.fightGroupCount = kFightGroups;
        takeTrace();
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

}  // namespace
