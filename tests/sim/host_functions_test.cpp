// The host functions as the module calls them: the trace lines they write and what they do to
// the world.
#include <gtest/gtest.h>

#include "host/kestrane.h"
#include "sim/host_call_scope.h"
#include "sim/host_session.h"

namespace {

// Remembers how deep in host code each trace write happened.
class DepthRecordingSink : public sim::StringSink {
public:
    void write(std::string_view text) override {
        depths.push_back(sim::hostCallDepth);
        StringSink::write(text);
    }
    std::vector<int> depths;
};

class HostFunctions : public ::testing::Test {
protected:
    void SetUp() override {
        host().reset(1);
        host().trace.setSink(&sink);
        host().trace.queries = false;
    }
    void TearDown() override { host().trace.setSink(nullptr); }
    static sim::HostSession& host() { return sim::hostSession(); }
    std::string trace() const { return sink.text(); }

    DepthRecordingSink sink;
};

TEST_F(HostFunctions, CreateUnitFillsTheHandleAndARefusalTakesNone) {
    host().planCreateUnitFailure(2);
    Unit first;
    Unit refused;
    refused.unitID = 77;
    Unit third;
    EXPECT_EQ(PellanGame::CreateUnit(first, 5, LOCATION(10, 20), 1, 61, 0), 1);
    EXPECT_EQ(PellanGame::CreateUnit(refused, 6, LOCATION(1, 2), 1, 59, 3), 0);
    EXPECT_EQ(PellanGame::CreateWallOrTube(3, 4, 0, 24), 1);
    EXPECT_EQ(PellanGame::CreateUnit(third, 7, LOCATION(-1, 0), 0, 0, 0), 1);
    EXPECT_EQ(first.unitID, 1);
    EXPECT_EQ(refused.unitID, 0);
    EXPECT_EQ(third.unitID, 2);
    EXPECT_EQ(trace(),
              "  PellanGame::CreateUnit(5,(10,20),1,61,0) -> unit:1\n"
              "  PellanGame::CreateUnit(6,(1,2),1,59,3) -> unit:0\n"
              "  PellanGame::CreateWallOrTube(3,4,0,24) -> 1\n"
              "  PellanGame::CreateUnit(7,(-1,0),0,0,0) -> unit:2\n");
    EXPECT_EQ(host().world.units.size(), 2u);
}

TEST_F(HostFunctions, DestroyNamesTheObjectByItsKind) {
    Trigger trigger = CreateTimeTrigger(1, 0, 100, "Storms");
    FightGroup group = CreateFightGroup(Player[1]);
    ScStub none;
    sink.clear();
    trigger.Destroy();
    group.Destroy();
    trigger.Destroy();  // already gone: traced, changes nothing
    none.Destroy();
    EXPECT_EQ(trace(),
              "  trigger:1.Destroy()\n"
              "  group:2.Destroy()\n"
              "  trigger:1.Destroy()\n"
              "  stub:0.Destroy()\n");
    EXPECT_TRUE(host().world.triggers.empty());
    EXPECT_TRUE(host().world.groups.empty());
}

TEST_F(HostFunctions, QueriesAreTracedOnlyWhenAskedFor) {
    host().world.players[0].workers = 12;
    EXPECT_EQ(Player[0].Workers(), 12);
    EXPECT_EQ(PellanGame::NoPlayers(), 2);
    EXPECT_EQ(trace(), "");
    host().trace.queries = true;
    EXPECT_EQ(Player[1].IsHuman(), 0);
    EXPECT_EQ(Player[0].IsHuman(), 1);
    EXPECT_EQ(Player[5].IsHuman(), 0);  // beyond the players of this game
    EXPECT_EQ(trace(),
              "  Player[1].IsHuman() -> 0\n"
              "  Player[0].IsHuman() -> 1\n"
              "  Player[5].IsHuman() -> 0\n");
}

TEST_F(HostFunctions, EnumeratorsYieldLiveUnitsInHandleOrder) {
    host().trace.queries = true;
    Unit a, structure, b, other;
    PellanGame::CreateUnit(a, 5, LOCATION(1, 1), 1, 0, 0);
    PellanGame::CreateUnit(structure, 30, LOCATION(2, 2), 1, 0, 0);
    PellanGame::CreateUnit(b, 15, LOCATION(3, 3), 1, 0, 0);
    PellanGame::CreateUnit(other, 5, LOCATION(4, 4), 0, 0, 0);
    FightGroup group = CreateFightGroup(Player[1]);
    group.TakeUnit(b);
    group.TakeUnit(a);
    a.DoSelfDestruct();
    sink.clear();

    PlayerVehicleEnum vehicles(1);
    Unit next;
    EXPECT_EQ(vehicles.GetNext(next), 1);
    EXPECT_EQ(next.unitID, b.unitID);
    EXPECT_EQ(vehicles.GetNext(next), 0);
    PlayerBuildingEnum buildings(1, 30);
    EXPECT_EQ(buildings.GetNext(next), 1);
    EXPECT_EQ(next.unitID, structure.unitID);
    GroupEnumerator members(group);
    EXPECT_EQ(members.GetNext(next), 1);
    EXPECT_EQ(members.GetNext(next), 0);
    EXPECT_EQ(trace(),
              "  PlayerVehicleEnum(1).GetNext() -> unit:3\n"
              "  PlayerVehicleEnum(1).GetNext() -> unit:0\n"
              "  PlayerBuildingEnum(1,30).GetNext() -> unit:2\n"
              "  GroupEnumerator(group:5).GetNext() -> unit:3\n"
              "  GroupEnumerator(group:5).GetNext() -> unit:0\n");
}

TEST_F(HostFunctions, MessagesAreQuotedInTheTraceAndKeptInTheLog) {
    char text[] = "Format error: \"x\"\tend";
    PellanGame::AddMessage(-32, -32, text, -1, 52);
    Unit unit;
    unit.unitID = 9;
    char other[] = "on a unit";
    PellanGame::AddMessage(unit, other, 0, 7);
    PellanGame::AddMessage(0, 0, nullptr, -1, 0);
    EXPECT_EQ(trace(),
              "  PellanGame::AddMessage(-32,-32,\"Format error: \\\"x\\\"\\tend\",-1,52)\n"
              "  PellanGame::AddMessage(unit:9,\"on a unit\",0,7)\n"
              "  PellanGame::AddMessage(0,0,NULL,-1,0)\n");
    ASSERT_EQ(host().messages.size(), 3u);
    EXPECT_EQ(host().messages[0].text, "Format error: \"x\"\tend");
    EXPECT_TRUE(host().messages[1].onUnit);
    EXPECT_EQ(host().messages[1].unit, 9);
}

TEST_F(HostFunctions, TimeTriggersAreDueTheirDelayFromNow) {
    host().world.time = 10;
    host().delayMode = sim::DelayMode::max;
    Trigger fixed = CreateTimeTrigger(1, 1, 5, "A");
    Trigger random = CreateTimeTrigger(1, 0, 7900, 12000, "Storms");
    EXPECT_EQ(host().world.triggers.at(fixed.stubIndex).due, 15);
    EXPECT_EQ(host().world.triggers.at(random.stubIndex).due, 12010);
    EXPECT_EQ(trace(),
              "  CreateTimeTrigger(1,1,5,\"A\") -> trigger:1\n"
              "  CreateTimeTrigger(1,0,7900,12000,\"Storms\") -> trigger:2\n");
}

TEST_F(HostFunctions, RandomDelaysNeverTakeFromTheGetRandSequence) {
    CreateTimeTrigger(1, 0, 100, 200, "A");
    EXPECT_EQ(PellanGame::GetRand(100000), 41);  // still the first value of seed 1
}

TEST_F(HostFunctions, MessageBoxAnswersAtOnce) {
    EXPECT_EQ(MessageBoxA(nullptr, "Loading a savegame of version 0.4.2 with version 0.4.3-158 failed",
                          "Version error", MB_SETFOREGROUND | MB_ICONERROR),
              1);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", 0x30), 1);
    EXPECT_EQ(trace(),
              "  MessageBoxA(0,\"Loading a savegame of version 0.4.2 with version 0.4.3-158 "
              "failed\",\"Version error\",MB_SETFOREGROUND|MB_ICONERROR)\n"
              "  MessageBoxA(0,\"t\",\"c\",MB_ICONERROR|0x20)\n");
}

TEST_F(HostFunctions, RunInsideTheHostCallDepthAndLeaveItAtZero) {
    ASSERT_EQ(sim::hostCallDepth, 0);
    PellanGame::GetRand(6);
    Player[0].SetOre(100);
    char buffer[32];
    EXPECT_EQ(scr_snprintf(buffer, sizeof buffer, "Out of memory: %s", "std::bad_alloc"), 29);
    EXPECT_STREQ(buffer, "Out of memory: std::bad_alloc");
    EXPECT_EQ(sim::hostCallDepth, 0);
    ASSERT_EQ(sink.depths.size(), 2u);
    for (int depth : sink.depths) EXPECT_GT(depth, 0);
}

TEST_F(HostFunctions, PlayerCallsOutsideTheTableChangeNothing) {
    _Player stray{9, {0, 0}};
    stray.SetOre(5);
    EXPECT_EQ(stray.Kids(), 0);
    EXPECT_EQ(trace(), "  Player[9].SetOre(5)\n");
}

}  // namespace
