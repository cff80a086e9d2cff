#include "sim/scenario_runner.h"

#include <algorithm>
#include <cstring>

#include "sim/host_call_scope.h"
#include "sim/platform.h"
#include "sim/scenario_error.h"
#include "sim/scenario_files.h"
#include "sim/scenario_syntax.h"
#include "sim/state_report.h"
#include "sim/world_report.h"
#include "mission/save_region.h"

namespace sim {

namespace {

constexpr long long kIntMin = -2147483647LL - 1;
constexpr long long kIntMax = 2147483647LL;
constexpr long long kUnsignedMax = 4294967295LL;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Takes a trailing option word off `text` when it is there.
bool takeOption(std::string_view& text, std::string_view option) {
    if (text.size() <= option.size() || text.substr(text.size() - option.size()) != option ||
        !isBlank(text[text.size() - option.size() - 1])) {
        return false;
    }
    text = trimBlanks(text.substr(0, text.size() - option.size()));
    return true;
}

int intWord(const std::string& word, long long min = kIntMin, long long max = kIntMax) {
    return static_cast<int>(parseNumber(word, min, max));
}

}  // namespace

ScenarioRunner::ScenarioRunner(HostSession& host, MissionModule& module)
    : host_(host), module_(module) {}

const std::map<std::string, ScenarioRunner::Handler>& ScenarioRunner::handlers() {
    static const std::map<std::string, Handler> table = {
        {":players", &ScenarioRunner::players}, {":difficulty", &ScenarioRunner::difficulty},
        {":set", &ScenarioRunner::set},         {":init", &ScenarioRunner::init},
        {":chat", &ScenarioRunner::chat},       {":advance", &ScenarioRunner::advance},
        {":call", &ScenarioRunner::call},       {":fire", &ScenarioRunner::fireDirective},
        {":rand", &ScenarioRunner::rand},       {":seed", &ScenarioRunner::seed},
        {":delays", &ScenarioRunner::delays},   {":fail", &ScenarioRunner::fail},
        {":unit", &ScenarioRunner::unit},       {":kill", &ScenarioRunner::kill},
        {":save", &ScenarioRunner::save},       {":load", &ScenarioRunner::load},
        {":unload", &ScenarioRunner::unload},   {":peek", &ScenarioRunner::peek},
        {":poke", &ScenarioRunner::poke},       {":file", &ScenarioRunner::file},
        {":show", &ScenarioRunner::showDirective},
    };
    return table;
}

void ScenarioRunner::attach(const std::string& name) {
    HostCallScope scope;
    host_.trace.echo(":attach " + name);
    module_.load();
    host_.trace.flush();
}

void ScenarioRunner::run(LineSource& source) {
    std::string line;
    while (source.next(line, false)) {
        const int number = source.lineNumber();
        try {
            handle(line, source);
        } catch (const ScenarioError& error) {
            host_.trace.flush();
            throw ScenarioError("line " + std::to_string(number) + ": " + error.what());
        }
    }
}

void ScenarioRunner::handle(const std::string& line, LineSource& source) {
    HostCallScope scope;
    if (line.empty() || line[0] == '#') return;
    host_.trace.echo(line);
    if (line[0] != ':') {
        module_.deliverChat(line, 0);
    } else {
        const std::size_t nameEnd =
            std::find_if(line.begin(), line.end(), isBlank) - line.begin();
        const std::string name = line.substr(0, nameEnd);
        const auto found = handlers().find(name);
        if (found == handlers().end()) throw ScenarioError("unknown directive " + name);
        const std::string_view rest = std::string_view(line).substr(nameEnd);
        (this->*found->second)(Directive{rest, splitWords(rest), source});
    }
    host_.trace.flush();
}

void ScenarioRunner::finish() {
    HostCallScope scope;
    if (!module_.loaded()) return;
    host_.trace.echo(":unload");
    module_.unload();
    host_.trace.flush();
}

void ScenarioRunner::requireModule() const {
    if (!module_.loaded()) throw ScenarioError("no module is loaded");
}

void ScenarioRunner::requireWords(const Directive& directive, std::size_t count,
                                  const char* form) const {
    if (directive.words.size() != count) throw ScenarioError(std::string("expected ") + form);
}

void ScenarioRunner::show(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) host_.trace.call(line);
}

MissionModule::Region ScenarioRunner::requireRegion() {
    requireModule();
    const MissionModule::Region region = module_.region(false);
    if (region.bytes == nullptr || region.size == 0) {
        throw ScenarioError("the module reports no save region");
    }
    return region;
}

void ScenarioRunner::players(const Directive& directive) {
    if (directive.words.empty() || directive.words.size() > kPlayerSlots) {
        throw ScenarioError("expected :players followed by 1 to 8 of human or ai");
    }
    std::vector<bool> humans;
    for (const std::string& word : directive.words) {
        if (word != "human" && word != "ai") {
            throw ScenarioError("a player is human or ai, not \"" + word + "\"");
        }
        humans.push_back(word == "human");
    }
    host_.world.setPlayers(humans);
}

void ScenarioRunner::difficulty(const Directive& directive) {
    requireWords(directive, 1, ":difficulty D");
    host_.world.players[0].difficulty = intWord(directive.words[0]);
}

void ScenarioRunner::set(const Directive& directive) {
    requireWords(directive, 3, ":set P FIELD V");
    static const std::map<std::string, int PlayerState::*> fields = {
        {"ore", &PlayerState::ore},
        {"food", &PlayerState::food},
        {"workers", &PlayerState::workers},
        {"scientists", &PlayerState::scientists},
        {"kids", &PlayerState::kids},
    };
    const int player = intWord(directive.words[0], 0, kPlayerSlots - 1);
    const auto field = fields.find(directive.words[1]);
    if (field == fields.end()) {
        throw ScenarioError("a player field is ore, food, workers, scientists or kids, not \"" +
                            directive.words[1] + "\"");
    }
    host_.world.players[player].*(field->second) = intWord(directive.words[2]);
}

void ScenarioRunner::init(const Directive& directive) {
    requireWords(directive, 0, ":init");
    requireModule();
    module_.call("InitProc");
}

void ScenarioRunner::chat(const Directive& directive) {
    const ChatDirective chat = parseChatDirective(directive.rest);
    module_.deliverChat(chat.text, chat.player);
}

void ScenarioRunner::advance(const Directive& directive) {
    requireWords(directive, 1, ":advance N");
    const long long ticks = parseNumber(directive.words[0], 0, kIntMax);
    requireModule();
    for (long long i = 0; i < ticks && module_.loaded(); ++i) {
        ++host_.world.time;
        for (int trigger : host_.world.dueTriggers()) {
            // A trigger fired earlier in this tick may have destroyed this one.
            if (host_.world.isDue(trigger)) fire(trigger);
        }
        module_.tick();
    }
}

void ScenarioRunner::fire(int trigger) {
    const std::string callback = host_.world.triggers.at(trigger).callback;
    host_.world.afterFiring(trigger, host_.delayMode);
    module_.call(callback, "@" + std::to_string(host_.world.time) + " " + triggerText(trigger) + " ");
}

void ScenarioRunner::call(const Directive& directive) {
    requireWords(directive, 1, ":call NAME");
    requireModule();
    module_.call(directive.words[0]);
}

void ScenarioRunner::fireDirective(const Directive& directive) {
    requireWords(directive, 1, ":fire trigger:N");
    const int trigger = parseHandle(directive.words[0], "trigger");
    requireModule();
    if (host_.world.triggers.count(trigger) == 0) {
        throw ScenarioError("there is no " + triggerText(trigger));
    }
    fire(trigger);
}

void ScenarioRunner::rand(const Directive& directive) {
    if (directive.words.empty()) throw ScenarioError("expected :rand V...");
    std::vector<std::uint32_t> values;
    for (const std::string& word : directive.words) {
        values.push_back(static_cast<std::uint32_t>(parseNumber(word, 0, kUnsignedMax)));
    }
    for (std::uint32_t value : values) host_.rand.enqueue(value);
}

void ScenarioRunner::seed(const Directive& directive) {
    requireWords(directive, 1, ":seed N");
    host_.world.generator.seed(static_cast<std::uint32_t>(parseNumber(directive.words[0], 0, kUnsignedMax)));
}

void ScenarioRunner::delays(const Directive& directive) {
    requireWords(directive, 1, ":delays min|max|random");
    const std::string& mode = directive.words[0];
    if (mode == "min") {
        host_.delayMode = DelayMode::min;
    } else if (mode == "max") {
        host_.delayMode = DelayMode::max;
    } else if (mode == "random") {
        host_.delayMode = DelayMode::random;
    } else {
        throw ScenarioError("expected :delays min|max|random");
    }
}

void ScenarioRunner::fail(const Directive& directive) {
    requireWords(directive, 2, ":fail CreateUnit N");
    if (directive.words[0] != "CreateUnit") {
        throw ScenarioError("only CreateUnit can be made to fail");
    }
    host_.planCreateUnitFailure(intWord(directive.words[1], 1, kIntMax));
}

void ScenarioRunner::unit(const Directive& directive) {
    requireWords(directive, 4, ":unit TYPE X Y OWNER");
    UnitState unit;
    unit.type = intWord(directive.words[0]);
    unit.x = intWord(directive.words[1]);
    unit.y = intWord(directive.words[2]);
    unit.owner = intWord(directive.words[3]);
    show({unitText(host_.world.addUnit(unit))});
}

void ScenarioRunner::kill(const Directive& directive) {
    requireWords(directive, 1, ":kill unit:N");
    const int unit = parseHandle(directive.words[0], "unit");
    if (!host_.world.removeUnit(unit)) throw ScenarioError("there is no " + unitText(unit));
}

void ScenarioRunner::save(const Directive& directive) {
    requireWords(directive, 1, ":save NAME");
    requireModule();
    SavedGame saved;
    saved.world = host_.world;
    const MissionModule::Region region = module_.region(true);
    if (region.bytes != nullptr) {
        saved.region.assign(region.bytes, region.bytes + region.size);
        saved.hasRegion = true;
    }
    saves_[directive.words[0]] = std::move(saved);
}

void ScenarioRunner::load(const Directive& directive) {
    requireWords(directive, 1, ":load NAME");
    const auto found = saves_.find(directive.words[0]);
    if (found == saves_.end()) throw ScenarioError("no game was saved as " + directive.words[0]);
    const SavedGame& saved = found->second;
    module_.unload();
    module_.load();
    host_.world = saved.world;
    const MissionModule::Region region = module_.region(true);
    if (!saved.hasRegion || region.bytes == nullptr) return;
    std::memcpy(region.bytes, saved.region.data(), std::min(region.size, saved.region.size()));
    if (region.size != saved.region.size()) {
        host_.trace.call("the saved region has " + std::to_string(saved.region.size()) +
                         " bytes, the module's " + std::to_string(region.size));
    }
}

void ScenarioRunner::unload(const Directive& directive) {
    requireWords(directive, 0, ":unload");
    requireModule();
    module_.unload();
}

void ScenarioRunner::peek(const Directive& directive) {
    requireWords(directive, 2, ":peek OFF LEN");
    const long long offset = parseNumber(directive.words[0], 0, kIntMax);
    const long long length = parseNumber(directive.words[1], 1, kIntMax);
    const MissionModule::Region region = requireRegion();
    if (offset + length > static_cast<long long>(region.size)) {
        throw ScenarioError("the save region has only " + std::to_string(region.size) + " bytes");
    }
    std::string line = "region+" + std::to_string(offset) + ":";
    static const char kHex[] = "0123456789abcdef";
    for (long long i = offset; i < offset + length; ++i) {
        line += ' ';
        line += kHex[region.bytes[i] >> 4];
        line += kHex[region.bytes[i] & 15];
    }
    show({line});
}

void ScenarioRunner::poke(const Directive& directive) {
    if (directive.words.size() < 2) throw ScenarioError("expected :poke OFF HEX...");
    const long long offset = parseNumber(directive.words[0], 0, kIntMax);
    const std::vector<unsigned char> bytes =
        parseHexBytes(std::vector<std::string>(directive.words.begin() + 1, directive.words.end()));
    const MissionModule::Region region = requireRegion();
    if (offset + static_cast<long long>(bytes.size()) > static_cast<long long>(region.size)) {
        throw ScenarioError("the save region has only " + std::to_string(region.size) + " bytes");
    }
    std::memcpy(region.bytes + offset, bytes.data(), bytes.size());
}

void ScenarioRunner::file(const Directive& directive) {
    std::string_view pathText = trimBlanks(directive.rest);
    bool crlf = false;
    bool lastEnded = true;
    // The options may come in either order, each at most once.
    for (int round = 0; round < 2; ++round) {
        if (!crlf && takeOption(pathText, "crlf")) crlf = true;
        if (lastEnded && takeOption(pathText, "nonl")) lastEnded = false;
    }
    const std::filesystem::path path = scenarioPath(pathText);
    std::vector<std::string> lines;
    std::string line;
    while (true) {
        if (!directive.source.next(line, true)) throw ScenarioError(":file without :end");
        if (line == ":end") break;
        lines.push_back(line);
    }
    writeScenarioFile(path, lines, crlf, lastEnded);
}

void ScenarioRunner::showDirective(const Directive& directive) {
    if (directive.words.empty()) {
        throw ScenarioError("expected :show file PATH|units|players|triggers|messages|state");
    }
    const std::string& what = directive.words[0];
    if (what == "file") {
        std::string_view rest = trimBlanks(directive.rest);
        show(describeFile(scenarioPath(trimBlanks(rest.substr(what.size())))));
        return;
    }
    if (directive.words.size() != 1) throw ScenarioError("expected :show " + what);
    if (what == "units") {
        show(describeUnits(host_.world));
    } else if (what == "players") {
        show(describePlayers(host_.world));
    } else if (what == "triggers") {
        show(describeTriggers(host_.world));
    } else if (what == "messages") {
        show(describeMessages(host_.messages));
    } else if (what == "state") {
        const MissionModule::Region region = requireRegion();
        if (region.size != kSaveRegionSize) {
            throw ScenarioError("the save region has " + std::to_string(region.size) +
                                " bytes, not the console state's " + std::to_string(kSaveRegionSize));
        }
        show(describeConsoleState(region.bytes));
    } else if (std::vector<std::string> lines; describePlatform(what, lines)) {
        show(lines);
    } else {
        throw ScenarioError("cannot show \"" + what + "\"");
    }
}

}  // namespace sim
