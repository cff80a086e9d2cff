// A fixture for module tests: a fresh simulated host whose trace the test reads, and a command
// state block of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "mission/save_region.h"
#include "sim/host_session.h"

class TracedHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        host().reset(1);
        host().trace.setSink(&sink);
    }
    void TearDown() override {
        host().trace.setSink(nullptr);
        host().trace.queries = false;
    }
    static sim::HostSession& host() { return sim::hostSession(); }
    // The trace written since the last call.
    std::string takeTrace() {
        std::string text = sink.text();
        sink.clear();
        return text;
    }

    sim::StringSink sink;
    CommandState state{};
};

// The trace line of the report that an op is not supported.
inline std::string notSupported(const char* op) {
    return std::string("  PellanGame::AddMessage(-32,-32,\"Logic error: Not supported(") + op +
           ")\",-1,158)\n";
}
