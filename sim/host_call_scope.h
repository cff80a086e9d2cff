// How deep the simulator is inside its own code. Zero exactly while module code runs, so that a
// test's replacement allocator can fail the module's allocations and never the host's tracing.
#pragma once

namespace sim {

extern int hostCallDepth;

// Held by every host function (and by the simulator's own work around the module).
class HostCallScope {
public:
    HostCallScope() { ++hostCallDepth; }
    ~HostCallScope() { --hostCallDepth; }
    HostCallScope(const HostCallScope&) = delete;
    HostCallScope& operator=(const HostCallScope&) = delete;
};

// Held while the host calls into the module: module code runs at depth zero.
class ModuleCallScope {
public:
    ModuleCallScope() : saved_(hostCallDepth) { hostCallDepth = 0; }
    ~ModuleCallScope() { hostCallDepth = saved_; }
    ModuleCallScope(const ModuleCallScope&) = delete;
    ModuleCallScope& operator=(const ModuleCallScope&) = delete;

private:
    int saved_;
};

}  // namespace sim
