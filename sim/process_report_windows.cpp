// The Windows host's own `:show` forms: where its chat call site leads, and what the process
// holds (to see that loading and unloading a module leaves nothing behind).
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "sim/platform.h"

extern "C" void kestraneHostChatTarget(char const* text, int player);

namespace sim {

namespace {

// The relative call's displacement lies after its opcode and counts from the next instruction.
constexpr std::uintptr_t kCallSite = 0x0040FD85;
constexpr std::uintptr_t kDisplacement = kCallSite + 1;
constexpr std::uintptr_t kNextInstruction = kDisplacement + 4;

std::string hexText(std::uintptr_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

// "host" for the host's own target, the file name of the module the call leads into, or the
// bare address.
std::string callSiteLine() {
    std::int32_t displacement = 0;
    std::memcpy(&displacement, reinterpret_cast<const void*>(kDisplacement), sizeof displacement);
    const std::uintptr_t target = kNextInstruction + displacement;
    if (target == reinterpret_cast<std::uintptr_t>(&kestraneHostChatTarget)) {
        return "call site: host";
    }
    HMODULE owner = nullptr;
    char path[MAX_PATH];
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<const char*>(target), &owner) &&
        GetModuleFileNameA(owner, path, sizeof path) != 0) {
        const char* name = std::strrchr(path, '\\');
        return std::string("call site: ") + (name != nullptr ? name + 1 : path);
    }
    return "call site: " + hexText(target);
}

// The bytes in use on every heap of the process, and in how many blocks.
std::string heapLine() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    unsigned long long bytes = 0;
    unsigned long long blocks = 0;
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) == 0) continue;
            bytes += entry.cbData;
            ++blocks;
        }
        HeapUnlock(heap);
    }
    return "heap: " + std::to_string(bytes) + " bytes in " + std::to_string(blocks) + " blocks";
}

// The process's own handle count is not offered everywhere, but handles are small multiples of
// 4 handed out lowest first: the count stops after a long run of values that are no handles.
unsigned long openHandles() {
    constexpr ULONG_PTR kGiveUpAfter = 1024;
    unsigned long count = 0;
    ULONG_PTR misses = 0;
    for (ULONG_PTR value = 4; misses < kGiveUpAfter; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++count;
            misses = 0;
        } else {
            ++misses;
        }
    }
    return count;
}

// The lowest free thread-local slot: it climbs when slots are taken and never given back.
unsigned long nextTlsSlot() {
    const DWORD slot = TlsAlloc();
    if (slot != TLS_OUT_OF_INDEXES) TlsFree(slot);
    return slot;
}

// Committed memory of the process's own (not mapped from files or images).
unsigned long long privateBytes() {
    unsigned long long bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr;
         VirtualQuery(address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
        if (static_cast<const char*>(region.BaseAddress) + region.RegionSize < address) break;
    }
    return bytes;
}

std::vector<std::string> processLines() {
    return {heapLine(), "handles: " + std::to_string(openHandles()),
            "next TLS slot: " + std::to_string(nextTlsSlot()),
            "private bytes: " + std::to_string(privateBytes())};
}

}  // namespace

bool describePlatform(const std::string& what, std::vector<std::string>& lines) {
    if (what == "callsite") {
        lines = {callSiteLine()};
    } else if (what == "process") {
        lines = processLines();
    } else {
        return false;
    }
    return true;
}

}  // namespace sim
