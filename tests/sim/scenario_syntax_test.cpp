#include "sim/scenario_syntax.h"

#include <gtest/gtest.h>

#include "sim/scenario_error.h"
#include "sim/scenario_files.h"

namespace {

struct ChatCase {
    const char* rest;  // what follows ":chat"
    int player;
    std::string text;
};

TEST(ChatDirective, TextIsEverythingAfterTheOneBlankThatFollowsThePlayer) {
    const ChatCase cases[] = {
        {" 1 version", 1, "version"},
        {" 0", 0, ""},
        {" 0 ", 0, ""},
        {" 3   grp 0 LP3  ", 3, "  grp 0 LP3  "},
        {" -1 noop", -1, "noop"},
        {" 8 x", 8, "x"},
        {" 0 \"grp\\t0\\x20LP3\\r\\n\"", 0, "grp\t0 LP3\r\n"},
        {" 0 \"\"", 0, ""},
        {" 0 say \"hi\"", 0, "say \"hi\""},  // not quoted as a whole: taken as written
    };
    for (const ChatCase& c : cases) {
        const sim::ChatDirective chat = sim::parseChatDirective(c.rest);
        EXPECT_EQ(chat.player, c.player) << c.rest;
        EXPECT_EQ(chat.text, c.text) << c.rest;
    }
}

TEST(ChatDirective, RefusesAMissingOrBadPlayerAndABadQuotedText) {
    const char* const bad[] = {"", " ", " x hello", " 1x hello", " 99999999999 a",
                               " 0 \"open", " 0 \"a\\q\"", " 0 \"\\x00\""};
    for (const char* rest : bad) {
        EXPECT_THROW(sim::parseChatDirective(rest), sim::ScenarioError) << rest;
    }
}

TEST(ScenarioNumbers, WholeDecimalWordsWithinTheirRange) {
    EXPECT_EQ(sim::parseNumber("0", 0, 10), 0);
    EXPECT_EQ(sim::parseNumber("-5", -10, 10), -5);
    EXPECT_EQ(sim::parseNumber("4294967295", 0, 4294967295LL), 4294967295LL);
    const char* const bad[] = {"", "-", "+1", "1x", "0x10", " 1", "11", "-11",
                               "99999999999999999999"};
    for (const char* word : bad) {
        EXPECT_THROW(sim::parseNumber(word, -10, 10), sim::ScenarioError) << word;
    }
}

TEST(ScenarioHandles, NeedTheirKindAndANumberAboveZero) {
    EXPECT_EQ(sim::parseHandle("trigger:12", "trigger"), 12);
    EXPECT_THROW(sim::parseHandle("unit:12", "trigger"), sim::ScenarioError);
    EXPECT_THROW(sim::parseHandle("trigger:0", "trigger"), sim::ScenarioError);
    EXPECT_THROW(sim::parseHandle("trigger:", "trigger"), sim::ScenarioError);
}

TEST(ScenarioHexBytes, PairsOfDigitsInAnyGrouping) {
    EXPECT_EQ(sim::parseHexBytes({"41", "4243", "fF"}),
              (std::vector<unsigned char>{0x41, 0x42, 0x43, 0xff}));
    EXPECT_THROW(sim::parseHexBytes({"4"}), sim::ScenarioError);
    EXPECT_THROW(sim::parseHexBytes({"4g"}), sim::ScenarioError);
}

TEST(ScenarioPaths, StayUnderTheCommandDirectory) {
    EXPECT_EQ(sim::scenarioPath("fl_file\\sub\\a b.txt").generic_string(), "fl_file/sub/a b.txt");
    EXPECT_THROW(sim::scenarioPath(""), sim::ScenarioError);
    EXPECT_THROW(sim::scenarioPath("/etc/passwd"), sim::ScenarioError);
    EXPECT_THROW(sim::scenarioPath("fl_file/../../x.txt"), sim::ScenarioError);
    EXPECT_THROW(sim::scenarioPath("..\\x.txt"), sim::ScenarioError);
}

}  // namespace
