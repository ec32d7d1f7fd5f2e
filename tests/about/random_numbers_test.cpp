// The marquee's generator: its fixed sequence and the bound rules of random_between.
#include "about/random_numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zurvane {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(NextRandom, FollowsTheSameSequenceFromAFreshStart) {
    RandomGenerator random;
    std::vector<int> drawn;
    for (int i = 0; i < 6; ++i) drawn.push_back(random.next_random());
    EXPECT_EQ(drawn, (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724}));
}

TEST(RandomBetween, AppliesTheBoundRules) {
    // A fresh generator's first number is 41.
    struct Case {
        int low, high;
        int result;
        bool draws;
    };
    const Case cases[] = {
        {0, 180, 41, true},         // the marquee's call
        {-5, 180, 41, true},        // a bound below 0 counts as 0
        {180, 0, 41, true},         // swapped bounds
        {180, -9, 41, true},        // swapped after the negative one became 0
        {5, 3, 5, true},            // 3 + 41 mod 3
        {100, 200, 141, true},      // 100 + 41 mod 101
        {kMin, 3, 1, true},         // 41 mod 4
        {10, 10, 10, false},        // equal bounds: no number drawn
        {-3, -7, 0, false},         // both count as 0
        {-1, 0, 0, false},          // equal once the negative one is 0
        {0, kMax, 41, true},        // difference 2147483647: the divisor stays in 32 bits
        {kMax, 0, 41, true},        // the same, swapped
        {1, kMax, 42, true},        // difference 2147483646, divisor 2147483647
        {kMax, kMax, kMax, false},  // equal at the top
    };
    for (const auto& c : cases) {
        RandomGenerator random;
        const auto before = random.state();
        EXPECT_EQ(random.random_between(c.low, c.high), c.result)
            << "random_between(" << c.low << ", " << c.high << ")";
        EXPECT_EQ(random.state() != before, c.draws)
            << "random_between(" << c.low << ", " << c.high
            << ") drew a number: " << (random.state() != before);
    }
}

TEST(ProcessGenerator, IsOneGeneratorSharedByTheFreeFunctions) {
    EXPECT_EQ(&random_state(), &random_state());
    RandomGenerator copy = random_state();
    EXPECT_EQ(next_random(), copy.next_random());
    EXPECT_EQ(random_between(0, 180), copy.random_between(0, 180));
    EXPECT_EQ(random_between(7, 7), 7);
    EXPECT_EQ(random_state().state(), copy.state());
}

}  // namespace
}  // namespace zurvane
