#include "sim/system_stand_ins_windows.h"

#include <windows.h>

#include <cstdio>

#include "sim/host_call_scope.h"
#include "sim/host_session.h"
#include "sim/host_system.h"

namespace sim {

namespace {

std::string protectionText(DWORD protection) {
    static const struct {
        DWORD value;
        const char* name;
    } kNames[] = {
        {PAGE_NOACCESS, "PAGE_NOACCESS"},
        {PAGE_READONLY, "PAGE_READONLY"},
        {PAGE_READWRITE, "PAGE_READWRITE"},
        {PAGE_WRITECOPY, "PAGE_WRITECOPY"},
        {PAGE_EXECUTE, "PAGE_EXECUTE"},
        {PAGE_EXECUTE_READ, "PAGE_EXECUTE_READ"},
        {PAGE_EXECUTE_READWRITE, "PAGE_EXECUTE_READWRITE"},
        {PAGE_EXECUTE_WRITECOPY, "PAGE_EXECUTE_WRITECOPY"},
    };
    for (const auto& entry : kNames) {
        if (entry.value == protection) return entry.name;
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%lX", static_cast<unsigned long>(protection));
    return hex;
}

std::string addressText(const void* address) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08lX",
                  static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(address)));
    return hex;
}

BOOL WINAPI tracedVirtualProtect(void* address, SIZE_T size, DWORD protection, DWORD* previous) {
    HostCallScope scope;
    const BOOL done = VirtualProtect(address, size, protection, previous);
    const DWORD error = GetLastError();
    hostSession().trace.call("VirtualProtect(" +
                             argList({addressText(address), num(static_cast<long long>(size)),
                                      protectionText(protection)}) +
                             ") -> " + num(done));
    SetLastError(error);
    return done;
}

int WINAPI tracedMessageBoxA(HWND owner, const char* text, const char* caption, UINT style) {
    HostCallScope scope;
    traceMessageBox(owner, text, caption, style);
    return IDOK;
}

}  // namespace

const std::vector<ImportStandIn>& systemStandIns() {
    static const std::vector<ImportStandIn> standIns = {
        {"VirtualProtect", reinterpret_cast<void*>(&tracedVirtualProtect)},
        {"MessageBoxA", reinterpret_cast<void*>(&tracedMessageBoxA)},
    };
    return standIns;
}

}  // namespace sim
