// Triggers and fight groups that the module asks the host to make.
#include "host/kestrane.h"
#include "sim/host_call_scope.h"
#include "sim/host_session.h"

using sim::argList;
using sim::HostCallScope;
using sim::hostSession;
using sim::num;

namespace {

Trigger makeTrigger(sim::TriggerState state, int firstDelay, const std::string& callLine) {
    sim::HostSession& host = hostSession();
    Trigger trigger;
    trigger.stubIndex = host.world.addTrigger(state, firstDelay);
    host.trace.call(callLine + " -> " + sim::triggerText(trigger.stubIndex));
    return trigger;
}

sim::TriggerState timeTrigger(sim::TriggerKind kind, int enabled, int once, int minDelay,
                              int maxDelay, char const* callback) {
    sim::TriggerState state;
    state.kind = kind;
    state.enabled = enabled;
    state.once = once;
    state.minDelay = minDelay;
    state.maxDelay = maxDelay;
    state.callback = callback != nullptr ? callback : "";
    return state;
}

}  // namespace

Trigger CreateTimeTrigger(int enabled, int once, int delay, char const* callback) {
    HostCallScope scope;
    return makeTrigger(
        timeTrigger(sim::TriggerKind::fixedTime, enabled, once, delay, delay, callback), delay,
        "CreateTimeTrigger(" +
            argList({num(enabled), num(once), num(delay), sim::textArg(callback)}) + ")");
}

Trigger CreateTimeTrigger(int enabled, int once, int minDelay, int maxDelay, char const* callback) {
    HostCallScope scope;
    sim::HostSession& host = hostSession();
    const int firstDelay =
        sim::chooseDelay(minDelay, maxDelay, host.delayMode, host.world.delayGenerator);
    return makeTrigger(
        timeTrigger(sim::TriggerKind::randomTime, enabled, once, minDelay, maxDelay, callback),
        firstDelay,
        "CreateTimeTrigger(" +
            argList({num(enabled), num(once), num(minDelay), num(maxDelay), sim::textArg(callback)}) +
            ")");
}

Trigger CreateOperationalTrigger(int a1, int a2, int a3, map_id a4, int a5, compare_mode a6,
                                 char const* callback) {
    HostCallScope scope;
    sim::TriggerState state;
    state.kind = sim::TriggerKind::operational;
    state.operationalArgs = {a1, a2, a3, a4, a5, a6};
    state.callback = callback != nullptr ? callback : "";
    return makeTrigger(state, 0,
                       "CreateOperationalTrigger(" +
                           argList({num(a1), num(a2), num(a3), num(a4), num(a5), num(a6),
                                    sim::textArg(callback)}) +
                           ")");
}

FightGroup CreateFightGroup(_Player player) {
    HostCallScope scope;
    sim::HostSession& host = hostSession();
    FightGroup group;
    group.stubIndex = host.world.addGroup(player.playerNum);
    host.trace.call("CreateFightGroup(Player[" + num(player.playerNum) + "]) -> " +
                    sim::groupText(group.stubIndex));
    return group;
}
