// The one simulated host that the host functions act on: the world, the trace, and what a
// scenario arranged for the calls to come.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "sim/random.h"
#include "sim/trace.h"
#include "sim/world.h"

namespace sim {

struct LoggedMessage {
    bool onUnit = false;
    int x = 0;  // pixel position of a message at a place
    int y = 0;
    int unit = 0;
    std::string text;
    int recipient = -1;
    int sound = 0;
};

using ChatReceiver = void (*)(char const* text, int player);

class HostSession {
public:
    World world;
    Trace trace;
    RandSource rand;
    DelayMode delayMode = DelayMode::random;
    std::vector<LoggedMessage> messages;
    ChatReceiver chatReceiver = nullptr;

    // Starts over with a new world whose generators start from seed; keeps the trace settings.
    void reset(std::uint32_t seed);

    // `:fail CreateUnit N`: the N-th CreateUnit call from now is refused.
    void planCreateUnitFailure(int nth);
    // Counts one CreateUnit call and tells whether it is to be refused.
    bool nextCreateUnitFails();

private:
    std::int64_t createUnitCalls_ = 0;
    std::set<std::int64_t> createUnitFailures_;
};

// The simulated host that the host functions of the module's interface act on.
HostSession& hostSession();

}  // namespace sim
