#include "modules/slot_range.h"

#include "command/interaction.h"
#include "message/report.h"
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

}  // namespace qvn
