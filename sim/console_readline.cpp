#include <cstdio>
#include <cstdlib>
#include <exception>

#include <readline/history.h>
#include <readline/readline.h>

#include "sim/console.h"
#include "sim/line_source.h"
#include "sim/scenario_runner.h"

namespace sim {

namespace {

class ReadlineSource : public LineSource {
public:
    bool next(std::string& line, bool continuation) override {
        char* typed = readline(continuation ? "...> " : "kestrane> ");
        if (typed == nullptr) return false;
        line = typed;
        std::free(typed);
        if (!line.empty()) add_history(line.c_str());
        ++number_;
        return true;
    }
    int lineNumber() const override { return number_; }

private:
    int number_ = 0;
};

}  // namespace

void runConsole(ScenarioRunner& runner) {
    std::printf("A plain line is chat of player 0; a line starting with ':' is a directive.\n"
                "End with Ctrl-D.\n");
    std::fflush(stdout);
    ReadlineSource source;
    std::string line;
    while (source.next(line, false)) {
        try {
            runner.handle(line, source);
        } catch (const std::exception& error) {
            std::fflush(stdout);
            std::fprintf(stderr, "error: %s\n", error.what());
        }
    }
    std::printf("\n");
}

}  // namespace sim
