// The host's random sources: the generator behind GetRand, the queue of values a scenario
// forces with `:rand`, and the choice of a random trigger delay.
#pragma once

#include <cstdint>
#include <deque>

namespace sim {

// s = s * 214013 + 2531011 (mod 2^32); each draw yields bits 16 to 30 of the new state.
class HostGenerator {
public:
    explicit HostGenerator(std::uint32_t seed = 1) : state_(seed) {}
    void seed(std::uint32_t seed) { state_ = seed; }
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state_;
};

// GetRand(range): queued values first, then the generator. Every call takes one value, even
// when the range of 0 or less makes the answer 0, so that values stay matched to calls.
class RandSource {
public:
    void enqueue(std::uint32_t value) { queue_.push_back(value); }
    int draw(int range, HostGenerator& generator);
    std::size_t queued() const { return queue_.size(); }

private:
    std::deque<std::uint32_t> queue_;
};

enum class DelayMode { min, max, random };

// The delay of a random-delay trigger, from the bounds as the module gave them.
int chooseDelay(int minDelay, int maxDelay, DelayMode mode, HostGenerator& generator);

}  // namespace sim
