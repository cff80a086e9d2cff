// The interaction op codes that modules send each other, and the two shared reports.
#pragma once

#include <string>

namespace qvn {

enum InteractionOp : int {
    inopError = -1,        // request failed, nothing reported (or not supported)
    inopOk = 0,            // request done
    inopErrorHandled = 1,  // request failed and already reported
    inopReset = 2,
    inopSave = 3,          // write the module's state as command lines to the command output
    inopOpenOut = 4,
    inopCloseOut = 5,
    inopCallback = 6,      // a timer of the module fired
    inopStart = 7,
    inopStop = 8,
};

// Every slot table of a module has ten slots; an interaction names one, or all with -1.
constexpr int kAllSlots = -1;

// The op's name as reports show it; "-unknown code-" for a code outside the table.
const char* opName(int op);

// "Logic error: " "Not supported(<op name>)".
void reportNotSupported(int op);
// What a module answers to a request it does not serve: reported as not supported, inopError.
int refuseRequest(int op);
// "Internal error: " "Module unavailable: <name>".
void reportModuleUnavailable(const std::string& name);

}  // namespace qvn
