// The two switches that make the four deliverables of one source. The build system sets
// KESTRANE_COLONY_EDEN and KESTRANE_ALT_START to 0 or 1 for each deliverable.
#pragma once

#if !defined(KESTRANE_COLONY_EDEN) || !defined(KESTRANE_ALT_START)
#error "build switches missing: this file belongs to a per-deliverable source"
#endif

namespace build {

constexpr bool edenColony = KESTRANE_COLONY_EDEN != 0;
constexpr bool altStart = KESTRANE_ALT_START != 0;

}  // namespace build
