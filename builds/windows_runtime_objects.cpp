// The runtimes do not say which objects they keep: their locks are statics inside libgcc and
// libstdc++ that nothing outside can name. They are found where they are made instead. The
// runtime makes every lock's semaphore by CreateSemaphoreW and closes it by CloseHandle (unnamed
// semaphores the module itself made would be kept and given back the same way), and announces
// every thread-local slot with data to destroy to the mingw runtime through __mingwthr_key_dtor.
// This file defines those two import entries and that function; they come before the libraries
// at link time, so the runtime's calls within this DLL reach them.
#include "builds/windows_runtime_objects.h"

#include <windows.h>

#include <algorithm>

extern "C" int ___w64_mingwthr_add_key_dtor(DWORD key, void (*destroy)(void*));
extern "C" int ___w64_mingwthr_remove_key_dtor(DWORD key);

namespace windows_runtime {

namespace {

// A few of each are made (the locks of the unwinder, of the emulated thread-locals, of the
// static guards and of the exception buffer; one slot): beyond the table's end they stay behind.
HANDLE semaphores[16];

struct Slot {
    DWORD key;
    void (*destroy)(void*);  // null while the slot is being noted
};
constexpr LONG kSlots = 4;
Slot slots[kSlots];
LONG slotsClaimed = 0;

// The real functions, looked up on first use: the runtime makes its first lock before any
// initialiser of this file has run.
template <typename Function>
Function kernel32(Function& cached, const char* name) {
    if (cached == nullptr) {
        cached = reinterpret_cast<Function>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
    }
    return cached;
}
HANDLE(WINAPI* realCreateSemaphore)(LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR) = nullptr;
BOOL(WINAPI* realCloseHandle)(HANDLE) = nullptr;

HANDLE WINAPI createSemaphore(LPSECURITY_ATTRIBUTES security, LONG initial, LONG maximum,
                              LPCWSTR name) {
    HANDLE semaphore = kernel32(realCreateSemaphore, "CreateSemaphoreW")(security, initial,
                                                                          maximum, name);
    if (semaphore == nullptr || name != nullptr) return semaphore;  // a named one may be shared
    for (HANDLE& entry : semaphores) {
        if (InterlockedCompareExchangePointer(&entry, semaphore, nullptr) == nullptr) break;
    }
    return semaphore;
}

BOOL WINAPI closeHandle(HANDLE handle) {
    for (HANDLE& entry : semaphores) InterlockedCompareExchangePointer(&entry, nullptr, handle);
    return kernel32(realCloseHandle, "CloseHandle")(handle);
}

LONG slotCount() {
    return std::min(slotsClaimed, kSlots);
}

// Whoever destroys a thread's data first, the thread's end or the unload, empties the slot for
// the other.
void destroyThreadData(void* data) {
    for (LONG i = 0; i < slotCount(); ++i) {
        if (slots[i].destroy != nullptr && TlsGetValue(slots[i].key) == data) {
            TlsSetValue(slots[i].key, nullptr);
            slots[i].destroy(data);
            return;
        }
    }
}

}  // namespace

void releaseRuntimeObjects() noexcept {
    for (LONG i = 0; i < slotCount(); ++i) {
        if (slots[i].destroy == nullptr) continue;
        // The mingw runtime may still visit its slots at the unload: not this one any more.
        ___w64_mingwthr_remove_key_dtor(slots[i].key);
        if (void* data = TlsGetValue(slots[i].key)) {
            TlsSetValue(slots[i].key, nullptr);
            slots[i].destroy(data);
        }
        TlsFree(slots[i].key);
        slots[i].destroy = nullptr;
    }
    // The module's unwind tables are unregistered after this, under the unwinder's lock: with no
    // other thread inside the module nobody waits for it, and a lock taken without contention
    // never touches its semaphore.
    for (HANDLE& entry : semaphores) {
        if (HANDLE semaphore = InterlockedExchangePointer(&entry, nullptr)) {
            kernel32(realCloseHandle, "CloseHandle")(semaphore);
        }
    }
}

}  // namespace windows_runtime

// The slot is noted and the mingw runtime, which destroys a thread's data when the thread ends,
// destroys it through destroyThreadData.
extern "C" int __mingwthr_key_dtor(DWORD key, void (*destroy)(void*)) {
    using namespace windows_runtime;
    if (destroy == nullptr) return 0;
    const LONG index = InterlockedIncrement(&slotsClaimed) - 1;
    if (index >= kSlots) {
        return ___w64_mingwthr_add_key_dtor(key, destroy);
    }
    slots[index].key = key;
    InterlockedExchangePointer(reinterpret_cast<void**>(&slots[index].destroy),
                               reinterpret_cast<void*>(destroy));
    return ___w64_mingwthr_add_key_dtor(key, destroyThreadData);
}

// The import entries the runtime calls through (see the top of this file).
extern "C" {
extern void* const createSemaphoreEntry __asm__("__imp__CreateSemaphoreW@16");
void* const createSemaphoreEntry = reinterpret_cast<void*>(&windows_runtime::createSemaphore);
extern void* const closeHandleEntry __asm__("__imp__CloseHandle@4");
void* const closeHandleEntry = reinterpret_cast<void*>(&windows_runtime::closeHandle);
}
