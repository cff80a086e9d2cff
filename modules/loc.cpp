#include "modules/loc.h"

#include <cstdint>
#include <ostream>

#include "message/report.h"
#include "modules/slot_range.h"
#include "message/text_scan.h"

namespace qvn {

namespace {

// Typed positions and the host's internal tile coordinates differ by these offsets.
constexpr std::int64_t kOffsetX = 31;
constexpr std::int64_t kOffsetY = -1;

constexpr std::uint32_t kMaxCoordinate = 2147483647;
// The largest typed x whose internal x still fits an int32.
constexpr std::uint32_t kMaxTypedX = kMaxCoordinate - kOffsetX;
constexpr std::uint32_t kMaxWeight = 255;
constexpr std::uint8_t kDefaultWeight = 1;

}  // namespace

void Loc::interact(int op, int index) {
    resetOrSaveSlots(
        op, index, [this](int i) { state->spawnLocations[i].weight = 0; },
        [this](int first, int end) { saveLocations(first, end); });
}

int Loc::request(int op) {
    return refuseRequest(op);
}

void Loc::execute(const char* args, ::BasicSControl&) {
    if (!hasArguments(args)) return;
    const char* cursor = args;
    std::uint32_t number = 0;
    if (!readSlotNumber(&cursor, number)) return;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    if (!expectChar(&cursor, ' ') || !readNumber(&cursor, x) || !expectChar(&cursor, ',') ||
        !readNumber(&cursor, y)) {
        return;
    }
    // Numbers typed with a minus sign arrive here as large unsigned values.
    if (x > kMaxCoordinate || y > kMaxCoordinate) {
        reportInvalidParameter();
        return;
    }
    if (x > kMaxTypedX) {
        reportOffsetOverflow();
        return;
    }
    std::uint32_t weight = kDefaultWeight;
    if (*cursor != '\0') {
        if (!expectChar(&cursor, ' ') || !readNumber(&cursor, weight)) return;
        if (*cursor != '\0') {
            reportInvalidParameterList();
            return;
        }
        if (weight > kMaxWeight) {
            reportInvalidParameter();
            return;
        }
    }
    SpawnLocation& location = state->spawnLocations[number];
    location.x = static_cast<std::int32_t>(x + kOffsetX);
    location.y = static_cast<std::int32_t>(y + kOffsetY);
    location.weight = static_cast<std::uint8_t>(weight);
}

// Writes one `loc` line per set location, in typed coordinates; weight 1 is left implicit.
void Loc::saveLocations(int first, int end) {
    std::ostream& out = commandOutput();
    for (int i = first; i < end; ++i) {
        const SpawnLocation& location = state->spawnLocations[i];
        if (location.weight == 0) continue;
        out << name() << ' ' << i << ' ' << location.x - kOffsetX << ','
            << location.y - kOffsetY;
        if (location.weight != kDefaultWeight) out << ' ' << static_cast<unsigned>(location.weight);
        out << '\n';
    }
}

}  // namespace qvn
