#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command/module_slots.h"
#include "tests/unit/command/host_messages.h"

namespace {

struct SlotCase {
    const char* args;
    bool accepted;
    const char* name;
    std::vector<int> slots;  // as stored, up to and including the terminator
    const char* report;
};

const SlotCase kCases[] = {
    {"grp", true, "grp", {qvn::allSlots}, nullptr},
    {"grp ", true, "grp", {qvn::allSlots}, nullptr},
    {"grp 3 1", true, "grp", {1, 3, qvn::endOfSlots}, nullptr},
    {"grp 31", true, "grp", {1, 3, qvn::endOfSlots}, nullptr},
    {"grp \t7", true, "grp", {7, qvn::endOfSlots}, nullptr},
    {"grp 987654321", true, "grp", {1, 2, 3, 4, 5, 6, 7, 8, 9, qvn::endOfSlots}, nullptr},
    {"grp 0123456789", true, "grp", {qvn::allSlots}, nullptr},
    {"grp 0123456789 then anything", true, "grp", {qvn::allSlots}, nullptr},
    {" ", true, "", {qvn::allSlots}, nullptr},
    {" 4", true, "", {4, qvn::endOfSlots}, nullptr},
    {" grp", false, nullptr, {}, "Format error: Invalid parameter list|52"},
    {"", false, nullptr, {}, "Format error: Insufficient parameters|52"},
    {nullptr, false, nullptr, {}, "Format error: Insufficient parameters|52"},
    {"grp 1 1", false, nullptr, {}, "Format error: Invalid parameter list|52"},
    {"grp 1x", false, nullptr, {}, "Format error: Invalid parameter list|52"},
    {"grp 1 ", false, nullptr, {}, "Format error: Invalid parameter list|52"},
    {"grp  ", false, nullptr, {}, "Format error: Invalid parameter list|52"},
    {"grp +1", false, nullptr, {}, "Format error: Invalid parameter list|52"},
};

TEST(ParseModuleSlots, ReadsNamesAndSlotDigits) {
    takeHostMessages();
    for (const SlotCase& c : kCases) {
        SCOPED_TRACE(c.args == nullptr ? "(null)" : c.args);
        std::string name = "unchanged";
        qvn::SlotList slots{};
        EXPECT_EQ(qvn::parseModuleSlots(c.args, name, slots), c.accepted);
        std::vector<std::string> messages = takeHostMessages();
        if (!c.accepted) {
            EXPECT_EQ(messages, std::vector<std::string>({c.report}));
            continue;
        }
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(name, c.name);
        std::vector<int> stored(slots.entries, slots.entries + c.slots.size());
        EXPECT_EQ(stored, c.slots);
    }
}

}  // namespace
