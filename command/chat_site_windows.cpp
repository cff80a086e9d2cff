// On Windows the host's chat call is a relative call in the host's code: its displacement is
// rewritten so that the call lands in interceptChat, and written back at unload.
#include <windows.h>

#include <cstring>

#include "command/chat_site.h"
#include "command/event_handler.h"

namespace chatsite {

namespace {

// A call's displacement counts from the first byte after it.
std::uint32_t nextInstruction(std::uint32_t patchAddress) {
    return patchAddress + sizeof(std::uint32_t);
}

void writeDisplacement(std::uint32_t patchAddress, std::uint32_t displacement) {
    std::memcpy(reinterpret_cast<void*>(patchAddress), &displacement, sizeof displacement);
}

}  // namespace

std::uint32_t redirect(std::uint32_t patchAddress) {
    DWORD previous = 0;
    // The page stays writable: the unload writes the old displacement back without asking.
    if (!VirtualProtect(reinterpret_cast<void*>(patchAddress), sizeof(std::uint32_t),
                        PAGE_EXECUTE_READWRITE, &previous)) {
        return 0;
    }
    std::uint32_t displacement = 0;
    std::memcpy(&displacement, reinterpret_cast<const void*>(patchAddress), sizeof displacement);
    const std::uint32_t hostTarget = displacement + nextInstruction(patchAddress);
    const auto receiver = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&interceptChat));
    writeDisplacement(patchAddress, receiver - nextInstruction(patchAddress));
    return hostTarget;
}

void restore(std::uint32_t patchAddress, std::uint32_t savedTarget) {
    writeDisplacement(patchAddress, savedTarget - nextInstruction(patchAddress));
}

}  // namespace chatsite
