#include "mission/library_load.h"

#include "command/control.h"
#include "command/event_handler.h"

void onLibraryLoad() {
    qvn::QVNMessageManager& manager = qvn::QVNMessageManager::instance();
    manager.patch();
    registerModules(commandControl);
    manager.installHandler(&commandControl);
}

void onLibraryUnload() {
    qvn::QVNMessageManager::instance().unpatch();
}
