// The one block of module memory that the host stores with a saved game, and the command state
// block inside it that the command modules share. Every offset is fixed: saved games written by
// this version must load into it byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/kestrane.h"

// Bit i of a bit set lives in byte i / 8 under mask 1 << (i mod 8).
inline bool testBit(const std::uint8_t* bits, unsigned i) {
    return (bits[i / 8] >> (i % 8)) & 1u;
}
inline void setBit(std::uint8_t* bits, unsigned i) {
    bits[i / 8] = static_cast<std::uint8_t>(bits[i / 8] | (1u << (i % 8)));
}
inline void clearBit(std::uint8_t* bits, unsigned i) {
    bits[i / 8] = static_cast<std::uint8_t>(bits[i / 8] & ~(1u << (i % 8)));
}

// One vehicle kind of an attack-group definition.
struct UnitSpec {
    std::uint8_t vehicleType;
    std::uint8_t secondType;
    std::uint8_t count;
};

// The vehicles of one attack-group definition; the list ends at the first count of 0.
struct GroupDef {
    static constexpr int kSpecs = 32;
    UnitSpec specs[kSpecs];
    std::uint8_t reserved;
};

// A spawn location in internal tile coordinates; weight 0 means not set.
struct SpawnLocation {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t weight;
    std::uint8_t padding[3];
};

// One timed reinforcement: delay 0 means not defined, delayMax 0 a fixed delay.
struct TimeEntry {
    std::int32_t delay;
    std::int32_t delayMax;
    std::uint8_t repeat;
    std::uint8_t padding[3];
};

constexpr int kSlots = 10;
constexpr int kFightGroups = 30;

struct CommandState {
    Trigger eventTimer;
    Trigger swarmTimer;
    std::uint32_t eventDelayMin;
    std::uint32_t eventDelayMax;
    std::uint8_t eventFlags;
    std::uint8_t unused17[3];
    std::int32_t swarmStrikes;
    LOCATION swarmTargets[kSlots];
    std::uint8_t fightGroupCount;
    std::uint8_t padding105[3];
    FightGroup fightGroups[kFightGroups];
    GroupDef groupDefs[kSlots];
    std::uint8_t padding1198[2];
    SpawnLocation spawnLocations[kSlots];
    std::uint8_t timePaused;
    std::uint8_t padding1321[3];
    TimeEntry timeEntries[kSlots];
    std::uint8_t timePending[2];
    std::uint8_t timeArmed[2];
    Trigger timeTriggers[kSlots];
    std::uint8_t disasterEnabled;
    std::uint8_t unused1489[3];
    std::int32_t enemyPlayer;
};

struct SaveRegion {
    char versionBuffer[40];
    char lastLine[60];
    CommandState commandState;
};

constexpr std::uint32_t kSaveRegionSize = 1596;
constexpr std::size_t kLastLineOffset = 40;
constexpr std::size_t kLastLineSize = 60;

// Zero when the library is loaded; the host writes a saved game's copy back into it.
extern SaveRegion saveRegion;
extern CommandState& commandState;

static_assert(sizeof(UnitSpec) == 3, "UnitSpec layout");
static_assert(sizeof(GroupDef) == 97, "GroupDef layout");
static_assert(sizeof(SpawnLocation) == 12, "SpawnLocation layout");
static_assert(sizeof(TimeEntry) == 12, "TimeEntry layout");
static_assert(offsetof(SpawnLocation, weight) == 8, "SpawnLocation layout");
static_assert(offsetof(TimeEntry, delayMax) == 4, "TimeEntry layout");
static_assert(offsetof(TimeEntry, repeat) == 8, "TimeEntry layout");

static_assert(offsetof(CommandState, eventTimer) == 0, "CommandState layout");
static_assert(offsetof(CommandState, swarmTimer) == 4, "CommandState layout");
static_assert(offsetof(CommandState, eventDelayMin) == 8, "CommandState layout");
static_assert(offsetof(CommandState, eventDelayMax) == 12, "CommandState layout");
static_assert(offsetof(CommandState, eventFlags) == 16, "CommandState layout");
static_assert(offsetof(CommandState, swarmStrikes) == 20, "CommandState layout");
static_assert(offsetof(CommandState, swarmTargets) == 24, "CommandState layout");
static_assert(offsetof(CommandState, fightGroupCount) == 104, "CommandState layout");
static_assert(offsetof(CommandState, fightGroups) == 108, "CommandState layout");
static_assert(offsetof(CommandState, groupDefs) == 228, "CommandState layout");
static_assert(offsetof(CommandState, spawnLocations) == 1200, "CommandState layout");
static_assert(offsetof(CommandState, timePaused) == 1320, "CommandState layout");
static_assert(offsetof(CommandState, timeEntries) == 1324, "CommandState layout");
static_assert(offsetof(CommandState, timePending) == 1444, "CommandState layout");
static_assert(offsetof(CommandState, timeArmed) == 1446, "CommandState layout");
static_assert(offsetof(CommandState, timeTriggers) == 1448, "CommandState layout");
static_assert(offsetof(CommandState, disasterEnabled) == 1488, "CommandState layout");
static_assert(offsetof(CommandState, enemyPlayer) == 1492, "CommandState layout");
static_assert(sizeof(CommandState) == 1496, "CommandState layout");

static_assert(offsetof(SaveRegion, versionBuffer) == 0, "save region layout");
static_assert(offsetof(SaveRegion, lastLine) == kLastLineOffset, "save region layout");
static_assert(offsetof(SaveRegion, commandState) == 100, "save region layout");
static_assert(sizeof(SaveRegion) == kSaveRegionSize, "save region layout");
