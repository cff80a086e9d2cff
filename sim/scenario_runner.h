// Runs a scenario: each line echoed to the trace and carried out against the host world and
// the loaded module.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "sim/host_session.h"
#include "sim/line_source.h"
#include "sim/mission_module.h"

namespace sim {

class ScenarioRunner {
public:
    ScenarioRunner(HostSession& host, MissionModule& module);

    // ":attach NAME" and the module load under it.
    void attach(const std::string& name);
    // Every line of the source; a ScenarioError names the line it came from.
    void run(LineSource& source);
    // One line (a `:file` block takes its content lines from the source too).
    void handle(const std::string& line, LineSource& source);
    // ":unload" and the unload under it, unless the scenario unloaded the module itself.
    void finish();

private:
    struct Directive {
        std::string_view rest;           // everything after the directive name
        std::vector<std::string> words;  // the rest split into words
        LineSource& source;
    };
    using Handler = void (ScenarioRunner::*)(const Directive&);
    static const std::map<std::string, Handler>& handlers();

    struct SavedGame {
        World world;
        std::vector<unsigned char> region;
        bool hasRegion = false;
    };

    void requireModule() const;
    void requireWords(const Directive& directive, std::size_t count, const char* form) const;
    void show(const std::vector<std::string>& lines);
    MissionModule::Region requireRegion();
    void fire(int trigger);

    void players(const Directive& directive);
    void difficulty(const Directive& directive);
    void set(const Directive& directive);
    void init(const Directive& directive);
    void chat(const Directive& directive);
    void advance(const Directive& directive);
    void call(const Directive& directive);
    void fireDirective(const Directive& directive);
    void rand(const Directive& directive);
    void seed(const Directive& directive);
    void delays(const Directive& directive);
    void fail(const Directive& directive);
    void unit(const Directive& directive);
    void kill(const Directive& directive);
    void save(const Directive& directive);
    void load(const Directive& directive);
    void unload(const Directive& directive);
    void peek(const Directive& directive);
    void poke(const Directive& directive);
    void file(const Directive& directive);
    void showDirective(const Directive& directive);

    HostSession& host_;
    MissionModule& module_;
    std::map<std::string, SavedGame> saves_;
};

}  // namespace sim
