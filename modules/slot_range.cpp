#include "modules/slot_range.h"

#include "command/interaction.h"
#include "message/report.h"
#include "message/text_scan.h"
#include "mission/save_region.h"

namespace qvn {

std::optional<SlotRange> slotRange(int index) {
    if (index == kAllSlots) return SlotRange{0, kSlots};
    if (index < 0 || index >= kSlots) {
        reportInvalidParameter();
        return std::nullopt;
    }
    return SlotRange{index, index + 1};
}

bool readSlotNumber(const char** cursor, std::uint32_t& slot) {
    if (!readNumber(cursor, slot)) return false;
    if (slot >= static_cast<std::uint32_t>(kSlots)) {
        reportInvalidParameter();
        return false;
    }
    return true;
}

}  // namespace qvn
