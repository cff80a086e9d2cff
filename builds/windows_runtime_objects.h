// What the C and C++ runtimes linked into the DLL create for themselves and keep for as long as
// they live: the semaphores behind their locks and the thread-local slots of their per-thread
// data. A DLL is unloaded long before the process ends, so these are given back at unload.
#pragma once

namespace windows_runtime {

// Destroys the calling thread's data in each of the runtime's thread-local slots, frees the
// slots and closes the semaphores the runtime has not closed itself. Nothing of the runtime may
// run after it but the unregistering of the module's unwind tables (see the definition).
void releaseRuntimeObjects() noexcept;

}  // namespace windows_runtime
