// Redirects a module's imports of system functions to stand-ins of the host while the module
// loads, so that even the calls of its entry point reach them.
#pragma once

#include <string>
#include <vector>

namespace sim {

struct ImportStandIn {
    std::string function;  // the imported name, from whichever system library
    void* standIn;         // a function of the same signature and calling convention
};

// While this object lives, a module whose file is named `fileName` (no folder) gets each of
// its imports named in `standIns` pointed at the stand-in, after the loader has bound its
// imports and before its entry point runs.
class ImportRedirection {
public:
    ImportRedirection(std::string fileName, const std::vector<ImportStandIn>& standIns);
    ~ImportRedirection();
    ImportRedirection(const ImportRedirection&) = delete;
    ImportRedirection& operator=(const ImportRedirection&) = delete;

    // False when the system offers no way of watching modules load.
    bool active() const { return cookie_ != nullptr; }
    const std::string& fileName() const { return fileName_; }
    const std::vector<ImportStandIn>& standIns() const { return standIns_; }

private:
    std::string fileName_;
    const std::vector<ImportStandIn>& standIns_;
    void* cookie_ = nullptr;
};

}  // namespace sim
