// The cost of one message through the message stream, and what it allocates: a message of up
// to 60 characters should allocate nothing, a longer one grows and then shrinks the buffer.
// The time includes the simulated host logging the message; its own allocations are not
// counted.
#include <benchmark/benchmark.h>

#include <string>

#include "message/qv_ostream.h"
#include "sim/host_session.h"
#include "tests/support/alloc_counter.h"

namespace {

void sendMessage(benchmark::State& state, std::size_t length) {
    const std::string text(length, 'x');
    qvn::basic_qv_ostream<char> stream;
    {
        allocCounter::Armed armed;
        for (auto _ : state) {
            stream << text.c_str() << std::flush;
            sim::hostSession().messages.clear();
        }
    }
    state.counters["allocations/message"] = benchmark::Counter(
        static_cast<double>(allocCounter::allocations()), benchmark::Counter::kAvgIterations);
    state.counters["bytes/message"] = benchmark::Counter(
        static_cast<double>(allocCounter::bytes()), benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(sendMessage, short_36, 36);
BENCHMARK_CAPTURE(sendMessage, long_500, 500);

}  // namespace

BENCHMARK_MAIN();
