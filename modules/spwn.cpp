#include "modules/spwn.h"

#include <cstring>

#include "message/report.h"
#include "message/text_scan.h"

namespace qvn {

namespace {

// The definitions of one command, in the order typed, each at most once.
struct DefinitionList {
    std::uint8_t numbers[kSlots];
    int size = 0;
};

// No list, or the one letter x, names every definition in order.
bool namesAll(const char* args) {
    return isEmptyText(args) || std::strcmp(args, "x") == 0;
}

// Reads the digit list; false after a reported failure.
bool readDefinitions(const char* text, DefinitionList& list) {
    bool listed[kSlots] = {};
    do {
        text = skipWhiteSpace(text);
        if (!isDecimalDigit(*text)) {
            reportInvalidParameterList();
            return false;
        }
        const int number = *text - '0';
        if (list.size == kSlots) {
            reportInvalidParameter();
            return false;
        }
        if (listed[number]) {
            reportInvalidParameterList();
            return false;
        }
        listed[number] = true;
        list.numbers[list.size++] = static_cast<std::uint8_t>(number);
        ++text;
    } while (*text != '\0');
    return true;
}

}  // namespace

void Spwn::execute(const char* args, ::BasicSControl&) {
    DefinitionList list;
    if (namesAll(args)) {
        for (int number = 0; number < kSlots; ++number) {
            list.numbers[list.size++] = static_cast<std::uint8_t>(number);
        }
    } else if (!readDefinitions(args, list)) {
        return;
    }
    // An empty definition still yields an (empty) attacking group but announces nothing.
    bool vehiclesCame = false;
    for (int i = 0; i < list.size; ++i) {
        const std::uint8_t number = list.numbers[i];
        const bool holdsVehicles = state->groupDefs[number].specs[0].count != 0;
        if (!spawnGroup(number)) return;
        vehiclesCame = vehiclesCame || holdsVehicles;
    }
    if (vehiclesCame) announceReinforcements();
}

}  // namespace qvn
