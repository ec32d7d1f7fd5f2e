#include "about/random_numbers.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zurvane {

int RandomGenerator::next_random() {
    state_ = state_ * 214013u + 2531011u;  // unsigned arithmetic wraps modulo 2^32
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

int RandomGenerator::random_between(int low, int high) {
    low = std::max(low, 0);
    high = std::max(high, 0);
    if (low > high) std::swap(low, high);
    if (low == high) return low;
    std::int64_t difference = static_cast<std::int64_t>(high) - low;
    // Keeps the divisor within a signed 32-bit number.
    if (difference == std::numeric_limits<std::int32_t>::max()) difference -= 1;
    return static_cast<int>(low + next_random() % (difference + 1));
}

RandomGenerator& random_state() {
    static RandomGenerator generator;
    return generator;
}

int next_random() {
    return random_state().next_random();
}

int random_between(int low, int high) {
    return random_state().random_between(low, high);
}

}  // namespace zurvane
