#include "modules/grp.h"

#include <cstring>
#include <ostream>

#include "message/report.h"
#include "modules/group_letters.h"
#include "modules/slot_range.h"
#include "message/text_scan.h"

namespace qvn {

namespace {

// A definition holds at most this many vehicles, and one unit kind may name at most this many.
constexpr std::uint32_t kMaxVehicles = 32;

// The specs of one command, in the order typed.
struct SpecList {
    UnitSpec specs[GroupDef::kSpecs];
    int size = 0;
};

// The entries of a definition: the triples in front of the first count of 0.
int entryCount(const GroupDef& def) {
    int entries = 0;
    while (entries < GroupDef::kSpecs && def.specs[entries].count != 0) ++entries;
    return entries;
}

// Reads the specs that follow the definition number, up to the end of the text; false after a
// reported failure.
bool readSpecs(const char* text, SpecList& list) {
    for (;;) {
        if (list.size == GroupDef::kSpecs) {
            reportInvalidParameterList();
            return false;
        }
        text = skipWhiteSpace(text);
        const std::uint8_t secondType = secondTypeOfLetter(text[0]);
        if (secondType == 0) {
            reportInvalidParameterList();
            return false;
        }
        const std::uint8_t vehicle = vehicleOfLetter(text[1]);
        if (vehicle == 0 || !lettersPair(text[0], text[1])) {
            reportInvalidParameterList();
            return false;
        }
        text += 2;
        std::uint32_t count = 0;
        if (!readNumber(&text, count)) return false;
        if (count > kMaxVehicles) {
            reportInvalidParameter();
            return false;
        }
        list.specs[list.size++] = UnitSpec{vehicle, secondType, static_cast<std::uint8_t>(count)};
        if (*text == '\0') return true;
    }
}

// Whether the definition can take every unit kind of the list on top of what it holds.
bool hasRoom(const GroupDef& def, const SpecList& list) {
    int room = static_cast<int>(kMaxVehicles);
    for (int i = 0; i < entryCount(def); ++i) room -= def.specs[i].count;
    for (int i = 0; i < list.size; ++i) {
        if (list.specs[i].count > room) return false;
        room -= list.specs[i].count;
    }
    return true;
}

// Adds each unit kind to the entry of the same vehicle and second type, or appends a new entry.
void merge(GroupDef& def, const SpecList& list) {
    for (int i = 0; i < list.size; ++i) {
        const UnitSpec& unitSpec = list.specs[i];
        if (unitSpec.count == 0) continue;
        const int entries = entryCount(def);
        int at = 0;
        while (at < entries && (def.specs[at].vehicleType != unitSpec.vehicleType ||
                                def.specs[at].secondType != unitSpec.secondType)) {
            ++at;
        }
        if (at < entries) {
            def.specs[at].count = static_cast<std::uint8_t>(def.specs[at].count + unitSpec.count);
        } else {
            def.specs[at] = unitSpec;
        }
    }
}

}  // namespace

void Grp::interact(int op, int index) {
    resetOrSaveSlots(
        op, index, [this](int i) { resetDefinition(i); },
        [this](int first, int end) { saveDefinitions(first, end); });
}

int Grp::request(int op) {
    return refuseRequest(op);
}

void Grp::execute(const char* args, ::BasicSControl&) {
    if (!hasArguments(args)) return;
    const char* cursor = args;
    std::uint32_t number = 0;
    if (!readSlotNumber(&cursor, number)) return;
    SpecList specs;
    if (!readSpecs(cursor, specs)) return;
    GroupDef& def = state->groupDefs[number];
    if (!hasRoom(def, specs)) {
        report(category::logic, reportText::bufferOverflow);
        return;
    }
    merge(def, specs);
}

void Grp::resetDefinition(int index) {
    std::memset(&state->groupDefs[index], 0, sizeof(GroupDef));
}

// Writes the lines that rebuild the definitions: a reset of each non-empty one (or one reset of
// all when every one of the ten holds vehicles), then one `grp` line per entry.
void Grp::saveDefinitions(int first, int end) {
    std::ostream& out = commandOutput();
    int filled = 0;
    for (int i = first; i < end; ++i) {
        if (entryCount(state->groupDefs[i]) != 0) ++filled;
    }
    const bool resetAll = filled == kSlots;
    if (resetAll) out << "reset " << name() << '\n';
    for (int i = first; i < end; ++i) {
        const GroupDef& def = state->groupDefs[i];
        const int entries = entryCount(def);
        if (entries == 0) continue;
        if (!resetAll) out << "reset " << name() << ' ' << i << '\n';
        for (int e = 0; e < entries; ++e) {
            const UnitSpec& unitSpec = def.specs[e];
            out << name() << ' ' << i << ' ' << letterOfSecondType(unitSpec.secondType)
                << letterOfVehicle(unitSpec.vehicleType) << static_cast<unsigned>(unitSpec.count) << '\n';
        }
    }
}

}  // namespace qvn
