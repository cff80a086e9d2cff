// The platform's way of making the host's chat call land in interceptChat. On Windows it
// rewrites the call displacement in the host's code; a native host binds a receiver instead.
#pragma once

#include <cstdint>

namespace chatsite {

// Redirects the call at patchAddress; answers the host's own target (never 0), or 0 when the
// site could not be made writable and nothing was changed.
std::uint32_t redirect(std::uint32_t patchAddress);

// Puts the host's own target back.
void restore(std::uint32_t patchAddress, std::uint32_t savedTarget);

}  // namespace chatsite
