// A tiny mission module that the simulator's own scenarios load: it binds chat from a static
// constructor, makes a few host calls at start, owns one trigger callback and a save region
// shaped like the console's, and answers a handful of chat words with further host calls.
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include "host/kestrane.h"

#define FIXTURE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

unsigned char region[1596];

void say(const std::string& text) {
    PellanGame::AddMessage(-32, -32, const_cast<char*>(text.c_str()), -1, 0);
}

void onChat(const char* text, int player) {
    const std::string line = text;
    // The last line typed is kept where the console keeps it.
    if (line.size() < 60) std::memcpy(region + 40, text, line.size() + 1);
    if (line == "spawn") {
        Unit unit;
        if (PellanGame::CreateUnit(unit, 5, LOCATION(10, 20), 1, 61, 0) == 0) return;
        FightGroup group = CreateFightGroup(Player[1]);
        group.TakeUnit(unit);
        group.DoAttackEnemy();
    } else if (line == "count") {
        PlayerVehicleEnum vehicles(1);
        Unit unit;
        int count = 0;
        while (vehicles.GetNext(unit) != 0) ++count;
        say("vehicles " + std::to_string(count));
    } else if (line.compare(0, 5, "rand ") == 0) {
        PellanGame::GetRand(std::atoi(text + 5));
    } else if (line == "refuse") {
        MessageBoxA(nullptr, "The version verification buffer is invalid", "Version error",
                    MB_SETFOREGROUND | MB_ICONERROR);
        std::abort();
    } else if (line == "throw") {
        throw std::runtime_error("fixture failure");
    } else {
        say("player " + std::to_string(player) + " said " + line);
    }
}

struct ChatBinding {
    ChatBinding() {
        KestraneBindChat(&onChat);
        say("bound");
    }
    ~ChatBinding() {
        say("unbound");
        KestraneBindChat(nullptr);
    }
} binding;

}  // namespace

// A data export: the simulator must not take it for a function.
extern "C" {
__attribute__((visibility("default"))) char LevelDesc[] = "simulator fixture";
}

FIXTURE_EXPORT int InitProc() {
    std::memcpy(region, "aBcDeFgHiJ0.4.3-158", 20);
    Player[0].GoPlymouth();
    Player[0].SetOre(4000);
    PellanGame::CreateBeacon(81, 40, 50, -1, 0, 1);
    Unit truck;
    PellanGame::CreateUnit(truck, 1, LOCATION(5, 6), 0, 0, 0);
    PlayerVehicleEnum vehicles(0);
    Unit vehicle;
    while (vehicles.GetNext(vehicle) != 0) vehicle.DoSetLights(1);
    PellanGame::CreateWallOrTube(7, 8, 0, 24);
    CreateTimeTrigger(1, 0, 3, "Tick");
    CreateTimeTrigger(1, 1, 2, 5, "Tick");
    CreateTimeTrigger(1, 0, 4, "Missing");
    return 1;
}

FIXTURE_EXPORT void AIProc() {}

FIXTURE_EXPORT int StatusProc() {
    return 0;
}

FIXTURE_EXPORT void GetSaveRegions(SaveRegionRecord* record) {
    record->region = region;
    record->size = sizeof region;
}

// Counts its firings in the byte after the version text.
FIXTURE_EXPORT void Tick() {
    ++region[20];
    say("tick " + std::to_string(region[20]));
}
