#include <cstdio>
#include <iostream>

#include "sim/console.h"
#include "sim/line_source.h"

namespace sim {

namespace {

class PromptedSource : public LineSource {
public:
    bool next(std::string& line, bool continuation) override {
        std::fputs(continuation ? "...> " : "kestrane> ", stdout);
        std::fflush(stdout);
        return lines_.next(line, continuation);
    }
    int lineNumber() const override { return lines_.lineNumber(); }

private:
    StreamLineSource lines_{std::cin};
};

}  // namespace

std::unique_ptr<LineSource> makeConsoleSource() {
    return std::make_unique<PromptedSource>();
}

}  // namespace sim
