#include "sim/c_string.h"

#include <gtest/gtest.h>

namespace {

struct Quoted {
    std::string text;
    std::string literal;
};

TEST(CString, QuotesEveryByteThatIsNotPlainPrintable) {
    const Quoted cases[] = {
        {"version", "\"version\""},
        {"", "\"\""},
        {"grp 0 LP3 ", "\"grp 0 LP3 \""},
        {"say \"hi\" \\ there", "\"say \\\"hi\\\" \\\\ there\""},
        {"\n\r\t", "\"\\n\\r\\t\""},
        {std::string("\x01\x1f\x7f\x80\xff", 5), "\"\\x01\\x1f\\x7f\\x80\\xff\""},
        {" ~", "\" ~\""},
    };
    for (const Quoted& c : cases) {
        EXPECT_EQ(sim::quoteCString(c.text), c.literal);
        std::string back;
        std::string error;
        ASSERT_TRUE(sim::unquoteCString(c.literal, back, error)) << c.literal << ": " << error;
        EXPECT_EQ(back, c.text);
    }
}

TEST(CString, UnquoteAcceptsUpperCaseHex) {
    std::string text;
    std::string error;
    ASSERT_TRUE(sim::unquoteCString("\"\\xAB\\x4a\"", text, error));
    EXPECT_EQ(text, "\xab\x4a");
}

TEST(CString, UnquoteRefusesMalformedLiterals) {
    const char* const bad[] = {
        "\"abc",     // no closing quote
        "abc\"",     // no opening quote
        "\"",        // one quote alone
        "\"a\"b\"",  // a quote inside
        "\"a\\\"",   // the closing quote is escaped
        "\"\\q\"",   // unknown escape
        "\"\\x4\"",  // one hex digit
        "\"\\xg0\"", // not hex
        "\"\\x00\"", // a NUL could not reach the module
    };
    for (const char* literal : bad) {
        std::string text = "unchanged";
        std::string error;
        EXPECT_FALSE(sim::unquoteCString(literal, text, error)) << literal;
        EXPECT_FALSE(error.empty()) << literal;
        EXPECT_EQ(text, "unchanged") << literal;
    }
}

}  // namespace
