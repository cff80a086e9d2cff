#include "modules/disaster.h"

#include <cstdint>
#include <ostream>

#include "command/interaction.h"
#include "message/report.h"
#include "message/text_scan.h"

namespace qvn {

namespace {

constexpr std::uint32_t kLargestCoordinate = 2147483647;
constexpr std::uint32_t kOffsetX = 31;
constexpr std::uint32_t kOffsetY = 1;

// One coordinate: a number that fits a signed 32-bit value (a minus sign never does).
bool readCoordinate(const char*& cursor, std::uint32_t& value) {
    if (!readNumber(&cursor, value)) return false;
    if (value > kLargestCoordinate) {
        reportInvalidParameter();
        return false;
    }
    return true;
}

// "x,y", the comma right after x.
bool readPair(const char*& cursor, TypedPoint& point) {
    if (!readCoordinate(cursor, point.x)) return false;
    if (*cursor != ',') {
        reportInvalidParameterList();
        return false;
    }
    ++cursor;
    return readCoordinate(cursor, point.y);
}

bool atEnd(const char* cursor) {
    if (*cursor == '\0') return true;
    reportInvalidParameterList();
    return false;
}

}  // namespace

LOCATION toInternal(TypedPoint typed) {
    return LOCATION(static_cast<std::int32_t>(typed.x + kOffsetX),
                    static_cast<std::int32_t>(typed.y - kOffsetY));
}

DisasterMod::DisasterMod(CommandState* state, std::uint32_t enableBit)
    : state(state), enableBit(enableBit) {
    setBit(&state->disasterEnabled, enableBit);
}

void DisasterMod::interact(int op, int index) {
    switch (op) {
    case inopSave:
        commandOutput() << (testBit(&state->disasterEnabled, enableBit) ? "start " : "stop ")
                        << name() << '\n';
        break;
    case inopStart:
    case inopStop:
        // The switch belongs to the whole module; a slot number means nothing here.
        if (index != kAllSlots) {
            reportInvalidParameterList();
        } else if (op == inopStart) {
            setBit(&state->disasterEnabled, enableBit);
        } else {
            clearBit(&state->disasterEnabled, enableBit);
        }
        break;
    default:
        reportNotSupported(op);
    }
}

int DisasterMod::request(int op) {
    return refuseRequest(op);
}

void DisasterMod::execute(const char* args, ::BasicSControl& control) {
    const char* text = args != nullptr ? args : "";
    if (text[0] == 'c') {
        executeLocations(text + 1, control);
    } else {
        executeCoordinates(text, control);
    }
}

bool DisasterMod::readCoordinates(const char* args, TypedPoint* points, int count) {
    const char* cursor = args;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            if (cursor == skipWhiteSpace(cursor)) {
                reportInvalidParameterList();
                return false;
            }
            cursor = skipWhiteSpace(cursor);
        }
        if (!readPair(cursor, points[i])) return false;
    }
    return atEnd(cursor);
}

bool DisasterMod::readLocations(const char* args, LOCATION* points, int count) const {
    const char* cursor = args;
    for (int i = 0; i < count; ++i) {
        cursor = skipWhiteSpace(cursor);
        if (!isDecimalDigit(*cursor)) {
            reportInvalidParameterList();
            return false;
        }
        // A location never set still has its stored coordinates (0, 0 in a new game).
        const SpawnLocation& location = state->spawnLocations[*cursor - '0'];
        points[i] = LOCATION(location.x, location.y);
        ++cursor;
    }
    return atEnd(cursor);
}

}  // namespace qvn
