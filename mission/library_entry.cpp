// The library's entry point: the loader's notifications that the module has been loaded into
// the host or is about to be freed.
#include "mission/library_load.h"

#if defined(_WIN32)
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        onLibraryLoad();
    } else if (reason == DLL_PROCESS_DETACH) {
        onLibraryUnload();
    }
    return TRUE;
}

#else

namespace {

// A shared object has no entry point: this object, constructed after the module's globals
// and destroyed before them, brings the same two notifications.
struct LibraryNotifications {
    LibraryNotifications() { onLibraryLoad(); }
    ~LibraryNotifications() { onLibraryUnload(); }
} notifications;

}  // namespace

#endif
