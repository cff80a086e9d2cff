// Replaces the global operator new and delete of the test program that links it: while armed,
// it counts the module's allocations and their sizes, and can make one of them fail with
// std::bad_alloc. Allocations made inside the host (sim::hostCallDepth above zero) are never
// counted or failed, so a test arms it only around calls into the module.
#pragma once

#include <cstddef>
#include <vector>

namespace sim {
extern int hostCallDepth;
}

namespace allocCounter {

// Armed from construction to destruction; resets the counts when it starts. failAt = n makes
// the n-th allocation request fail (the nothrow forms answer null); 0 lets all succeed.
class Armed {
public:
    explicit Armed(std::size_t failAt = 0);
    ~Armed();
    Armed(const Armed&) = delete;
    Armed& operator=(const Armed&) = delete;
};

// Allocations made during the last arming (a failed request allocated nothing and is not
// among them), their total bytes, and the sizes of the first 64 of them in order.
std::size_t allocations();
std::size_t bytes();
std::vector<std::size_t> sizes();

}  // namespace allocCounter
