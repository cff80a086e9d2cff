// The module's handles to host objects: plain 4-byte values. Their special members are not
// traced; what they do to the host object is.
#include "host/kestrane.h"
#include "sim/host_call_scope.h"
#include "sim/host_session.h"

using sim::HostCallScope;
using sim::hostSession;

LOCATION::LOCATION() : x(0), y(0) {}
LOCATION::LOCATION(int x, int y) : x(x), y(y) {}
LOCATION& LOCATION::operator=(const LOCATION& other) {
    x = other.x;
    y = other.y;
    return *this;
}

Unit::Unit() : unitID(0) {}
Unit& Unit::operator=(const Unit& other) {
    unitID = other.unitID;
    return *this;
}
Unit::~Unit() {}

namespace {

sim::UnitState* liveUnit(int handle) {
    auto& units = hostSession().world.units;
    const auto found = units.find(handle);
    return found == units.end() ? nullptr : &found->second;
}

}  // namespace

void Unit::DoSetLights(int on) {
    HostCallScope scope;
    hostSession().trace.call(sim::unitText(unitID) + ".DoSetLights(" + sim::num(on) + ")");
    if (sim::UnitState* unit = liveUnit(unitID)) unit->lights = on;
}

void Unit::DoSelfDestruct() {
    HostCallScope scope;
    hostSession().trace.call(sim::unitText(unitID) + ".DoSelfDestruct()");
    hostSession().world.removeUnit(unitID);
}

LOCATION Unit::Location() {
    HostCallScope scope;
    // A unit that is gone stands nowhere on the map.
    const sim::UnitState* unit = liveUnit(unitID);
    const int x = unit != nullptr ? unit->x : -1;
    const int y = unit != nullptr ? unit->y : -1;
    hostSession().trace.query(sim::unitText(unitID) + ".Location() -> " + sim::locationText(x, y));
    return LOCATION(x, y);
}

void Unit::SetTruckCargo(Truck_Cargo kind, int amount) {
    HostCallScope scope;
    hostSession().trace.call(sim::unitText(unitID) + ".SetTruckCargo(" +
                             sim::argList({sim::num(kind), sim::num(amount)}) + ")");
    if (sim::UnitState* unit = liveUnit(unitID)) {
        unit->truckKind = kind;
        unit->truckAmount = amount;
    }
}

ScStub::ScStub() : stubIndex(0) {}
ScStub& ScStub::operator=(const ScStub& other) {
    stubIndex = other.stubIndex;
    return *this;
}
ScStub::~ScStub() {}

void ScStub::Destroy() {
    HostCallScope scope;
    sim::HostSession& host = hostSession();
    const auto kind = host.world.kindOf(stubIndex);
    // A handle that names no trigger or group (0, or never handed out) is shown as a stub.
    std::string name = "stub:" + sim::num(stubIndex);
    if (kind == sim::ObjectKind::trigger) name = sim::triggerText(stubIndex);
    if (kind == sim::ObjectKind::group) name = sim::groupText(stubIndex);
    host.trace.call(name + ".Destroy()");
    host.world.removeStub(stubIndex);
}

Trigger::Trigger() {}
Trigger& Trigger::operator=(const Trigger& other) {
    stubIndex = other.stubIndex;
    return *this;
}
Trigger::~Trigger() {}

ScGroup::ScGroup() {}
ScGroup& ScGroup::operator=(const ScGroup& other) {
    stubIndex = other.stubIndex;
    return *this;
}
ScGroup::~ScGroup() {}

void ScGroup::TakeUnit(Unit unit) {
    HostCallScope scope;
    hostSession().trace.call(sim::groupText(stubIndex) + ".TakeUnit(" + sim::unitText(unit.unitID) +
                             ")");
    hostSession().world.joinGroup(unit.unitID, stubIndex);
}

FightGroup::FightGroup() {}
FightGroup& FightGroup::operator=(const FightGroup& other) {
    stubIndex = other.stubIndex;
    return *this;
}
FightGroup::~FightGroup() {}

void FightGroup::DoAttackEnemy() {
    HostCallScope scope;
    hostSession().trace.call(sim::groupText(stubIndex) + ".DoAttackEnemy()");
    auto& groups = hostSession().world.groups;
    const auto found = groups.find(stubIndex);
    if (found != groups.end()) found->second.attacking = true;
}
