// What the simulator needs from the operating system, kept apart so that each platform has
// one small file of its own.
#pragma once

#include <string>

namespace sim {

// The folder that holds the running simulator (the module builds lie beside it).
std::string programDirectory();

bool standardInputIsTerminal();

// Runs `onAbort` when the process aborts; `onAbort` must end the process itself.
void installAbortHandler(void (*onAbort)());

}  // namespace sim
