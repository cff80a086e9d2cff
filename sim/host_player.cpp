// The host's player table. Each entry knows its own number; the rest of a player's state lives
// in the world, so that a saved game carries it.
#include "host/kestrane.h"
#include "sim/host_call_scope.h"
#include "sim/host_session.h"

using sim::HostCallScope;
using sim::hostSession;

_Player Player[sim::kPlayerSlots] = {{0, {0, 0}}, {1, {0, 0}}, {2, {0, 0}}, {3, {0, 0}},
                                     {4, {0, 0}}, {5, {0, 0}}, {6, {0, 0}}, {7, {0, 0}}};

namespace {

std::string callName(int player, const char* method) {
    return "Player[" + sim::num(player) + "]." + method + "(";
}

// A setter traces its value and stores it; a player number outside the table changes nothing.
void setField(int player, const char* method, int value, int sim::PlayerState::*field) {
    HostCallScope scope;
    hostSession().trace.call(callName(player, method) + sim::num(value) + ")");
    if (sim::PlayerState* state = hostSession().world.player(player)) state->*field = value;
}

int queryField(int player, const char* method, int sim::PlayerState::*field) {
    HostCallScope scope;
    const sim::PlayerState* state = hostSession().world.player(player);
    const int value = state != nullptr ? state->*field : 0;
    hostSession().trace.query(callName(player, method) + ") -> " + sim::num(value));
    return value;
}

void traceBare(int player, const char* method) {
    hostSession().trace.call(callName(player, method) + ")");
}

}  // namespace

void _Player::GoAI() {
    HostCallScope scope;
    traceBare(playerNum, "GoAI");
    if (sim::PlayerState* state = hostSession().world.player(playerNum)) state->human = false;
}

void _Player::GoEden() {
    HostCallScope scope;
    traceBare(playerNum, "GoEden");
    if (sim::PlayerState* state = hostSession().world.player(playerNum)) state->colony = "eden";
}

void _Player::GoPlymouth() {
    HostCallScope scope;
    traceBare(playerNum, "GoPlymouth");
    if (sim::PlayerState* state = hostSession().world.player(playerNum)) state->colony = "plymouth";
}

void _Player::SetTechLevel(int level) {
    setField(playerNum, "SetTechLevel", level, &sim::PlayerState::techLevel);
}

void _Player::MarkResearchComplete(int topic) {
    HostCallScope scope;
    hostSession().trace.call(callName(playerNum, "MarkResearchComplete") + sim::num(topic) + ")");
    if (sim::PlayerState* state = hostSession().world.player(playerNum)) {
        state->research.push_back(topic);
    }
}

void _Player::CenterViewOn(int x, int y) {
    HostCallScope scope;
    hostSession().trace.call(callName(playerNum, "CenterViewOn") +
                             sim::argList({sim::num(x), sim::num(y)}) + ")");
}

int _Player::Difficulty() {
    return queryField(playerNum, "Difficulty", &sim::PlayerState::difficulty);
}

int _Player::IsHuman() {
    HostCallScope scope;
    sim::World& world = hostSession().world;
    const int human = playerNum >= 0 && playerNum < world.playerCount &&
                      world.players[playerNum].human;
    hostSession().trace.query(callName(playerNum, "IsHuman") + ") -> " + sim::num(human));
    return human;
}

void _Player::SetOre(int amount) {
    setField(playerNum, "SetOre", amount, &sim::PlayerState::ore);
}

int _Player::FoodStored() {
    return queryField(playerNum, "FoodStored", &sim::PlayerState::food);
}

void _Player::SetFoodStored(int amount) {
    setField(playerNum, "SetFoodStored", amount, &sim::PlayerState::food);
}

int _Player::Workers() {
    return queryField(playerNum, "Workers", &sim::PlayerState::workers);
}

void _Player::SetWorkers(int count) {
    setField(playerNum, "SetWorkers", count, &sim::PlayerState::workers);
}

int _Player::Scientists() {
    return queryField(playerNum, "Scientists", &sim::PlayerState::scientists);
}

void _Player::SetScientists(int count) {
    setField(playerNum, "SetScientists", count, &sim::PlayerState::scientists);
}

int _Player::Kids() {
    return queryField(playerNum, "Kids", &sim::PlayerState::kids);
}

void _Player::SetKids(int count) {
    setField(playerNum, "SetKids", count, &sim::PlayerState::kids);
}
