// Running out of memory inside a command: reported where the command has a handler, dropped
// silently by the dispatcher elsewhere, and never leaving the command system broken.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include "command/control.h"
#include "command/module_slots.h"
#include "tests/support/alloc_counter.h"
#include "tests/unit/command/host_messages.h"

namespace {

using Lines = std::vector<std::string>;
const char kOutOfMemory[] = "Out of memory: std::bad_alloc|32";

class ThrowingModule : public Module {
public:
    const char* name() override { return "boom"; }
    void execute(const char*, BasicSControl&) override { throw std::bad_alloc(); }
};

// The registered modules of a loaded library, in a command directory of the test's own.
class CommandsOutOfMemory : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/kestrane-oom-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        ASSERT_EQ(chdir(pattern), 0);
        ASSERT_EQ(system("mkdir -p fl_file"), 0);
        std::ofstream("fl_file/three.txt") << "noop one\nversion\nnoop three\n";
        registerModules(commandControl);
        commandControl.registerModule(new ThrowingModule);
    }
    void SetUp() override { takeHostMessages(); }

    static Lines run(const char* line) {
        commandControl.handleMessage(line, 0);
        return takeHostMessages();
    }
    static Lines runFailing(const char* line, std::size_t failAt) {
        allocCounter::Armed armed(failAt);
        commandControl.handleMessage(line, 0);
        return takeHostMessages();
    }
};

TEST_F(CommandsOutOfMemory, DispatchDropsTheCommandSilentlyAndKeepsTheLine) {
    EXPECT_TRUE(run("boom now").empty());
    EXPECT_STREQ(commandControl.lineAreaBegin, "boom now");
}

TEST_F(CommandsOutOfMemory, ModuleNameCopyIsReported) {
    std::string name;
    qvn::SlotList slots;
    {
        allocCounter::Armed armed(1);
        EXPECT_FALSE(qvn::parseModuleSlots("a-module-name-too-long-for-the-string 1", name, slots));
    }
    EXPECT_EQ(takeHostMessages(), Lines({kOutOfMemory}));
}

TEST_F(CommandsOutOfMemory, FileForgetsTheSelectionWhenItsPathCannotBeBuilt) {
    EXPECT_TRUE(run("file first").empty());
    EXPECT_EQ(runFailing("file second", 1), Lines({kOutOfMemory}));
    EXPECT_EQ(run("save version"), Lines({"Internal error: Loss of module integrity|158"}));
}

TEST_F(CommandsOutOfMemory, LoadReportsAtItsFirstAllocation) {
    EXPECT_EQ(runFailing("load three", 1), Lines({kOutOfMemory}));
}

// Every single allocation of a load may fail: the command reports it or is dropped, and the
// next load of the same file runs it whole.
TEST_F(CommandsOutOfMemory, LoadRecoversFromAFailureAtEveryAllocation) {
    const Lines whole = {"v0.4.3-158|0"};
    std::size_t allocations = 0;
    {
        allocCounter::Armed armed;
        commandControl.handleMessage("load three", 0);
        allocations = allocCounter::allocations();
    }
    EXPECT_EQ(takeHostMessages(), whole);
    ASSERT_GT(allocations, 3u);

    std::size_t reported = 0;
    for (std::size_t failAt = 1; failAt <= allocations; ++failAt) {
        SCOPED_TRACE(failAt);
        Lines messages = runFailing("load three", failAt);
        for (const std::string& message : messages) {
            if (message == kOutOfMemory) ++reported;
        }
        EXPECT_EQ(run("load three"), whole);
    }
    EXPECT_GT(reported, 0u);
}

// Memory running out while the library registers its modules costs one module at most.
TEST(RegistrationOutOfMemory, SkipsOnlyTheModuleThatCouldNotBeRegistered) {
    const char* const names[] = {"reset", "grp",   "spwn",   "loc",    "load",  "file",
                                 "save",  "time",  "start",  "stop",   "meteor", "vortex",
                                 "quake", "storm", "kill",   "version", "noop",  "evnt"};
    auto registered = [&](const BasicSControl& control) {
        std::size_t found = 0;
        for (const char* name : names) found += control.findModule(name) != nullptr;
        return found;
    };
    std::size_t allocations = 0;
    {
        BasicSControl control(nullptr, nullptr);
        {
            allocCounter::Armed armed;
            registerModules(control);
            allocations = allocCounter::allocations();
        }
        EXPECT_EQ(registered(control), std::size(names));
    }
    for (std::size_t failAt = 1; failAt <= allocations; ++failAt) {
        SCOPED_TRACE(failAt);
        BasicSControl control(nullptr, nullptr);
        {
            allocCounter::Armed armed(failAt);
            registerModules(control);
        }
        EXPECT_GE(registered(control), std::size(names) - 1);
    }
}

}  // namespace
