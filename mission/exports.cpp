// What the host sees of the mission: its description and the entry points it calls.
#include "builds/build_config.h"
#include "host/kestrane.h"
#include "mission/level_layout.h"
#include "mission/save_region.h"
#include "mission/version.h"
#include "mission/version_check.h"

namespace {

#if KESTRANE_COLONY_EDEN
#define KESTRANE_COLONY_NAME "Eden"
#else
#define KESTRANE_COLONY_NAME "Plymouth"
#endif
#if KESTRANE_ALT_START
#define KESTRANE_START_NAME " ALT"
#else
#define KESTRANE_START_NAME ""
#endif

// Set after the first AIProc since the library was loaded has checked the saved game.
bool versionChecked = false;

constexpr int kHuman = 0;
constexpr int kComputer = 1;
constexpr int kAllPlayers = -1;
constexpr int kComputerTechLevel = 12;
constexpr int kCompletedResearch[] = {3304, 3305};
constexpr char kDisasterSchedules[][7] = {"Storms", "Meteor", "Vortex", "Quake"};
constexpr int kDisasterDelayMin = 7900;
constexpr int kDisasterDelayMax = 12000;

void goHomeColony(_Player& player) {
    if constexpr (build::edenColony) {
        player.GoEden();
    } else {
        player.GoPlymouth();
    }
}

void goOtherColony(_Player& player) {
    if constexpr (build::edenColony) {
        player.GoPlymouth();
    } else {
        player.GoEden();
    }
}

// The computer player gets both colonies' technology, its own colony's first.
void setupComputerPlayer() {
    _Player& computer = Player[kComputer];
    computer.GoAI();
    goHomeColony(computer);
    computer.SetTechLevel(kComputerTechLevel);
    goOtherColony(computer);
    computer.SetTechLevel(kComputerTechLevel);
}

void setupMorale() {
    if constexpr (build::altStart) {
        PellanGame::ForceMoraleOK(kAllPlayers);
        // The host keeps the trigger; it later calls SetupMorale, which frees the morale.
        CreateOperationalTrigger(1, 1, 0, 28, 1, 2, "SetupMorale");
    } else {
        PellanGame::FreeMoraleLevel(kAllPlayers);
    }
}

void lightUpVehicles(int player) {
    PlayerVehicleEnum vehicles(player);
    Unit vehicle;
    while (vehicles.GetNext(vehicle)) vehicle.DoSetLights(1);
}

}  // namespace

extern "C" {

char MapName[] = "cm03.map";
char TechtreeName[] = "MULTITEK.TXT";
char LevelDesc[] = "'Varnholdrift' - " KESTRANE_COLONY_NAME ", Sandbox" KESTRANE_START_NAME
                   " (v" KESTRANE_VERSION " Alpha)";
int DescBlock[4] = {-1, 3, 12, 0};

int InitProc() {
    writeVersionBuffer(saveRegion.versionBuffer);
    goHomeColony(Player[kHuman]);
    setupComputerPlayer();
    setupResources(kHuman);
    for (int topic : kCompletedResearch) Player[kHuman].MarkResearchComplete(topic);
    setupMorale();
    PellanGame::SetDaylightEverywhere(0);
    PellanGame::SetDaylightMoves(1);
    setupLayout();
    lightUpVehicles(kHuman);
    Player[kHuman].CenterViewOn(54, 211);
    for (const char* schedule : kDisasterSchedules) {
        CreateTimeTrigger(1, 0, kDisasterDelayMin, kDisasterDelayMax, schedule);
    }
    return 1;
}

void AIProc() {
    if (versionChecked) return;
    checkSavegameVersion();
    versionChecked = true;
}

int StatusProc() {
    return 0;
}

void GetSaveRegions(SaveRegionRecord* record) {
    record->region = &saveRegion;
    record->size = kSaveRegionSize;
}

void NoResponseToTrigger() {}

#if KESTRANE_ALT_START
void SetupMorale() {
    PellanGame::FreeMoraleLevel(kAllPlayers);
}
#endif

}  // extern "C"
