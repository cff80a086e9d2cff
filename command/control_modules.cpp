#include "command/control_modules.h"

#include "command/module_slots.h"
#include "message/qv_ostream.h"
#include "message/report.h"
#include "message/text_scan.h"
#include "mission/version.h"

namespace qvn {

namespace {

// The module named in args, or null after a reported failure; slots receives the slot list.
Module* findTarget(const char* args, ::BasicSControl& control, SlotList& slots) {
    std::string name;
    if (!parseModuleSlots(args, name, slots)) return nullptr;
    Module* module = control.findModule(name);
    if (module == nullptr) report(category::logic, reportText::invalidModuleName);
    return module;
}

// Sends op to every listed slot of the module named in args.
void interactWithSlots(const char* args, ::BasicSControl& control, int op) {
    SlotList slots;
    if (Module* module = findTarget(args, control, slots)) {
        forEachSlot(slots, [&](int slot) { module->interact(op, slot); });
    }
}

}  // namespace

void InteractBase::interact(int op, int) {
    reportNotSupported(op);
}

int InteractBase::request(int op) {
    return refuseRequest(op);
}

void Reset::execute(const char* args, ::BasicSControl& control) {
    interactWithSlots(args, control, inopReset);
}

void StartStop::execute(const char* args, ::BasicSControl& control) {
    interactWithSlots(args, control, instanceOp);
}

void Save::execute(const char* args, ::BasicSControl& control) {
    if (!hasArguments(args)) return;
    SlotList slots;
    Module* module = findTarget(args, control, slots);
    if (module == nullptr) return;
    Module* file = control.findModule("file");
    if (file == nullptr) {
        reportModuleUnavailable("file");
        return;
    }
    switch (file->request(inopOpenOut)) {
        case inopError:
            reportLossOfModuleIntegrity();
            return;
        case inopErrorHandled:
            return;
        default:
            break;
    }
    try {
        forEachSlot(slots, [&](int slot) { module->interact(inopSave, slot); });
    } catch (...) {
        file->request(inopCloseOut);
        throw;
    }
    file->request(inopCloseOut);
}

void Version::interact(int op, int) {
    if (op != inopSave) {
        reportNotSupported(op);
        return;
    }
    commandOutput() << "noop v" << kVersionText << '\n' << std::flush;
}

void Version::execute(const char* args, ::BasicSControl&) {
    if (!isEmptyText(args)) {
        reportInvalidParameterList();
        return;
    }
    messageStream << news::version.text << std::flush;
}

void EModuleHandler::execute(const char*, ::BasicSControl&) {
    report(category::format, reportText::invalidModuleName);
}

}  // namespace qvn
