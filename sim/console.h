// The interactive console: scenario lines typed at a prompt, with line editing and history.
#pragma once

namespace sim {

class ScenarioRunner;

// Runs typed lines until the input ends; a bad line is reported and the console goes on.
void runConsole(ScenarioRunner& runner);

}  // namespace sim
