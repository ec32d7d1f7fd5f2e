// The bit-mask forms of the character-boundary rules, against a byte-by-byte walk.
#include "text/char_boundaries.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace zurvane::detail {
namespace {

std::uint64_t second_bytes_by_walking(std::uint64_t leads) {
    std::uint64_t seconds = 0;
    for (int i = 0; i < 64; ++i) {
        if ((leads >> i) & 1) {
            if (i + 1 < 64) seconds |= std::uint64_t{1} << (i + 1);
            ++i;
        }
    }
    return seconds;
}

std::uint64_t runs_ending_below_by_walking(std::uint64_t ends, std::uint64_t within) {
    std::uint64_t marked = 0;
    for (int end = 1; end < 64; ++end) {
        if (!((ends >> end) & 1)) continue;
        for (int i = end - 1; i >= 0 && ((within >> i) & 1); --i) marked |= std::uint64_t{1} << i;
    }
    return marked;
}

// Masks with long runs as well as scattered bits.
std::uint64_t random_mask(std::mt19937_64& engine) {
    const std::uint64_t a = engine(), b = engine(), c = engine();
    switch (engine() % 3) {
        case 0:
            return a;
        case 1:
            return a | b | c;
        default:
            return a & b;
    }
}

TEST(SecondBytes, MatchesAWalkForEveryPatternOfSixteenAndRandomOnes) {
    for (std::uint64_t low = 0; low < (1u << 16); ++low) {
        for (std::uint64_t high : {std::uint64_t{0}, ~std::uint64_t{0} << 16}) {
            const std::uint64_t leads = low | high;
            ASSERT_EQ(second_bytes(leads), second_bytes_by_walking(leads)) << std::hex << leads;
        }
    }
    std::mt19937_64 engine(1);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t leads = random_mask(engine);
        ASSERT_EQ(second_bytes(leads), second_bytes_by_walking(leads)) << std::hex << leads;
    }
}

TEST(RunsEndingBelow, MatchesAWalk) {
    std::mt19937_64 engine(2);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t ends = random_mask(engine) & random_mask(engine);
        const std::uint64_t within = random_mask(engine) & ~ends;
        ASSERT_EQ(runs_ending_below(ends, within), runs_ending_below_by_walking(ends, within))
            << std::hex << "ends " << ends << " within " << within;
    }
    EXPECT_EQ(runs_ending_below(std::uint64_t{1} << 63, ~(std::uint64_t{1} << 63)),
              ~(std::uint64_t{1} << 63));
}

}  // namespace
}  // namespace zurvane::detail
