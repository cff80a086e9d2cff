// What the simulator needs from the operating system, kept apart so that each platform has
// one small file of its own.
#pragma once

#include <string>
#include <vector>

namespace sim {

// The folder that holds the running simulator (the module builds lie beside it).
std::string programDirectory();

bool standardInputIsTerminal();

// What a user presses at the console to end the input.
const char* endOfInputKey();

// A `:show` form of the platform's own (the Windows host's process and call site): fills `lines`
// and answers true, or answers false for a form it does not know.
bool describePlatform(const std::string& what, std::vector<std::string>& lines);

// Runs `onAbort` when the process aborts; `onAbort` must end the process itself.
void installAbortHandler(void (*onAbort)());

}  // namespace sim
