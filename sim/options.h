// The simulator's command line.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace sim {

struct Options {
    std::string build = "sandbox_plymouth";
    std::string modulePath;  // --module; when empty the build is looked up beside the program
    std::string script;      // --script; "-" is standard input, empty means none
    bool queries = false;
    std::string directory;  // --dir
    std::uint32_t seed = 1;
};

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

extern const char* const kUsage;

Options parseOptions(int argc, const char* const* argv);

// The name under ":attach": the build, or the module file's name without its extension.
std::string attachName(const Options& options);

}  // namespace sim
