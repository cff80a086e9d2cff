#include "modules/evnt.h"

#include <cstdint>
#include <new>
#include <ostream>

#include "command/interaction.h"
#include "message/report.h"
#include "message/text_scan.h"

namespace qvn {

namespace {

// Shorter delays are raised to this.
constexpr std::uint32_t kShortestDelay = 100;
// The host's timers take signed delays: a longer one, or one typed with a minus sign, would
// reach them as a negative delay.
constexpr std::uint32_t kLongestDelay = 2147483647;

// The one Evnt module; not saved, set anew at every library load.
Evnt* currentEvnt = nullptr;

}  // namespace

Evnt::Evnt(CommandState* state, const char* eventCallback, const char* swarmCallback,
           const SurvivorGroup* survivorGroups, std::int32_t survivorGroupCount)
    : state(state),
      eventCallback(eventCallback),
      swarmCallback(swarmCallback),
      survivorGroups(survivorGroups),
      survivorGroupCount(survivorGroupCount) {
    currentEvnt = this;
}

Evnt::~Evnt() {
    if (currentEvnt == this) currentEvnt = nullptr;
}

Evnt* Evnt::instance() {
    return currentEvnt;
}

// "evnt" fires an event now; "evnt N" sets a timer of N, "evnt N,M" one of N to M.
void Evnt::execute(const char* args, ::BasicSControl&) {
    if (isEmptyText(args)) {
        fireRandomEvent();
        return;
    }
    const char* cursor = args;
    std::uint32_t delayMin = 0;
    if (!readNumber(&cursor, delayMin)) return;
    if (delayMin < kShortestDelay) delayMin = kShortestDelay;

    std::uint32_t delayMax = 0;
    if (*cursor == ',') {
        ++cursor;
        if (!readNumber(&cursor, delayMax)) return;
        // An upper delay that is not above the lower one gives a fixed delay.
        if (delayMax <= delayMin) delayMax = 0;
    }
    if (*cursor != '\0') {
        reportInvalidParameterList();
        return;
    }
    if (delayMin > kLongestDelay || delayMax > kLongestDelay) {
        reportInvalidParameter();
        return;
    }
    armEventTimer(createEventTimer(delayMin, delayMax), delayMin, delayMax);
}

void Evnt::interact(int op, int) {
    switch (op) {
    case inopReset:
        stopEventTimer();
        state->eventDelayMin = 0;
        state->eventDelayMax = 0;
        break;
    case inopStop:
        stopEventTimer();
        break;
    case inopStart:
        if (state->eventDelayMin == 0) break;
        armEventTimer(createEventTimer(state->eventDelayMin, state->eventDelayMax),
                      state->eventDelayMin, state->eventDelayMax);
        break;
    case inopSave:
        // A timer never set writes nothing; a stopped one is set and then stopped again.
        if (state->eventDelayMin == 0) break;
        commandOutput() << "evnt " << state->eventDelayMin;
        if (state->eventDelayMax != 0) commandOutput() << ',' << state->eventDelayMax;
        commandOutput() << '\n';
        if (!testBit(&state->eventFlags, eventTimerLive)) commandOutput() << "stop evnt\n";
        break;
    default:
        reportNotSupported(op);
    }
}

int Evnt::request(int op) {
    return refuseRequest(op);
}

Trigger Evnt::createEventTimer(std::uint32_t delayMin, std::uint32_t delayMax) const {
    if (delayMax == 0) return CreateTimeTrigger(1, 0, static_cast<int>(delayMin), eventCallback);
    return CreateTimeTrigger(1, 0, static_cast<int>(delayMin), static_cast<int>(delayMax),
                             eventCallback);
}

// The new timer exists before the old one goes, so a command that fails leaves a running timer
// as it was.
void Evnt::armEventTimer(const Trigger& timer, std::uint32_t delayMin, std::uint32_t delayMax) {
    stopEventTimer();
    state->eventTimer = timer;
    setBit(&state->eventFlags, eventTimerLive);
    state->eventDelayMin = delayMin;
    state->eventDelayMax = delayMax;
}

void Evnt::stopEventTimer() {
    if (!testBit(&state->eventFlags, eventTimerLive)) return;
    state->eventTimer.Destroy();
    clearBit(&state->eventFlags, eventTimerLive);
}

}  // namespace qvn

// The exports that the module's timers call. Nothing may leave them into the host: an event
// that runs out of memory is dropped, as the dispatcher drops such a command.
extern "C" {

void EventTimeCallback() {
    try {
        if (qvn::Evnt* events = qvn::Evnt::instance()) events->fireRandomEvent();
    } catch (const std::bad_alloc&) {
    }
}

void EventSwarmCallback() {
    if (qvn::Evnt* events = qvn::Evnt::instance()) events->strikeShower();
}

}  // extern "C"
