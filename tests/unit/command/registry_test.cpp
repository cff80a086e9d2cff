#include <gtest/gtest.h>

#include "command/control.h"
#include "command/control_modules.h"
#include "command/interaction.h"
#include "tests/unit/command/host_messages.h"
#include "tests/unit/command/recording_module.h"

namespace {

using Lines = std::vector<std::string>;

class Registry : public ::testing::Test {
protected:
    void SetUp() override { takeHostMessages(); }
    char lastLine[60] = {};
    BasicSControl control{lastLine, lastLine + sizeof(lastLine)};
};

TEST_F(Registry, RefusesNullAndKeepsTheFirstModuleOfAName) {
    int deletions = 0;
    auto* first = new RecordingModule("grp", &deletions);
    EXPECT_FALSE(control.registerModule(nullptr));
    EXPECT_TRUE(control.registerModule(first));
    EXPECT_FALSE(control.registerModule(new RecordingModule("grp", &deletions)));
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(control.findModule("grp"), first);
    EXPECT_EQ(control.findModule("Grp"), nullptr);
    EXPECT_EQ(control.findModule("gr"), nullptr);

    control.dispatch("grp  1");
    EXPECT_EQ(first->calls, Lines({"execute( 1)"}));
}

TEST_F(Registry, ASecondNamelessModuleReplacesTheDefault) {
    int deletions = 0;
    auto* first = new RecordingModule(nullptr, &deletions);
    auto* second = new RecordingModule(nullptr, &deletions);
    EXPECT_TRUE(control.registerModule(first));
    EXPECT_TRUE(control.registerModule(first));
    EXPECT_EQ(deletions, 0);
    EXPECT_TRUE(control.registerModule(second));
    EXPECT_EQ(deletions, 1);

    // The default module is given the name part of the line, not its arguments.
    control.dispatch("Noop 1 2");
    control.dispatch(" noop");
    control.dispatch("");
    EXPECT_EQ(second->calls, Lines({"execute(Noop)", "execute()", "execute()"}));
}

TEST_F(Registry, SplitsAtTheFirstBlankOnly) {
    auto* noop = new RecordingModule("noop");
    control.registerModule(noop);
    control.dispatch("noop");
    control.dispatch("noop ");
    control.dispatch("noop\ta b");
    control.dispatch(nullptr);
    EXPECT_EQ(noop->calls, Lines({"execute(null)", "execute()"}));
}

TEST_F(Registry, DestroyingTheControlDeletesEveryModule) {
    int deletions = 0;
    {
        BasicSControl owner(nullptr, nullptr);
        owner.registerModule(new RecordingModule("a", &deletions));
        owner.registerModule(new RecordingModule("b", &deletions));
        owner.registerModule(new RecordingModule(nullptr, &deletions));
    }
    EXPECT_EQ(deletions, 3);
}

TEST_F(Registry, OnlyPermittedPlayersAndTheFileRunnerReachTheCommands) {
    auto* noop = new RecordingModule("noop");
    control.registerModule(noop);
    control.permitPlayer(0);
    for (int player : {-2, 1, 6, 7, 8}) control.handleMessage("noop a", player);
    EXPECT_TRUE(noop->calls.empty());
    EXPECT_STREQ(lastLine, "");
    control.handleMessage("noop b", -1);
    control.handleMessage("noop c", 0);
    EXPECT_EQ(noop->calls, Lines({"execute(b)", "execute(c)"}));
    EXPECT_STREQ(lastLine, "noop c");
}

TEST(Reports, NotSupportedNamesTheOpOrAnUnknownCode) {
    takeHostMessages();
    qvn::reportNotSupported(qvn::inopCallback);
    qvn::reportNotSupported(42);
    qvn::reportNotSupported(qvn::inopError);
    qvn::reportModuleUnavailable("time");
    EXPECT_EQ(takeHostMessages(), Lines({"Logic error: Not supported(inopCallback)|158",
                                         "Logic error: Not supported(-unknown code-)|158",
                                         "Logic error: Not supported(inopError)|158",
                                         "Internal error: Module unavailable: time|158"}));
}

TEST_F(Registry, ResetSendsTheListedSlotsInAscendingOrder) {
    auto* grp = new RecordingModule("grp");
    control.registerModule(grp);
    qvn::Reset reset;
    qvn::StartStop stop(qvn::inopStop);
    reset.execute("grp 3 1", control);
    reset.execute("grp 31", control);
    reset.execute("grp", control);
    reset.execute("grp ", control);
    reset.execute("grp 0123456789x", control);
    stop.execute("grp 9 0", control);
    EXPECT_EQ(grp->calls, Lines({"2:1", "2:3", "2:1", "2:3", "2:-1", "2:-1", "2:-1", "8:0", "8:9"}));
}

}  // namespace
