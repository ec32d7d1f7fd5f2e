// A GoogleTest check that two byte strings are equal, which shows the bytes in hex (and the
// input they came from) only when they differ: cheap enough for loops over many texts.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "support/hex.h"

namespace zurvane::testing {

inline ::testing::AssertionResult same_bytes(std::string_view got, std::string_view want,
                                             std::string_view input) {
    if (got == want) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "\n input " << hex(input) << "\n got   " << hex(got) << "\n want  " << hex(want);
}

}  // namespace zurvane::testing
