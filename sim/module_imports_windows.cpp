#include "sim/module_imports_windows.h"

#include <windows.h>
#include <winternl.h>

#include <cctype>

namespace sim {

namespace {

// The loader's notification that a module was mapped and its imports bound (ntdll, Vista on).
constexpr ULONG kModuleLoaded = 1;

struct LoadNotification {
    ULONG flags;
    const UNICODE_STRING* fullName;
    const UNICODE_STRING* baseName;
    void* base;
    ULONG imageSize;
};

using NotificationFunction = VOID(CALLBACK*)(ULONG reason, const LoadNotification* data,
                                             void* context);
using RegisterFunction = NTSTATUS(NTAPI*)(ULONG flags, NotificationFunction notification,
                                          void* context, void** cookie);
using UnregisterFunction = NTSTATUS(NTAPI*)(void* cookie);

template <typename Function>
Function ntdllFunction(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), name)));
}

bool sameFileName(const UNICODE_STRING& loaded, const std::string& expected) {
    const std::size_t length = loaded.Length / sizeof(WCHAR);
    if (length != expected.size()) return false;
    for (std::size_t i = 0; i < length; ++i) {
        const WCHAR c = loaded.Buffer[i];
        if (c > 0x7F || std::tolower(c) != std::tolower(static_cast<unsigned char>(expected[i]))) {
            return false;
        }
    }
    return true;
}

void writeImport(ULONG_PTR& entry, void* standIn) {
    DWORD previous = 0;
    VirtualProtect(&entry, sizeof entry, PAGE_READWRITE, &previous);
    entry = reinterpret_cast<ULONG_PTR>(standIn);
    VirtualProtect(&entry, sizeof entry, previous, &previous);
}

// Walks the module's import descriptors: each named import that has a stand-in gets its entry
// in the import address table replaced.
void redirectImports(unsigned char* base, const std::vector<ImportStandIn>& standIns) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) return;
    for (auto* library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
             base + directory.VirtualAddress);
         library->Name != 0; ++library) {
        // Without a name table only the bound addresses are left, and they name nothing.
        if (library->OriginalFirstThunk == 0) continue;
        const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
        auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            const char* name = reinterpret_cast<const char*>(byName->Name);
            for (const ImportStandIn& standIn : standIns) {
                if (standIn.function == name) writeImport(addresses->u1.Function, standIn.standIn);
            }
        }
    }
}

VOID CALLBACK onModuleLoad(ULONG reason, const LoadNotification* data, void* context) {
    const auto& redirection = *static_cast<const ImportRedirection*>(context);
    if (reason != kModuleLoaded || !sameFileName(*data->baseName, redirection.fileName())) return;
    redirectImports(static_cast<unsigned char*>(data->base), redirection.standIns());
}

}  // namespace

ImportRedirection::ImportRedirection(std::string fileName,
                                     const std::vector<ImportStandIn>& standIns)
    : fileName_(std::move(fileName)), standIns_(standIns) {
    const auto registerNotification =
        ntdllFunction<RegisterFunction>("LdrRegisterDllNotification");
    if (registerNotification == nullptr) return;
    if (registerNotification(0, &onModuleLoad, this, &cookie_) < 0) cookie_ = nullptr;
}

ImportRedirection::~ImportRedirection() {
    if (cookie_ == nullptr) return;
    ntdllFunction<UnregisterFunction>("LdrUnregisterDllNotification")(cookie_);
}

}  // namespace sim
