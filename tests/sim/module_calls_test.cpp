// The allocation-failure seam: module code runs at host-call depth 0, the host's own work
// (the runner, the host functions, the trace) deeper, so that a replaced allocator can tell them
// apart.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "host/kestrane.h"
#include "sim/host_call_scope.h"
#include "sim/host_session.h"
#include "sim/line_source.h"
#include "sim/mission_module.h"
#include "sim/scenario_runner.h"

namespace {

std::vector<int> depthsInModule;

void probeExport() {
    depthsInModule.push_back(sim::hostCallDepth);
    PellanGame::GetRand(6);  // a host call from module code
}

void probeChat(const char*, int) {
    depthsInModule.push_back(sim::hostCallDepth);
}

// A module without a file: its "static constructor" binds chat, its exports are the probes.
class FakeLoader : public sim::ModuleLoader {
public:
    bool load(const std::string&, std::string&) override {
        depthsInModule.push_back(sim::hostCallDepth);
        KestraneBindChat(&probeChat);
        loaded_ = true;
        return true;
    }
    void* function(const std::string& name) override {
        return loaded_ && name == "Probe" ? reinterpret_cast<void*>(&probeExport) : nullptr;
    }
    void unload() override { loaded_ = false; }
    bool loaded() const override { return loaded_; }

private:
    bool loaded_ = false;
};

class DepthSink : public sim::StringSink {
public:
    void write(std::string_view text) override {
        depths.push_back(sim::hostCallDepth);
        StringSink::write(text);
    }
    std::vector<int> depths;
};

TEST(ModuleCalls, ModuleCodeRunsAtDepthZeroAndTheHostsOwnWorkDeeper) {
    sim::HostSession& host = sim::hostSession();
    host.reset(1);
    DepthSink sink;
    host.trace.setSink(&sink);
    depthsInModule.clear();
    {
        sim::MissionModule module(std::make_unique<FakeLoader>(), "fake", host);
        sim::ScenarioRunner runner(host, module);
        std::istringstream script(":call Probe\nhello\n:advance 1\n");
        sim::StreamLineSource lines(script);
        runner.attach("fake");
        runner.run(lines);
        runner.finish();
    }
    host.trace.setSink(nullptr);
    // The load, the export and the chat line each ran module code at depth 0.
    EXPECT_EQ(depthsInModule, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(sim::hostCallDepth, 0);
    ASSERT_FALSE(sink.depths.empty());
    for (int depth : sink.depths) EXPECT_GT(depth, 0);
    EXPECT_EQ(sink.text(),
              ":attach fake\n"
              ":call Probe\n"
              "  => Probe()\n"
              "  PellanGame::GetRand(6) -> 5\n"
              "hello\n"
              ":advance 1\n"
              ":unload\n");
}

}  // namespace
