// Loads a mission module and finds its exports by name. The platform's own mechanism lives in
// one implementation file per platform (shared objects here).
#pragma once

#include <memory>
#include <string>

namespace sim {

class ModuleLoader {
public:
    virtual ~ModuleLoader() = default;
    // Loads the module (its static constructors run); false with a reason when it cannot.
    virtual bool load(const std::string& path, std::string& error) = 0;
    // A function exported by the module itself, or null (also for a data export, or a name
    // that only a library the module depends on defines).
    virtual void* function(const std::string& name) = 0;
    // Unloads the module (its static destructors run).
    virtual void unload() = 0;
    virtual bool loaded() const = 0;
};

std::unique_ptr<ModuleLoader> makeModuleLoader();

// The file name of a module build beside the simulator: NAME.so or NAME.dll.
std::string moduleFileName(const std::string& build);

}  // namespace sim
