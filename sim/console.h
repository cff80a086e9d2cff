// The interactive console: scenario lines typed at a prompt, with line editing and history.
#pragma once

#include <memory>

namespace sim {

class LineSource;
class ScenarioRunner;

// Runs typed lines until the input ends; a bad line is reported and the console goes on.
void runConsole(ScenarioRunner& runner);

// The platform's reader of typed lines, with a prompt (readline natively; the Windows console
// brings its own line editing and history).
std::unique_ptr<LineSource> makeConsoleSource();

}  // namespace sim
