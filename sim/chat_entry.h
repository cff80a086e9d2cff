// Where the host sends a chat line. Natively it calls the receiver that the module bound; the
// Windows host executes its chat call site instead, whose target the module redirects to itself
// while it is loaded.
#pragma once

#include "sim/host_session.h"

#if defined(_WIN32)
extern "C" void kestraneChatCallSite(char const* text, int player);
#endif

namespace sim {

#if defined(_WIN32)
inline ChatReceiver chatEntry(const HostSession&) {
    return &kestraneChatCallSite;
}
#else
inline ChatReceiver chatEntry(const HostSession& host) {
    return host.chatReceiver;
}
#endif

}  // namespace sim
