#include "mission/level_layout.h"

#include <cstddef>

#include "builds/build_config.h"
#include "host/kestrane.h"

namespace {

struct Resources {
    int ore;
    int food;
    int workers;
    int scientists;
    int kids;
};

// Indexed by difficulty.
constexpr Resources kStartingResources[] = {
    {5000, 3000, 28, 13, 15},
    {4000, 2000, 26, 13, 15},
    {3000, 1000, 23, 13, 15},
};

struct Beacon {
    map_id type;
    int x;
    int y;
    int a4;
    int a5;
    int a6;
};

constexpr Beacon kBeacons[] = {
    {81, 37, 198, 0, 1, -1},   {81, 44, 239, 0, 2, -1},   {81, 84, 130, 0, 2, -1},
    {81, 58, 67, 0, 2, -1},    {81, 72, 11, 0, 2, -1},    {81, 209, 69, 0, 2, -1},
    {81, 144, 64, 0, 2, -1},   {81, 191, 148, 0, 2, -1},  {81, 256, 113, 0, 2, -1},
    {81, 217, 191, 0, 2, -1},  {81, 143, 224, 0, 2, -1},  {81, 89, 180, 0, 2, -1},
    {81, 273, 228, 0, 2, -1},  {81, 245, 137, 0, 2, -1},  {81, 199, 7, 0, 0, -1},
    {81, 122, 103, 0, 0, -1},  {81, 175, 78, 0, 1, -1},   {81, 263, 4, 0, 1, -1},
    {81, 119, 78, 1, 1, -1},   {81, 202, 169, 1, 1, -1},  {81, 33, 139, 1, 2, -1},
    {81, 96, 182, 1, 2, -1},   {81, 47, 207, 1, 2, -1},   {81, 187, 39, 1, 0, -1},
    {81, 276, 91, 1, 0, -1},   {81, 213, 164, 1, 0, -1},  {82, 59, 185, -1, -1, -1},
    {82, 173, 108, -1, -1, -1}, {82, 141, 203, -1, -1, -1}, {82, 80, 73, -1, -1, -1},
    {83, 68, 232, -1, -1, -1}, {83, 189, 192, -1, -1, -1}, {83, 176, 161, -1, -1, -1},
    {83, 127, 118, -1, -1, -1}, {83, 216, 12, -1, -1, -1},
};
static_assert(sizeof(kBeacons) / sizeof(kBeacons[0]) == 35, "35 beacons");

struct Point {
    int x;
    int y;
};

// The walls and tubes of the standard start's base, in placement order.
constexpr Point kWallsAndTubes[] = {
    {57, 204}, {58, 204}, {59, 204}, {59, 205}, {59, 206}, {54, 207},
    {54, 208}, {53, 208}, {52, 208}, {51, 208}, {50, 208},
    {62, 208}, {63, 208}, {64, 208}, {65, 208}, {66, 208},
    {47, 210}, {47, 211}, {47, 212}, {47, 213}, {47, 214},
    {49, 216}, {50, 216}, {51, 216}, {52, 216}, {53, 216}, {54, 216},
    {55, 216}, {56, 216}, {57, 216}, {58, 216}, {59, 216},
    {60, 210}, {60, 211}, {60, 212}, {60, 213}, {60, 214},
};
static_assert(sizeof(kWallsAndTubes) / sizeof(kWallsAndTubes[0]) == 37, "37 pieces");
constexpr map_id kWallOrTubeType = 17;

struct TruckLoad {
    Truck_Cargo kind;
    int amount;
};

struct StartingUnit {
    map_id type;
    int x;
    int y;
    map_id cargo;
    int last;
    TruckLoad load;  // amount 0: no load
};

constexpr StartingUnit kStandardUnits[] = {
    {28, 47, 208, 0, 0, {}}, {58, 59, 199, 0, 0, {}}, {35, 60, 208, 0, 0, {}},
    {38, 51, 214, 0, 0, {}}, {54, 46, 216, 0, 0, {}}, {30, 61, 217, 0, 0, {}},
    {47, 54, 204, 0, 0, {}}, {39, 68, 208, 0, 0, {}}, {2, 57, 206, 0, 0, {}},
    {2, 56, 207, 0, 0, {}},  {1, 48, 218, 0, 0, {}},  {1, 49, 217, 0, 0, {}},
    {1, 50, 218, 0, 0, {}},  {21, 37, 198, 0, 0, {}},
};
static_assert(sizeof(kStandardUnits) / sizeof(kStandardUnits[0]) == 14, "14 units");

// The ALT start: vehicles carrying structure types, and three loaded trucks.
constexpr StartingUnit kAltUnits[] = {
    {2, 151, 131, 28, 7, {}},         {2, 153, 131, 47, 7, {}},
    {2, 151, 133, 54, 7, {}},         {2, 152, 132, 58, 7, {}},
    {2, 152, 133, 39, 7, {}},         {1, 155, 131, 0, 0, {4, 1000}},
    {1, 156, 131, 0, 0, {4, 1000}},   {1, 155, 132, 0, 0, {1, 1000}},
    {8, 148, 130, 0, 6, {}},          {15, 148, 129, 0, 0, {}},
    {9, 149, 129, 0, 0, {}},
};
static_assert(sizeof(kAltUnits) / sizeof(kAltUnits[0]) == 11, "11 units");

constexpr int kHumanPlayer = 0;

template <std::size_t N>
void placeUnits(const StartingUnit (&units)[N]) {
    for (const StartingUnit& placed : units) {
        Unit unit;
        PellanGame::CreateUnit(unit, placed.type, LOCATION(placed.x, placed.y), kHumanPlayer,
                               placed.cargo, placed.last);
        if (placed.load.amount != 0) unit.SetTruckCargo(placed.load.kind, placed.load.amount);
    }
}

}  // namespace

void setupResources(int player) {
    int difficulty = Player[player].Difficulty();
    if (difficulty < 0 || difficulty > 2) return;
    const Resources& resources = kStartingResources[difficulty];
    Player[player].SetOre(resources.ore);
    Player[player].SetFoodStored(resources.food);
    Player[player].SetWorkers(resources.workers);
    Player[player].SetScientists(resources.scientists);
    Player[player].SetKids(resources.kids);
}

void setupLayout() {
    for (const Beacon& beacon : kBeacons) {
        PellanGame::CreateBeacon(beacon.type, beacon.x, beacon.y, beacon.a4, beacon.a5,
                                 beacon.a6);
    }
    if constexpr (build::altStart) {
        placeUnits(kAltUnits);
    } else {
        for (const Point& piece : kWallsAndTubes) {
            PellanGame::CreateWallOrTube(piece.x, piece.y, 0, kWallOrTubeType);
        }
        placeUnits(kStandardUnits);
    }
}
