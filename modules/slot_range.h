// The slot numbers that an interaction names: one slot of a ten-slot table, or all of them.
#pragma once

#include <cstdint>
#include <optional>

#include "command/interaction.h"

namespace qvn {

struct SlotRange {
    int first;
    int end;  // one past the last slot
};

// The slots that index names (-1: all ten); an index outside -1 to 9 is reported as
// "Invalid parameter" and yields nothing.
std::optional<SlotRange> slotRange(int index);

// The reset and save interactions of a module with a ten-slot table: any other op is reported
// as not supported; then resetSlot(i) runs for each slot named, or saveSlots(first, end) once.
template <class ResetSlot, class SaveSlots>
void resetOrSaveSlots(int op, int index, ResetSlot resetSlot, SaveSlots saveSlots) {
    if (op != inopReset && op != inopSave) {
        reportNotSupported(op);
        return;
    }
    const auto range = slotRange(index);
    if (!range) return;
    if (op == inopSave) {
        saveSlots(range->first, range->end);
        return;
    }
    for (int i = range->first; i < range->end; ++i) resetSlot(i);
}

// Reads the slot number that starts a command's arguments; a number outside 0 to 9 is
// reported as "Invalid parameter". False after a reported failure.
bool readSlotNumber(const char** cursor, std::uint32_t& slot);

}  // namespace qvn
