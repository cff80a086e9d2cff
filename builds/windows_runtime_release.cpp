// The C and C++ runtimes linked into the DLL keep an emergency buffer for exceptions on the heap,
// and locks and thread-local slots of their own, for as long as they live; a DLL is unloaded long
// before the process ends, so all of it is given back after the module's last static destructor
// has run.
#include "builds/windows_runtime_objects.h"

namespace __gnu_cxx {
void __freeres() noexcept;
}

namespace {

struct RuntimeRelease {
    ~RuntimeRelease() {
        __gnu_cxx::__freeres();
        windows_runtime::releaseRuntimeObjects();
    }
};

// Built before every other static object of the module, so destroyed after all of them.
RuntimeRelease release __attribute__((init_priority(101)));

}  // namespace
