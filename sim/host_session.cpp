#include "sim/host_session.h"

namespace sim {

void HostSession::reset(std::uint32_t seed) {
    world = World(seed);
    rand = RandSource();
    delayMode = DelayMode::random;
    messages.clear();
    chatReceiver = nullptr;
    createUnitCalls_ = 0;
    createUnitFailures_.clear();
}

void HostSession::planCreateUnitFailure(int nth) {
    createUnitFailures_.insert(createUnitCalls_ + nth);
}

bool HostSession::nextCreateUnitFails() {
    ++createUnitCalls_;
    return createUnitFailures_.erase(createUnitCalls_) > 0;
}

HostSession& hostSession() {
    static HostSession session;
    return session;
}

}  // namespace sim
