#include <cstdio>
#include <exception>
#include <memory>

#include "sim/console.h"
#include "sim/line_source.h"
#include "sim/platform.h"
#include "sim/scenario_runner.h"

namespace sim {

void runConsole(ScenarioRunner& runner) {
    std::printf("A plain line is chat of player 0; a line starting with ':' is a directive.\n"
                "End with %s.\n",
                endOfInputKey());
    std::fflush(stdout);
    const std::unique_ptr<LineSource> source = makeConsoleSource();
    std::string line;
    while (source->next(line, false)) {
        try {
            runner.handle(line, *source);
        } catch (const std::exception& error) {
            std::fflush(stdout);
            std::fprintf(stderr, "error: %s\n", error.what());
        }
    }
    std::printf("\n");
}

}  // namespace sim
