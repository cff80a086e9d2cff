// A native host has no call site to patch: it delivers chat to the receiver bound here.
#include "command/chat_site.h"
#include "command/event_handler.h"
#include "host/kestrane.h"

namespace chatsite {

// The native host keeps no call target of its own; this marks the binding as made.
constexpr std::uint32_t kBoundMarker = 1;

std::uint32_t redirect(std::uint32_t) {
    KestraneBindChat(&interceptChat);
    return kBoundMarker;
}

void restore(std::uint32_t, std::uint32_t) {
    KestraneBindChat(nullptr);
}

}  // namespace chatsite
