// The marquee's random numbers: a linear congruential generator that starts at 1 in every run
// and is never reseeded, so the colours follow the same sequence each time the tool runs.
#pragma once

#include <cstdint>

namespace zurvane {

class RandomGenerator {
public:
    // 0 to 32767.
    int next_random();
    // low + next_random() mod (high - low + 1). Each bound below 0 counts as 0 and swapped bounds
    // are put in order; equal bounds give low without drawing a number.
    int random_between(int low, int high);

    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = 1;
};

// The one generator of the process; it carries on from one About window to the next.
RandomGenerator& random_state();

// On the process's generator.
int next_random();
int random_between(int low, int high);

}  // namespace zurvane
