// The argument form shared by reset, save, start and stop: a module name, then optionally the
// digits of the slots to act on.
#pragma once

#include <cstdint>
#include <string>

namespace qvn {

constexpr std::int32_t allSlots = -1;
constexpr std::int32_t endOfSlots = -2;

// Either allSlots in the first entry, or 1 to 9 distinct ascending slots ended by endOfSlots.
struct SlotList {
    std::int32_t entries[10];
};

// Reads "NAME" or "NAME DIGITS"; false after a failure it has already reported.
bool parseModuleSlots(const char* args, std::string& name, SlotList& slots);

// Calls visit(slot) for each listed slot in ascending order, or visit(-1) once for all.
template <class Visit>
void forEachSlot(const SlotList& slots, Visit visit) {
    if (slots.entries[0] == allSlots) {
        visit(allSlots);
        return;
    }
    for (const std::int32_t* slot = slots.entries; *slot != endOfSlots; ++slot) visit(*slot);
}

}  // namespace qvn
