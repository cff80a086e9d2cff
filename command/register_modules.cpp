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

// A module that cannot be allocated is registered as null, which registers nothing.
template <class M, class... Args>
Module* create(Args... args) {
    try {
        return new M(args...);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace

void registerModules(BasicSControl& control) {
    using namespace qvn;
    control.registerModule(create<Reset>());
    control.registerModule(create<Grp>(&commandState));
    control.registerModule(create<Spwn>(&commandState));
    control.registerModule(create<Loc>(&commandState));
    control.registerModule(create<Load>());
    control.registerModule(create<File>());
    control.registerModule(create<Save>());
    control.registerModule(create<EModuleHandler>());
    control.registerModule(create<Time>(&commandState));
    control.registerModule(create<StartStop>(inopStart));
    control.registerModule(create<StartStop>(inopStop));
    control.registerModule(create<Meteor>(&commandState));
    control.registerModule(create<Vortex>(&commandState));
    control.registerModule(create<Quake>(&commandState));
    control.registerModule(create<Storm>(&commandState));
    control.registerModule(create<Kill>(&commandState));
    control.registerModule(create<Version>());
    control.registerModule(create<Noop>());
    control.registerModule(create<Evnt>(&commandState, kEventTimeCallback, kEventSwarmCallback,
                                        survivorGroups, kSurvivorGroupCount));
    control.permitPlayer(0);
}
