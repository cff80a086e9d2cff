#include "sim/state_report.h"

#include <cstdint>
#include <cstring>

#include "mission/save_region.h"
#include "sim/c_string.h"
#include "sim/trace.h"

namespace sim {

namespace {

constexpr std::size_t kState = offsetof(SaveRegion, commandState);

#define STATE_FIELD(name) (kState + offsetof(CommandState, name))

std::uint32_t read32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::int32_t readInt(const unsigned char* bytes) {
    return static_cast<std::int32_t>(read32(bytes));
}

// Text kept in a fixed area: up to its NUL, or the whole area.
std::string areaText(const unsigned char* bytes, std::size_t size) {
    const void* nul = std::memchr(bytes, 0, size);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - bytes)
                       : size;
    return std::string(reinterpret_cast<const char*>(bytes), length);
}

// The letters that name second types and vehicle types in a group definition.
struct Letter {
    char letter;
    int id;
};
constexpr Letter kSecondTypes[] = {{'A', 59}, {'e', 60}, {'L', 61}, {'M', 62}, {'R', 63}, {'r', 64},
                                   {'s', 65}, {'N', 66}, {'E', 70}, {'S', 71}, {'T', 72}, {'C', 73}};
constexpr Letter kVehicles[] = {{'C', 4}, {'L', 5}, {'P', 6}, {'T', 7}};

template <std::size_t N>
char letterOf(const Letter (&table)[N], int id) {
    for (const Letter& entry : table) {
        if (entry.id == id) return entry.letter;
    }
    return 0;
}

// "LP3"; a pair without letters shows its ids as [vehicle/second].
std::string unitSpecText(const UnitSpec& unitSpec) {
    const char second = letterOf(kSecondTypes, unitSpec.secondType);
    const char vehicle = letterOf(kVehicles, unitSpec.vehicleType);
    std::string text = second != 0 && vehicle != 0
                           ? std::string{second, vehicle}
                           : "[" + num(unitSpec.vehicleType) + "/" + num(unitSpec.secondType) + "]";
    return text + num(unitSpec.count);
}

void describeGroups(const unsigned char* region, std::vector<std::string>& lines) {
    for (int slot = 0; slot < kSlots; ++slot) {
        const unsigned char* def = region + STATE_FIELD(groupDefs) + slot * sizeof(GroupDef);
        std::string line;
        for (int i = 0; i < GroupDef::kSpecs; ++i) {
            const UnitSpec unitSpec{def[i * 3], def[i * 3 + 1], def[i * 3 + 2]};
            if (unitSpec.count == 0) break;
            line += " " + unitSpecText(unitSpec);
        }
        if (!line.empty()) lines.push_back("grp " + num(slot) + line);
    }
}

// Typed coordinates are the stored ones less the map offsets, in 32-bit arithmetic.
std::string typedPosition(std::uint32_t x, std::uint32_t y) {
    return num(static_cast<std::int32_t>(x - 31u)) + "," + num(static_cast<std::int32_t>(y + 1u));
}

void describeLocations(const unsigned char* region, std::vector<std::string>& lines) {
    for (int slot = 0; slot < kSlots; ++slot) {
        const unsigned char* entry =
            region + STATE_FIELD(spawnLocations) + slot * sizeof(SpawnLocation);
        const int weight = entry[offsetof(SpawnLocation, weight)];
        if (weight == 0) continue;
        std::string line = "loc " + num(slot) + " " + typedPosition(read32(entry), read32(entry + 4));
        if (weight != 1) line += " " + num(weight);
        lines.push_back(line);
    }
}

void describeTimeEntries(const unsigned char* region, std::vector<std::string>& lines) {
    const unsigned char* armed = region + STATE_FIELD(timeArmed);
    for (int slot = 0; slot < kSlots; ++slot) {
        const unsigned char* entry = region + STATE_FIELD(timeEntries) + slot * sizeof(TimeEntry);
        const std::int32_t delay = readInt(entry);
        if (delay == 0) continue;
        const std::int32_t delayMax = readInt(entry + offsetof(TimeEntry, delayMax));
        std::string line = "time " + num(slot) + " " + num(delay);
        if (delayMax != 0) line += "," + num(delayMax);
        if (entry[offsetof(TimeEntry, repeat)] == 1) line += " R";
        if (testBit(armed, static_cast<unsigned>(slot))) {
            line += ": armed " +
                    triggerText(readInt(region + STATE_FIELD(timeTriggers) + slot * sizeof(Trigger)));
        } else {
            line += ": not armed";
        }
        lines.push_back(line);
    }
}

void describeDisasters(const unsigned char* region, std::vector<std::string>& lines) {
    static const char* const kNames[] = {"meteor", "quake", "vortex", "storm"};
    const unsigned char* enabled = region + STATE_FIELD(disasterEnabled);
    std::string line = "disasters:";
    for (unsigned bit = 0; bit < 4; ++bit) {
        line += std::string(bit == 0 ? " " : ", ") + kNames[bit] +
                (testBit(enabled, bit) ? " on" : " off");
    }
    lines.push_back(line);
}

void describeEvents(const unsigned char* region, std::vector<std::string>& lines) {
    const unsigned char* flags = region + STATE_FIELD(eventFlags);
    const std::uint32_t delayMin = read32(region + STATE_FIELD(eventDelayMin));
    const std::uint32_t delayMax = read32(region + STATE_FIELD(eventDelayMax));
    std::string line = "evnt";
    if (delayMin != 0) line += " " + num(delayMin);
    if (delayMax != 0) line += "," + num(delayMax);
    if (testBit(flags, 0)) {
        line += ": running " + triggerText(readInt(region + STATE_FIELD(eventTimer)));
    } else {
        line += delayMin != 0 ? ": stopped" : ": not set";
    }
    lines.push_back(line);
    if (!testBit(flags, 1)) return;
    std::string shower = "shower: strikes " + num(readInt(region + STATE_FIELD(swarmStrikes))) +
                         ", " + triggerText(readInt(region + STATE_FIELD(swarmTimer))) + ", targets";
    for (int i = 0; i < kSlots; ++i) {
        const unsigned char* target = region + STATE_FIELD(swarmTargets) + i * sizeof(LOCATION);
        shower += " " + locationText(readInt(target), readInt(target + 4));
    }
    lines.push_back(shower);
}

void describeFightGroups(const unsigned char* region, std::vector<std::string>& lines) {
    const int count = region[STATE_FIELD(fightGroupCount)];
    std::string line = "fight groups " + num(count);
    if (count != 0) line += ":";
    for (int i = 0; i < count && i < kFightGroups; ++i) {
        line += " " + groupText(readInt(region + STATE_FIELD(fightGroups) + i * sizeof(FightGroup)));
    }
    lines.push_back(line);
    lines.push_back("enemy player " + num(readInt(region + STATE_FIELD(enemyPlayer))));
}

#undef STATE_FIELD

}  // namespace

std::vector<std::string> describeConsoleState(const unsigned char* region) {
    std::vector<std::string> lines;
    lines.push_back("version " + quoteCString(areaText(region, sizeof(SaveRegion::versionBuffer))));
    lines.push_back("last line " +
                    quoteCString(areaText(region + kLastLineOffset, kLastLineSize)));
    describeGroups(region, lines);
    describeLocations(region, lines);
    describeTimeEntries(region, lines);
    describeDisasters(region, lines);
    describeEvents(region, lines);
    describeFightGroups(region, lines);
    return lines;
}

}  // namespace sim
