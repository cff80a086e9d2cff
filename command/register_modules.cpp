// The command modules, created and registered at library load in their fixed order:
// reset, grp, spwn, loc, load, file, save, the default module, time, start, stop, meteor,
// vortex, quake, storm, kill, version, noop, evnt.
#include <new>

#include "command/control.h"
#include "command/control_modules.h"
#include "command/file_module.h"
#include "command/load_module.h"
#include "modules/disaster.h"
#include "modules/evnt.h"
#include "modules/grp.h"
#include "modules/kill.h"
#include "modules/loc.h"
#include "modules/spwn.h"
#include "modules/time.h"

namespace {

// Creates and registers one module. Memory running out while the library loads costs that
// module only: it is skipped (a null module registers nothing; a refused one is deleted) and
// the others are still registered, so the load itself never fails.
template <class M, class... Args>
void add(BasicSControl& control, Args... args) {
    Module* module = nullptr;
    try {
        module = new M(args...);
    } catch (const std::bad_alloc&) {
    }
    try {
        control.registerModule(module);
    } catch (const std::bad_alloc&) {
    }
}

}  // namespace

void registerModules(BasicSControl& control) {
    using namespace qvn;
    add<Reset>(control);
    add<Grp>(control, &commandState);
    add<Spwn>(control, &commandState);
    add<Loc>(control, &commandState);
    add<Load>(control);
    add<File>(control);
    add<Save>(control);
    add<EModuleHandler>(control);
    add<Time>(control, &commandState);
    add<StartStop>(control, inopStart);
    add<StartStop>(control, inopStop);
    add<Meteor>(control, &commandState);
    add<Vortex>(control, &commandState);
    add<Quake>(control, &commandState);
    add<Storm>(control, &commandState);
    add<Kill>(control, &commandState);
    add<Version>(control);
    add<Noop>(control);
    add<Evnt>(control, &commandState, kEventTimeCallback, kEventSwarmCallback,
               survivorGroups, kSurvivorGroupCount);
    control.permitPlayer(0);
}
