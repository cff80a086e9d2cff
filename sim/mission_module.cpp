#include "sim/mission_module.h"

#include <exception>
#include <iostream>

#include "sim/chat_entry.h"
#include "sim/host_call_scope.h"
#include "sim/host_session.h"
#include "sim/scenario_error.h"

namespace sim {

namespace {

// Any region bigger than this is not a save region but a module fault.
constexpr unsigned kMaxRegionSize = 16u << 20;

}  // namespace

MissionModule::MissionModule(std::unique_ptr<ModuleLoader> loader, std::string path,
                             HostSession& host)
    : loader_(std::move(loader)), path_(std::move(path)), host_(host),
      consoleBuffer_(std::cout.rdbuf()) {}

MissionModule::~MissionModule() {
    unload();
}

template <typename Call>
void MissionModule::intoModule(const std::string& name, Call call) {
    try {
        ModuleCallScope scope;
        call();
    } catch (const std::exception& error) {
        throw ScenarioError("an exception left the module's " + name + ": " + error.what());
    } catch (...) {
        throw ScenarioError("an exception left the module's " + name);
    }
}

void MissionModule::load() {
    std::string error;
    bool done = false;
    intoModule("static constructors", [&] { done = loader_->load(path_, error); });
    if (!done) throw ScenarioError("cannot load the module: " + error);
}

void MissionModule::unload() {
    if (!loader_->loaded()) return;
    intoModule("static destructors", [&] { loader_->unload(); });
    host_.chatReceiver = nullptr;
    // The module may have left std::cout pointing into its own, now unloaded, memory.
    std::cout.rdbuf(consoleBuffer_);
    std::cout.clear();
}

void MissionModule::call(const std::string& name, const std::string& prefix) {
    void* address = loader_->function(name);
    if (address == nullptr) {
        host_.trace.call(prefix + "=> " + name + "(): no such export");
        return;
    }
    host_.trace.call(prefix + "=> " + name + "()");
    if (name == "InitProc" || name == "StatusProc") {
        int result = 0;
        intoModule(name, [&] { result = reinterpret_cast<int (*)()>(address)(); });
        host_.trace.call("<= " + std::to_string(result));
    } else if (name == "GetSaveRegions") {
        SaveRegionRecord record{nullptr, 0};
        intoModule(name, [&] { reinterpret_cast<void (*)(SaveRegionRecord*)>(address)(&record); });
    } else {
        intoModule(name, [&] { reinterpret_cast<void (*)()>(address)(); });
    }
}

void MissionModule::tick() {
    if (void* address = loader_->function("AIProc")) {
        intoModule("AIProc", [&] { reinterpret_cast<void (*)()>(address)(); });
    }
}

void MissionModule::deliverChat(const std::string& text, int player) {
    ChatReceiver receiver = chatEntry(host_);
    if (receiver == nullptr) return;
    intoModule("chat receiver", [&] { receiver(text.c_str(), player); });
}

MissionModule::Region MissionModule::region(bool traced) {
    Region region;
    void* address = loader_->function("GetSaveRegions");
    if (traced) {
        host_.trace.call(address != nullptr ? "=> GetSaveRegions()"
                                            : "=> GetSaveRegions(): no such export");
    }
    if (address == nullptr) return region;
    region.exported = true;
    SaveRegionRecord record{nullptr, 0};
    intoModule("GetSaveRegions",
               [&] { reinterpret_cast<void (*)(SaveRegionRecord*)>(address)(&record); });
    if (record.region != nullptr && record.size <= kMaxRegionSize) {
        region.bytes = static_cast<unsigned char*>(record.region);
        region.size = record.size;
    }
    return region;
}

}  // namespace sim
