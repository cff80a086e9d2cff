// The command output stream during a save: attached to the selected file only while the module
// writes, detached again however the save ends, and a failed write reported when it closes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "command/control.h"
#include "command/control_modules.h"
#include "command/file_module.h"
#include "tests/unit/command/host_messages.h"

namespace {

using Lines = std::vector<std::string>;

// Writes one line into the save, then fails.
class FailingSaver : public Module {
public:
    const char* name() override { return "boom"; }
    void interact(int, int) override {
        commandOutput() << "noop written\n";
        throw std::runtime_error("failed while saving");
    }
    void execute(const char*, BasicSControl&) override {}
};

class SaveOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/kestrane-save-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        ASSERT_EQ(chdir(pattern), 0);
        ASSERT_EQ(system("mkdir -p fl_file"), 0);
    }
    void SetUp() override {
        takeHostMessages();
        control.registerModule(new qvn::File);
        control.registerModule(new qvn::Version);
        control.registerModule(new FailingSaver);
    }

    static std::string contents(const char* path) {
        std::ostringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }
    static void expectDetached() {
        EXPECT_EQ(commandOutput().rdbuf(), nullptr);
        EXPECT_TRUE(commandOutput().bad());
    }

    char lastLine[60] = {};
    BasicSControl control{lastLine, lastLine + sizeof(lastLine)};
    qvn::Save save;
};

TEST_F(SaveOutput, AModuleThatFailsStillLeavesTheFileClosedAndTheStreamDetached) {
    control.dispatch("file thrown");
    EXPECT_THROW(save.execute("boom", control), std::runtime_error);
    expectDetached();
    EXPECT_EQ(contents("fl_file/thrown.txt"), "noop written\n");
    EXPECT_TRUE(takeHostMessages().empty());
}

TEST_F(SaveOutput, AFailedWriteIsReportedWhenTheFileIsClosed) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    ASSERT_EQ(symlink("/dev/full", "fl_file/full.txt"), 0);
    control.dispatch("file full");
    save.execute("version", control);
    EXPECT_EQ(takeHostMessages(), Lines({"Filesystem error: Unknown error|158"}));
    expectDetached();

    // The next save into a sound file goes through.
    control.dispatch("file sound");
    save.execute("version", control);
    EXPECT_TRUE(takeHostMessages().empty());
    EXPECT_EQ(contents("fl_file/sound.txt"), "noop v0.4.3-158\n");
}

}  // namespace
