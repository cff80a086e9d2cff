// The slot numbers that an interaction names: one slot of a ten-slot table, or all of them.
#pragma once

#include <cstdint>
#include <optional>

namespace qvn {

struct SlotRange {
    int first;
    int end;  // one past the last slot
};

// The slots that index names (-1: all ten); an index outside -1 to 9 is reported as
// "Invalid parameter" and yields nothing.
std::optional<SlotRange> slotRange(int index);

// Reads the slot number that starts a command's arguments; a number outside 0 to 9 is
// reported as "Invalid parameter". False after a reported failure.
bool readSlotNumber(const char** cursor, std::uint32_t& slot);

}  // namespace qvn
