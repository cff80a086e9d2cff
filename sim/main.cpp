// kestrane-sim: loads a mission module as the game would and traces every call between them.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "sim/console.h"
#include "sim/host_session.h"
#include "sim/line_source.h"
#include "sim/mission_module.h"
#include "sim/module_loader.h"
#include "sim/options.h"
#include "sim/platform.h"
#include "sim/scenario_runner.h"

namespace {

// The module aborts after a refused saved game: the trace ends there, with status 3.
void endOnAbort() {
    sim::hostSession().trace.abortLine();
    std::_Exit(3);
}

int fail(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "kestrane-sim: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    sim::Options options;
    try {
        options = sim::parseOptions(argc, argv);
    } catch (const sim::UsageError& error) {
        return fail(std::string(error.what()) + "\n" + sim::kUsage);
    }

    // Paths on the command line are taken before the move into the command directory.
    const std::filesystem::path modulePath = std::filesystem::absolute(
        options.modulePath.empty()
            ? std::filesystem::path(sim::programDirectory()) / sim::moduleFileName(options.build)
            : std::filesystem::path(options.modulePath));
    std::ifstream scriptFile;
    if (!options.script.empty() && options.script != "-") {
        scriptFile.open(options.script, std::ios::binary);
        if (!scriptFile) return fail("cannot read " + options.script);
    }
    std::istream& script = scriptFile.is_open() ? static_cast<std::istream&>(scriptFile) : std::cin;
    // The module takes std::cout over; reading must not flush it.
    std::cin.tie(nullptr);
    const bool interactive = options.script.empty() && sim::standardInputIsTerminal();

    if (!options.directory.empty()) {
        std::error_code error;
        std::filesystem::create_directories(options.directory, error);
        std::filesystem::current_path(options.directory, error);
        if (error) return fail("cannot use directory " + options.directory + ": " + error.message());
    }

    sim::HostSession& host = sim::hostSession();
    host.reset(options.seed);
    sim::FileSink out(stdout);
    host.trace.setSink(&out);
    host.trace.queries = options.queries;
    host.trace.readableMessages = interactive;
    sim::installAbortHandler(&endOnAbort);

    sim::MissionModule module(sim::makeModuleLoader(), modulePath.string(), host);
    sim::ScenarioRunner runner(host, module);
    try {
        runner.attach(sim::attachName(options));
        // At the console the typed line is on the screen already.
        host.trace.echoLines = !interactive;
        if (interactive) {
            sim::runConsole(runner);
        } else {
            sim::StreamLineSource lines(script);
            runner.run(lines);
        }
        runner.finish();
    } catch (const std::exception& error) {
        host.trace.flush();
        // Nothing more shows: the module goes without a trace.
        host.trace.setSink(nullptr);
        const int status = fail(error.what());
        try {
            module.unload();
        } catch (const std::exception&) {
        }
        return status;
    }
    host.trace.flush();
    return 0;
}
