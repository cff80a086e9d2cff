#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "message/qv_ostream.h"
#include "message/report.h"
#include "tests/support/alloc_counter.h"
#include "tests/unit/message/logged_messages.h"

namespace {

sim::LoggedMessage defaultMessage(const std::string& text, int sound) {
    return positionMessage(-32, -32, text, -1, sound);
}

const sim::LoggedMessage invalidParameterList =
    defaultMessage("Format error: Invalid parameter list", 52);

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::hostSession().reset(1);
        // A test may have left the global stream bad, or with fields set that a dropped
        // report never consumed.
        messageStream.clear();
        auto& buffer = *messageStream.rdbuf();
        buffer.currentTarget = &buffer.positionTarget;
        buffer.sound = 0;
        buffer.recipient = -1;
    }

    Messages& messages = sim::hostSession().messages;
};

TEST_F(ReportTest, EachReportIsOneMessageWithItsOwnSound) {
    reportInvalidParameterList();
    reportInvalidParameter();
    reportOffsetOverflow();
    reportLossOfModuleIntegrity();
    report(category::filesystem, reportText::fileAlreadyRead);
    EXPECT_EQ(messages, (Messages{invalidParameterList,
                                  defaultMessage("Logic error: Invalid parameter", 158),
                                  defaultMessage("Internal error: Offset overflow", 158),
                                  defaultMessage("Internal error: Loss of module integrity", 158),
                                  defaultMessage("Filesystem error: File already read", 158)}));
}

TEST_F(ReportTest, ReportKeepsTheRecipientAWriterSet) {
    messageStream.rdbuf()->recipient = 2;
    report(category::logic, reportText::noAIPlayer);
    EXPECT_EQ(messages, Messages{positionMessage(-32, -32, "Logic error: No AI player available",
                                                 2, 158)});
}

TEST_F(ReportTest, OutOfMemoryReachesTheHostWhenTheStreamIsBad) {
    messageStream << std::string(60, 'a').c_str();
    {
        allocCounter::Armed armed(1);
        messageStream << "b";
    }
    ASSERT_TRUE(messageStream.bad());

    const std::bad_alloc failure;
    {
        allocCounter::Armed armed;
        reportInvalidParameter();
        reportOutOfMemory(failure);
    }
    EXPECT_EQ(allocCounter::allocations(), 0u);
    EXPECT_EQ(messages, Messages{positionMessage(
                            -1, -1, std::string("Out of memory: ") + failure.what(), -1, 32)});
}

TEST_F(ReportTest, OutOfMemoryLeavesAHalfWrittenMessageAlone) {
    messageStream.rdbuf()->sound = 162;
    messageStream << "Enemy reinforcements ";
    reportOutOfMemory(std::bad_alloc());
    messageStream << "have arrived" << std::flush;
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], defaultMessage("Enemy reinforcements have arrived", 162));
}

TEST_F(ReportTest, OutOfMemoryCutsALongDescriptionToItsBuffer) {
    const std::string description(100, 'd');
    reportOutOfMemory(std::runtime_error(description));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, ("Out of memory: " + description).substr(0, 63));
}

struct ParseCase {
    const char* text;
    bool read;
    std::uint32_t value;
    std::size_t consumed;  // characters the cursor moves on success
};

void PrintTo(const ParseCase& parseCase, std::ostream* out) {
    *out << '"' << parseCase.text << '"';
}

class ParseUnsignedTest : public ReportTest, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(ParseUnsignedTest, ReadsLikeThe32BitConversion) {
    const ParseCase& expected = GetParam();
    const char* cursor = expected.text;
    std::uint32_t value = 12345;

    EXPECT_EQ(parseUnsigned(&cursor, value), expected.read);
    EXPECT_EQ(value, expected.value);
    EXPECT_EQ(cursor, expected.text + (expected.read ? expected.consumed : 0));
    EXPECT_EQ(messages, expected.read ? Messages{} : Messages{invalidParameterList});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseUnsignedTest,
    ::testing::Values(ParseCase{"0", true, 0, 1}, ParseCase{"42", true, 42, 2},
                      ParseCase{"5 ", true, 5, 1}, ParseCase{"  7", true, 7, 3},
                      ParseCase{"\t8x", true, 8, 2}, ParseCase{"+5", true, 5, 2},
                      ParseCase{"007", true, 7, 3}, ParseCase{"0x10", true, 0, 1},
                      ParseCase{"-1", true, 4294967295u, 2}, ParseCase{"-0", true, 0, 2},
                      ParseCase{"4294967295", true, 4294967295u, 10},
                      ParseCase{"-4294967295", true, 1, 11},
                      ParseCase{"4294967296", false, 4294967295u, 0},
                      ParseCase{"-4294967296", false, 4294967295u, 0},
                      ParseCase{"18446744073709551615", false, 4294967295u, 0},
                      ParseCase{"-18446744073709551615", false, 4294967295u, 0},
                      ParseCase{"99999999999999999999999", false, 4294967295u, 0},
                      ParseCase{"abc", false, 0, 0}, ParseCase{"", false, 0, 0},
                      ParseCase{" ", false, 0, 0}, ParseCase{"-", false, 0, 0},
                      ParseCase{"+ 5", false, 0, 0}, ParseCase{"--5", false, 0, 0}));

TEST_F(ReportTest, ParseUnsignedReadsASequenceOfNumbers) {
    const char* const text = "12 34";
    const char* cursor = text;
    std::uint32_t value = 0;

    ASSERT_TRUE(parseUnsigned(&cursor, value));
    EXPECT_EQ(value, 12u);
    EXPECT_EQ(cursor, text + 2);
    ASSERT_TRUE(parseUnsigned(&cursor, value));
    EXPECT_EQ(value, 34u);
    EXPECT_EQ(cursor, text + std::strlen(text));
    EXPECT_FALSE(parseUnsigned(&cursor, value));
    EXPECT_EQ(cursor, text + std::strlen(text));
    EXPECT_EQ(messages, Messages{invalidParameterList});
}

TEST_F(ReportTest, FindAIPlayerFindsTheLowestComputerPlayer) {
    sim::hostSession().world.setPlayers({true, true, false, false});
    std::uint32_t player = 99;
    EXPECT_TRUE(findAIPlayer(player));
    EXPECT_EQ(player, 2u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ReportTest, FindAIPlayerReportsAGameOfHumans) {
    for (const std::vector<bool>& humans : {std::vector<bool>{true, true}, std::vector<bool>{}}) {
        messages.clear();
        sim::hostSession().world.setPlayers(humans);
        std::uint32_t player = 99;
        EXPECT_FALSE(findAIPlayer(player));
        EXPECT_EQ(messages, Messages{defaultMessage("Logic error: No AI player available", 158)});
    }
}

}  // namespace
