#include "sim/options.h"

#include <filesystem>

#include "sim/scenario_error.h"
#include "sim/scenario_syntax.h"

namespace sim {

const char* const kUsage =
    "usage: kestrane-sim [--build NAME | --module PATH] [--script FILE|-] [--queries]\n"
    "                    [--dir DIR] [--seed N]";

Options parseOptions(int argc, const char* const* argv) {
    Options options;
    bool buildGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw UsageError(option + " needs a value");
            return argv[++i];
        };
        if (option == "--build") {
            options.build = value();
            buildGiven = true;
        } else if (option == "--module") {
            options.modulePath = value();
        } else if (option == "--script") {
            options.script = value();
        } else if (option == "--queries") {
            options.queries = true;
        } else if (option == "--dir") {
            options.directory = value();
        } else if (option == "--seed") {
            const std::string seed = value();
            try {
                options.seed = static_cast<std::uint32_t>(parseNumber(seed, 0, 4294967295LL));
            } catch (const ScenarioError& error) {
                throw UsageError(std::string("--seed: ") + error.what());
            }
        } else {
            throw UsageError("unknown option " + option);
        }
    }
    if (buildGiven && !options.modulePath.empty()) {
        throw UsageError("--build and --module exclude each other");
    }
    if (options.build.empty() || options.build.find_first_of("/\\") != std::string::npos) {
        throw UsageError("--build takes the name of a build, not a path");
    }
    return options;
}

std::string attachName(const Options& options) {
    if (options.modulePath.empty()) return options.build;
    return std::filesystem::path(options.modulePath).stem().string();
}

}  // namespace sim
