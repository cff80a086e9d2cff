// PellanGame: messages, random numbers, units, beacons and the game-wide effects.
#include "host/kestrane.h"
#include "sim/host_call_scope.h"
#include "sim/host_session.h"

using sim::argList;
using sim::HostCallScope;
using sim::hostSession;
using sim::num;

namespace {

void logMessage(sim::LoggedMessage message, const char* text, const std::string& callLine) {
    sim::HostSession& host = hostSession();
    message.text = text != nullptr ? text : "";
    host.trace.message(callLine, message.text);
    host.messages.push_back(std::move(message));
}

// A call that only shows in the trace: the simulated world keeps nothing of it.
void traceEffect(const char* name, std::initializer_list<std::string> args) {
    HostCallScope scope;
    hostSession().trace.call(std::string("PellanGame::") + name + "(" + argList(args) + ")");
}

}  // namespace

void PellanGame::AddMessage(int pixelX, int pixelY, char* text, int recipient, int sound) {
    HostCallScope scope;
    sim::LoggedMessage message;
    message.x = pixelX;
    message.y = pixelY;
    message.recipient = recipient;
    message.sound = sound;
    logMessage(message, text,
               "PellanGame::AddMessage(" +
                   argList({num(pixelX), num(pixelY), sim::textArg(text), num(recipient), num(sound)}) +
                   ")");
}

void PellanGame::AddMessage(Unit owner, char* text, int recipient, int sound) {
    HostCallScope scope;
    sim::LoggedMessage message;
    message.onUnit = true;
    message.unit = owner.unitID;
    message.recipient = recipient;
    message.sound = sound;
    logMessage(message, text,
               "PellanGame::AddMessage(" +
                   argList({sim::unitText(owner.unitID), sim::textArg(text), num(recipient),
                            num(sound)}) +
                   ")");
}

int PellanGame::CreateUnit(Unit& unit, map_id type, LOCATION where, int owner, map_id cargo,
                           int last) {
    HostCallScope scope;
    sim::HostSession& host = hostSession();
    int handle = 0;
    if (!host.nextCreateUnitFails()) {
        sim::UnitState state;
        state.type = type;
        state.x = where.x;
        state.y = where.y;
        state.owner = owner;
        state.cargo = cargo;
        state.last = last;
        handle = host.world.addUnit(state);
    }
    unit.unitID = handle;
    host.trace.call("PellanGame::CreateUnit(" +
                    argList({num(type), sim::locationText(where.x, where.y), num(owner), num(cargo),
                             num(last)}) +
                    ") -> " + sim::unitText(handle));
    return handle != 0 ? 1 : 0;
}

int PellanGame::CreateBeacon(map_id type, int x, int y, int a4, int a5, int a6) {
    HostCallScope scope;
    sim::HostSession& host = hostSession();
    sim::UnitState state;
    state.type = type;
    state.x = x;
    state.y = y;
    state.owner = -1;  // beacons belong to no player
    const int handle = host.world.addUnit(state);
    host.trace.call("PellanGame::CreateBeacon(" +
                    argList({num(type), num(x), num(y), num(a4), num(a5), num(a6)}) + ") -> " +
                    sim::unitText(handle));
    return handle;
}

int PellanGame::CreateWallOrTube(int x, int y, int a3, map_id type) {
    HostCallScope scope;
    hostSession().trace.call("PellanGame::CreateWallOrTube(" +
                             argList({num(x), num(y), num(a3), num(type)}) + ") -> 1");
    return 1;
}

int PellanGame::GetRand(int range) {
    HostCallScope scope;
    sim::HostSession& host = hostSession();
    const int value = host.rand.draw(range, host.world.generator);
    host.trace.call("PellanGame::GetRand(" + num(range) + ") -> " + num(value));
    return value;
}

int PellanGame::NoPlayers() {
    HostCallScope scope;
    const int count = hostSession().world.playerCount;
    hostSession().trace.query("PellanGame::NoPlayers() -> " + num(count));
    return count;
}

void PellanGame::SetMeteor(int x, int y, int magnitude) {
    traceEffect("SetMeteor", {num(x), num(y), num(magnitude)});
}

void PellanGame::SetEarthquake(int x, int y, int magnitude) {
    traceEffect("SetEarthquake", {num(x), num(y), num(magnitude)});
}

void PellanGame::SetLightning(int x1, int y1, int magnitude, int x2, int y2) {
    traceEffect("SetLightning", {num(x1), num(y1), num(magnitude), num(x2), num(y2)});
}

void PellanGame::SetTornado(int x1, int y1, int magnitude, int x2, int y2, int a6) {
    traceEffect("SetTornado", {num(x1), num(y1), num(magnitude), num(x2), num(y2), num(a6)});
}

void PellanGame::FreeMoraleLevel(int player) {
    traceEffect("FreeMoraleLevel", {num(player)});
}

void PellanGame::ForceMoraleOK(int player) {
    traceEffect("ForceMoraleOK", {num(player)});
}

void PellanGame::SetDaylightEverywhere(int on) {
    traceEffect("SetDaylightEverywhere", {num(on)});
}

void PellanGame::SetDaylightMoves(int on) {
    traceEffect("SetDaylightMoves", {num(on)});
}
