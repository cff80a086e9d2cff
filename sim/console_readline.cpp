#include <cstdlib>

#include <readline/history.h>
#include <readline/readline.h>

#include "sim/console.h"
#include "sim/line_source.h"

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

std::unique_ptr<LineSource> makeConsoleSource() {
    return std::make_unique<ReadlineSource>();
}

}  // namespace sim
