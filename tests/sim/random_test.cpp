#include "sim/random.h"

#include <gtest/gtest.h>

namespace {

TEST(HostGenerator, SeedOneGivesTheKnownSequence) {
    sim::HostGenerator generator(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) EXPECT_EQ(generator.next(), value);
}

TEST(HostGenerator, ReseedingStartsTheSequenceOver) {
    sim::HostGenerator generator(1);
    generator.next();
    generator.seed(1);
    EXPECT_EQ(generator.next(), 41);
}

TEST(RandSource, QueuedValuesComeFirstEachModuloItsCallsRange) {
    sim::HostGenerator generator(1);
    sim::RandSource rand;
    rand.enqueue(7);
    rand.enqueue(4294967295u);
    rand.enqueue(3);
    EXPECT_EQ(rand.draw(5, generator), 2);
    EXPECT_EQ(rand.draw(10, generator), 5);  // 4294967295 mod 10
    EXPECT_EQ(rand.draw(100, generator), 3);
    EXPECT_EQ(rand.draw(100, generator), 41);  // queue empty: the generator, untouched so far
}

TEST(RandSource, RangeOfZeroOrLessAnswersZeroAndStillTakesAValue) {
    sim::HostGenerator generator(1);
    sim::RandSource rand;
    rand.enqueue(9);
    EXPECT_EQ(rand.draw(0, generator), 0);
    EXPECT_EQ(rand.queued(), 0u);
    EXPECT_EQ(rand.draw(-5, generator), 0);             // takes 41 from the generator
    EXPECT_EQ(rand.draw(100000, generator), 18467);     // so the next call gets the second value
}

TEST(ChooseDelay, MinAndMaxTakeTheBoundsAsGiven) {
    sim::HostGenerator generator(1);
    EXPECT_EQ(sim::chooseDelay(7900, 12000, sim::DelayMode::min, generator), 7900);
    EXPECT_EQ(sim::chooseDelay(7900, 12000, sim::DelayMode::max, generator), 12000);
    // Neither mode draws from the generator.
    EXPECT_EQ(generator.next(), 41);
}

TEST(ChooseDelay, RandomStaysWithinTheBoundsInEitherOrder) {
    sim::HostGenerator generator(1);
    bool sawLow = false;
    bool sawHigh = false;
    for (int i = 0; i < 2000; ++i) {
        const int delay = sim::chooseDelay(5, 8, sim::DelayMode::random, generator);
        ASSERT_GE(delay, 5);
        ASSERT_LE(delay, 8);
        sawLow = sawLow || delay == 5;
        sawHigh = sawHigh || delay == 8;
        const int reversed = sim::chooseDelay(8, 5, sim::DelayMode::random, generator);
        ASSERT_GE(reversed, 5);
        ASSERT_LE(reversed, 8);
    }
    EXPECT_TRUE(sawLow && sawHigh);
    EXPECT_EQ(sim::chooseDelay(100, 100, sim::DelayMode::random, generator), 100);
    const int wide = sim::chooseDelay(0, 2147483647, sim::DelayMode::random, generator);
    EXPECT_GE(wide, 0);
}

}  // namespace
