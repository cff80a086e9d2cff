#include "sim/world_report.h"

#include "sim/c_string.h"
#include "sim/trace.h"

namespace sim {

namespace {

const char* categoryName(int type) {
    switch (unitCategory(type)) {
    case UnitCategory::vehicle: return "vehicle";
    case UnitCategory::structure: return "structure";
    case UnitCategory::beacon: return "beacon";
    case UnitCategory::other: break;
    }
    return "unit";
}

// " NAME VALUE" when the value is not 0: most units carry few of these.
std::string optional(const char* name, int value) {
    return value != 0 ? std::string(" ") + name + " " + num(value) : std::string();
}

std::string delayText(const TriggerState& trigger) {
    if (trigger.kind == TriggerKind::randomTime) {
        return num(trigger.minDelay) + ".." + num(trigger.maxDelay);
    }
    return num(trigger.minDelay);
}

}  // namespace

std::vector<std::string> describeUnits(const World& world) {
    std::vector<std::string> lines;
    for (const auto& [handle, unit] : world.units) {
        std::string line = unitText(handle) + " " + categoryName(unit.type) + " type " +
                           num(unit.type) + " " + locationText(unit.x, unit.y) + " owner " +
                           num(unit.owner) + optional("cargo", unit.cargo) +
                           optional("last", unit.last) + optional("lights", unit.lights);
        if (unit.truckKind != 0 || unit.truckAmount != 0) {
            line += " truck " + num(unit.truckKind) + "," + num(unit.truckAmount);
        }
        if (unit.group != 0) line += " in " + groupText(unit.group);
        lines.push_back(line);
    }
    for (const auto& [handle, group] : world.groups) {
        std::string line = groupText(handle) + " owner " + num(group.owner);
        if (group.attacking) line += " attacking";
        line += ":";
        for (const auto& [unitHandle, unit] : world.units) {
            if (unit.group == handle) line += " " + unitText(unitHandle);
        }
        lines.push_back(line);
    }
    if (lines.empty()) lines.push_back("(no units)");
    return lines;
}

std::vector<std::string> describePlayers(const World& world) {
    std::vector<std::string> lines;
    for (int i = 0; i < world.playerCount; ++i) {
        const PlayerState& player = world.players[i];
        std::string line = "Player[" + num(i) + "] " + (player.human ? "human" : "ai") + " " +
                           (player.colony.empty() ? "no colony" : player.colony) + " difficulty " +
                           num(player.difficulty) + " tech " + num(player.techLevel) + " ore " +
                           num(player.ore) + " food " + num(player.food) + " workers " +
                           num(player.workers) + " scientists " + num(player.scientists) +
                           " kids " + num(player.kids);
        if (!player.research.empty()) {
            line += " research";
            for (int topic : player.research) line += " " + num(topic);
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> describeTriggers(const World& world) {
    std::vector<std::string> lines;
    for (const auto& [handle, trigger] : world.triggers) {
        std::string line = triggerText(handle) + " ";
        if (trigger.kind == TriggerKind::operational) {
            const auto& a = trigger.operationalArgs;
            line += "operational (" +
                    argList({num(a[0]), num(a[1]), num(a[2]), num(a[3]), num(a[4]), num(a[5])}) +
                    ")";
        } else {
            line += "time " + delayText(trigger) + (trigger.once != 0 ? " once" : " repeat");
            if (trigger.spent) {
                line += " spent";
            } else if (trigger.enabled == 0) {
                line += " disabled";
            } else {
                line += " due @" + num(trigger.due);
            }
        }
        lines.push_back(line + " " + quoteCString(trigger.callback));
    }
    if (lines.empty()) lines.push_back("(no triggers)");
    return lines;
}

std::vector<std::string> describeMessages(const std::vector<LoggedMessage>& messages) {
    std::vector<std::string> lines;
    for (const LoggedMessage& message : messages) {
        const std::string where =
            message.onUnit ? unitText(message.unit) : locationText(message.x, message.y);
        lines.push_back(where + " to " + num(message.recipient) + " sound " + num(message.sound) +
                        " " + quoteCString(message.text));
    }
    if (lines.empty()) lines.push_back("(no messages)");
    return lines;
}

}  // namespace sim
