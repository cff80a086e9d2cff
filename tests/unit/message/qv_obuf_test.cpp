#include <gtest/gtest.h>

#include <locale>
#include <string>
#include <vector>

#include "message/qv_ostream.h"
#include "tests/support/alloc_counter.h"
#include "tests/unit/message/logged_messages.h"

namespace {

using Sizes = std::vector<std::size_t>;

// Each test writes through a stream of its own, as fresh as the module's after loading.
class MessageStreamTest : public ::testing::Test {
protected:
    void SetUp() override { sim::hostSession().reset(1); }

    qvn::basic_qv_obuf<char>& buffer() { return *stream.rdbuf(); }

    qvn::basic_qv_ostream<char> stream;
    const Messages& messages = sim::hostSession().messages;
};

TEST_F(MessageStreamTest, MessagesUpToSixtyCharactersReuseTheBuffer) {
    const std::string sixty(60, 'a');
    {
        allocCounter::Armed armed;
        stream << sixty.c_str() << std::flush;
        stream << "b" << std::flush;
    }
    EXPECT_EQ(allocCounter::allocations(), 0u);
    EXPECT_EQ(buffer().buffer.size(), 61u);
    EXPECT_EQ(messages, (Messages{positionMessage(-32, -32, sixty, -1, 0),
                                  positionMessage(-32, -32, "b", -1, 0)}));
}

TEST_F(MessageStreamTest, LongMessageGrowsTheBufferAndTheFlushShrinksIt) {
    const std::string sixtyOne(61, 'a');
    {
        allocCounter::Armed armed;
        stream << sixtyOne.c_str();
    }
    EXPECT_EQ(allocCounter::allocations(), 1u);
    EXPECT_EQ(buffer().buffer.size(), 121u);
    {
        allocCounter::Armed armed;
        stream << std::flush;
    }
    EXPECT_EQ(allocCounter::sizes(), Sizes{61});
    EXPECT_EQ(buffer().buffer.size(), 61u);
    EXPECT_EQ(messages, Messages{positionMessage(-32, -32, sixtyOne, -1, 0)});
}

class MessageLengthTest : public MessageStreamTest,
                          public ::testing::WithParamInterface<std::size_t> {};

TEST_P(MessageLengthTest, ArrivesWholeInOneMessage) {
    std::string text;
    for (std::size_t i = 0; i < GetParam(); ++i) {
        text += static_cast<char>('a' + i % 26);
    }
    stream << text.c_str() << std::flush;
    EXPECT_EQ(messages, Messages{positionMessage(-32, -32, text, -1, 0)});
    EXPECT_EQ(buffer().buffer.size(), 61u);
}

INSTANTIATE_TEST_SUITE_P(Lengths, MessageLengthTest,
                         ::testing::Values(1, 59, 60, 61, 120, 121, 500));

TEST_F(MessageStreamTest, EmptyFlushKeepsTheFieldsForTheNextMessage) {
    buffer().sound = 52;
    stream << std::flush;
    EXPECT_TRUE(messages.empty());

    stream << "Format error: " << "Invalid parameter list" << std::flush;
    stream << "next" << std::flush;
    EXPECT_EQ(messages,
              (Messages{positionMessage(-32, -32, "Format error: Invalid parameter list", -1, 52),
                        positionMessage(-32, -32, "next", -1, 0)}));
}

TEST_F(MessageStreamTest, UnitMessageThenDefaultsAgain) {
    Unit survivor;
    survivor.unitID = 17;
    buffer().unitTarget.unit = survivor;
    buffer().currentTarget = &buffer().unitTarget;
    buffer().recipient = 1;
    buffer().sound = 162;
    stream << "Additional survivors located" << std::flush;
    stream << "plain" << std::flush;

    EXPECT_EQ(messages, (Messages{unitMessage(17, "Additional survivors located", 1, 162),
                                  positionMessage(-32, -32, "plain", -1, 0)}));
    EXPECT_EQ(buffer().unitTarget.unit.unitID, 17);
}

TEST_F(MessageStreamTest, NulInTheMiddleEndsTheText) {
    stream << "abc" << '\0' << "def" << std::flush;
    EXPECT_EQ(messages, Messages{positionMessage(-32, -32, "abc", -1, 0)});
}

TEST_F(MessageStreamTest, NumbersIgnoreTheGlobalLocale) {
    struct Grouping : std::numpunct<char> {
        char do_thousands_sep() const override { return '\''; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new Grouping));
    qvn::basic_qv_ostream<char> built;
    std::locale::global(previous);

    built << "Recieved coords " << 1234567 << "," << -5 << std::flush;
    EXPECT_EQ(messages,
              Messages{positionMessage(-32, -32, "Recieved coords 1234567,-5", -1, 0)});
}

TEST_F(MessageStreamTest, UnflushedTextIsNeverSent) {
    {
        qvn::basic_qv_ostream<char> unloaded;
        unloaded << "never flushed";
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MessageStreamTest, GrowthFailureDropsTheMessageAndTheStreamStaysBad) {
    buffer().sound = 158;
    stream << std::string(60, 'a').c_str();
    {
        allocCounter::Armed armed(1);
        stream << "b";
    }
    EXPECT_TRUE(stream.bad());
    EXPECT_EQ(buffer().buffer.size(), 61u);

    stream << "later" << std::flush;
    EXPECT_TRUE(messages.empty());
}

TEST_F(MessageStreamTest, ResetFailureStillSendsTheMessageAndTheStreamGoesBad) {
    const std::string sixtyOne(61, 'a');
    buffer().recipient = 0;
    buffer().sound = 52;
    stream << sixtyOne.c_str();
    {
        allocCounter::Armed armed(1);
        stream << std::flush;
    }
    EXPECT_EQ(messages, Messages{positionMessage(-32, -32, sixtyOne, 0, 52)});
    EXPECT_TRUE(stream.bad());
    // The long buffer and the fields stay; nothing is left buffered to be sent twice.
    EXPECT_EQ(buffer().buffer.size(), 121u);
    EXPECT_EQ(buffer().sound, 52);
    EXPECT_EQ(buffer().recipient, 0);
    EXPECT_EQ(buffer().pubsync(), 0);
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
