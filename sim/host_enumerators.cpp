// The host's enumerators: each yields the live units it covers in handle order.
#include "host/kestrane.h"
#include "sim/host_call_scope.h"
#include "sim/host_session.h"

using sim::HostCallScope;
using sim::hostSession;

namespace {

// Moves `last` on to the next unit that `accept` takes, fills `next`, traces the answer.
int enumerateNext(int& last, Unit& next, const std::string& callName,
                  const std::function<bool(const sim::UnitState&)>& accept) {
    const int found = hostSession().world.nextUnit(last, accept);
    if (found != 0) {
        last = found;
        next.unitID = found;
    }
    hostSession().trace.query(callName + ".GetNext() -> " + sim::unitText(found));
    return found != 0 ? 1 : 0;
}

}  // namespace

PlayerVehicleEnum::PlayerVehicleEnum(int player) : player_(player), lastId_(0) {}

int PlayerVehicleEnum::GetNext(Unit& next) {
    HostCallScope scope;
    const int player = player_;
    return enumerateNext(lastId_, next, "PlayerVehicleEnum(" + sim::num(player) + ")",
                         [player](const sim::UnitState& unit) {
                             return unit.owner == player &&
                                    sim::unitCategory(unit.type) == sim::UnitCategory::vehicle;
                         });
}

PlayerBuildingEnum::PlayerBuildingEnum(int player, map_id type)
    : player_(player), type_(type), lastId_(0) {}

int PlayerBuildingEnum::GetNext(Unit& next) {
    HostCallScope scope;
    const int player = player_;
    const int type = type_;
    return enumerateNext(
        lastId_, next,
        "PlayerBuildingEnum(" + sim::argList({sim::num(player), sim::num(type)}) + ")",
        [player, type](const sim::UnitState& unit) {
            return unit.owner == player && unit.type == type;
        });
}

GroupEnumerator::GroupEnumerator(ScGroup& group) : group_(group.stubIndex), lastId_(0) {}

int GroupEnumerator::GetNext(Unit& next) {
    HostCallScope scope;
    const int group = group_;
    return enumerateNext(lastId_, next, "GroupEnumerator(" + sim::groupText(group) + ")",
                         [group](const sim::UnitState& unit) {
                             return group != 0 && unit.group == group;
                         });
}
