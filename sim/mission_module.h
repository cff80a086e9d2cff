// The loaded mission module as the host sees it: its exports, called by name, each call shown
// in the trace; its save region; its chat receiver.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "host/kestrane.h"
#include "sim/module_loader.h"

namespace sim {

class HostSession;

class MissionModule {
public:
    MissionModule(std::unique_ptr<ModuleLoader> loader, std::string path, HostSession& host);
    ~MissionModule();

    // Loads the module; its static constructors run. Throws ScenarioError when it cannot.
    void load();
    // Unloads it; its static destructors run. The chat binding ends with it.
    void unload();
    bool loaded() const { return loader_->loaded(); }

    // Calls export `name` as the host does, traced as "<prefix>=> NAME()" with the calls it
    // makes under it and, for InitProc and StatusProc, "<= VALUE".
    void call(const std::string& name, const std::string& prefix = "");
    // Calls AIProc for a tick: not traced itself, only what it calls.
    void tick();
    // Hands a chat line to the receiver the module bound; nothing happens when none is bound.
    void deliverChat(const std::string& text, int player);

    // The module's save region from GetSaveRegions. `traced` shows the call as the host's own
    // (a save or a load); the simulator's inspection of the region is not shown.
    struct Region {
        unsigned char* bytes = nullptr;
        std::size_t size = 0;
        bool exported = false;  // the module has GetSaveRegions
    };
    Region region(bool traced);

private:
    template <typename Call>
    void intoModule(const std::string& name, Call call);

    std::unique_ptr<ModuleLoader> loader_;
    std::string path_;
    HostSession& host_;
    std::streambuf* consoleBuffer_;  // std::cout's own buffer, given back at each unload
};

}  // namespace sim
