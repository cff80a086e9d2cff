// Running out of memory inside a command: reported where the command has a handler, dropped
// silently by the dispatcher elsewhere, and never leaving the command system broken.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
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
const char kVersion[] = "v0.4.3-158|0";
// A file line too long for the first scratch area of a run (60 characters and the NUL).
const std::string kLongLine = "noop " + std::string(150, 'x');

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
        std::ofstream("fl_file/outer.txt") << "load three\nversion\nload three\n";
        std::ofstream("fl_file/long.txt") << "version\n" << kLongLine << "\nversion\n";
        std::ofstream("fl_file/outer_long.txt") << "load long\nversion\n";
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

// Whatever a load leaves behind after a failure: the control keeps its lines in the save
// region again, and there the typed load line itself.
void expectRunEnded(const char* typed) {
    EXPECT_EQ(commandControl.lineAreaBeginRef, &commandControl.lineAreaBegin);
    EXPECT_EQ(commandControl.lineAreaEndRef, &commandControl.lineAreaEnd);
    EXPECT_STREQ(commandControl.lineAreaBegin, typed);
}

struct LoadCase {
    const char* line;
    Lines whole;
};

// Every single allocation of a load, of nested ones too, may fail: the command reports it or
// is dropped, the run ends cleanly, and the next load of the same file runs it whole.
TEST_F(CommandsOutOfMemory, LoadRecoversFromAFailureAtEveryAllocation) {
    const LoadCase cases[] = {{"load three", {kVersion}},
                              {"load outer", {kVersion, kVersion, kVersion}}};
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.line);
        std::size_t allocations = 0;
        {
            allocCounter::Armed armed;
            commandControl.handleMessage(c.line, 0);
            allocations = allocCounter::allocations();
        }
        EXPECT_EQ(takeHostMessages(), c.whole);
        ASSERT_GT(allocations, 3u);

        std::size_t reported = 0;
        for (std::size_t failAt = 1; failAt <= allocations; ++failAt) {
            SCOPED_TRACE(failAt);
            Lines messages = runFailing(c.line, failAt);
            for (const std::string& message : messages) {
                // Nothing of a failed file stays recorded: loading it again in the same run
                // is never refused as "File already read".
                EXPECT_TRUE(message == kOutOfMemory || message == kVersion) << message;
                if (message == kOutOfMemory) ++reported;
            }
            expectRunEnded(c.line);
            EXPECT_EQ(run(c.line), c.whole);
        }
        EXPECT_GT(reported, 0u);
    }
}

// The scratch area cannot grow for a long line: the rest of that file is dropped, and the file
// that loaded it runs on.
TEST_F(CommandsOutOfMemory, ScratchGrowthFailureDropsTheRestOfTheFrontFile) {
    std::vector<std::size_t> sizes;
    {
        allocCounter::Armed armed;
        commandControl.handleMessage("load outer_long", 0);
        sizes = allocCounter::sizes();
    }
    ASSERT_EQ(takeHostMessages(), Lines({kVersion, kVersion, kVersion}));
    // The last allocation of exactly the long line and its NUL is the scratch area's growth.
    const auto growth = std::find(sizes.rbegin(), sizes.rend(), kLongLine.size() + 1);
    ASSERT_NE(growth, sizes.rend());
    const std::size_t failAt = static_cast<std::size_t>(sizes.rend() - growth);

    // The first line of the long file ran; its last line is dropped; the outer file's runs.
    EXPECT_EQ(runFailing("load outer_long", failAt), Lines({kVersion, kOutOfMemory, kVersion}));
    expectRunEnded("load outer_long");
    EXPECT_EQ(run("load outer_long"), Lines({kVersion, kVersion, kVersion}));
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
