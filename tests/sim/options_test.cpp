#include "sim/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

sim::Options parse(std::vector<const char*> args) {
    args.insert(args.begin(), "kestrane-sim");
    return sim::parseOptions(static_cast<int>(args.size()), args.data());
}

TEST(Options, DefaultsToThePlymouthBuildAndSeedOne) {
    const sim::Options options = parse({});
    EXPECT_EQ(options.build, "sandbox_plymouth");
    EXPECT_EQ(options.seed, 1u);
    EXPECT_FALSE(options.queries);
    EXPECT_TRUE(options.script.empty());
    EXPECT_EQ(sim::attachName(options), "sandbox_plymouth");
}

TEST(Options, TakesEveryOption) {
    const sim::Options options = parse({"--module", "out/my_mission.so", "--script", "-",
                                        "--queries", "--dir", "work", "--seed", "4294967295"});
    EXPECT_EQ(options.modulePath, "out/my_mission.so");
    EXPECT_EQ(options.script, "-");
    EXPECT_TRUE(options.queries);
    EXPECT_EQ(options.directory, "work");
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_EQ(sim::attachName(options), "my_mission");
}

TEST(Options, RefusesWhatItCannotUse) {
    const std::vector<std::vector<const char*>> bad = {
        {"--build"},
        {"--seed", "-1"},
        {"--seed", "4294967296"},
        {"--build", "sandbox_eden", "--module", "x.so"},
        {"--build", "../elsewhere"},
        {"--verbose"},
    };
    for (const auto& args : bad) {
        EXPECT_THROW(parse(args), sim::UsageError) << args[0];
    }
}

}  // namespace
