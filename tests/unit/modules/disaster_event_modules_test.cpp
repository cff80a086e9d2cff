#include <gtest/gtest.h>

#include <string>

#include "command/control.h"
#include "command/interaction.h"
#include "host/kestrane.h"
#include "mission/save_region.h"
#include "modules/disaster.h"
#include "modules/evnt.h"
#include "modules/survivors.h"
#include "sim/host_session.h"
#include "tests/support/alloc_counter.h"
#include "tests/unit/modules/traced_host_test.h"

extern "C" void EventTimeCallback();
extern "C" void EventSwarmCallback();

namespace {

using DisasterEventModules = TracedHostTest;

TEST_F(DisasterEventModules, OpsTheModulesDoNotAnswerAreReportedAsNotSupported) {
    qvn::Storm storm(&state);
    qvn::Evnt events(&state, qvn::kEventTimeCallback, qvn::kEventSwarmCallback,
                     qvn::survivorGroups, qvn::kSurvivorGroupCount);
    for (Module* module : {static_cast<Module*>(&storm), static_cast<Module*>(&events)}) {
        EXPECT_EQ(module->request(qvn::inopSave), qvn::inopError);
        EXPECT_EQ(takeTrace(), notSupported("inopSave")) << module->name();
    }
    storm.interact(qvn::inopCallback, -1);
    events.interact(qvn::inopCallback, -1);
    events.interact(42, 0);
    EXPECT_EQ(takeTrace(), notSupported("inopCallback") + notSupported("inopCallback") +
                               notSupported("-unknown code-"));
    EXPECT_EQ(state.disasterEnabled, 8);
}

TEST_F(DisasterEventModules, AnEventThatRunsOutOfMemoryIsDroppedInsideTheExport) {
    qvn::Evnt events(&state, qvn::kEventTimeCallback, qvn::kEventSwarmCallback,
                     qvn::survivorGroups, qvn::kSurvivorGroupCount);
    Unit building;
    PellanGame::CreateUnit(building, 39, LOCATION(120, 100), 0, 0, 0);
    takeTrace();
    // A meteor shower: collecting its candidate buildings is the first allocation.
    host().rand.enqueue(0);
    {
        allocCounter::Armed armed(1);
        EventTimeCallback();
    }
    EXPECT_EQ(takeTrace(), "  PellanGame::GetRand(4) -> 0\n");
    EXPECT_EQ(state.eventFlags, 0);
}

TEST_F(DisasterEventModules, TheTimerExportsDoNothingWithoutAnEvntModule) {
    {
        qvn::Evnt events(&state, qvn::kEventTimeCallback, qvn::kEventSwarmCallback,
                         qvn::survivorGroups, qvn::kSurvivorGroupCount);
    }
    setBit(&state.eventFlags, qvn::showerRunning);
    EventTimeCallback();
    EventSwarmCallback();
    EXPECT_EQ(takeTrace(), "");
}

}  // namespace
