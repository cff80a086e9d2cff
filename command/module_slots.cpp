#include "command/module_slots.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <new>

#include "message/report.h"
#include "message/text_scan.h"

namespace qvn {

namespace {

constexpr int kSlotCount = 10;

// Set bits of each 4-bit value.
constexpr unsigned char kNibbleBits[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};

unsigned countBits(unsigned set) {
    unsigned count = 0;
    for (; set != 0; set >>= 4) count += kNibbleBits[set & 0xF];
    return count;
}

// The slot digit at c, read on its own; -1 when c is not a digit.
int readSlotDigit(char c) {
    const char digit[2] = {c, '\0'};
    char* end = nullptr;
    long value = std::strtol(digit, &end, 10);
    return end == digit + 1 ? static_cast<int>(value) : -1;
}

// Reads the slot digits after the name; false after reporting a malformed list.
bool readSlots(const char* cursor, SlotList& slots) {
    int count = 0;
    unsigned seen = 0;
    while (count < kSlotCount) {
        while (std::isspace(static_cast<unsigned char>(*cursor))) ++cursor;
        int slot = readSlotDigit(*cursor);
        if (slot < 0 || (seen & (1u << slot)) != 0) {
            reportInvalidParameterList();
            return false;
        }
        slots.entries[count++] = slot;
        seen |= 1u << slot;
        if (*++cursor == '\0') break;
    }
    if (countBits(seen) == kSlotCount) {
        slots.entries[0] = allSlots;
    } else {
        std::sort(slots.entries, slots.entries + count);
        slots.entries[count] = endOfSlots;
    }
    return true;
}

}  // namespace

bool parseModuleSlots(const char* args, std::string& name, SlotList& slots) {
    if (!hasArguments(args)) return false;
    const char* blank = std::strchr(args, ' ');
    if (blank == nullptr || blank[1] == '\0') {
        slots.entries[0] = allSlots;
    } else if (!readSlots(blank + 1, slots)) {
        return false;
    }
    try {
        name.assign(args, blank != nullptr ? blank : args + std::strlen(args));
    } catch (const std::bad_alloc& failure) {
        reportOutOfMemory(failure);
        return false;
    }
    return true;
}

}  // namespace qvn
