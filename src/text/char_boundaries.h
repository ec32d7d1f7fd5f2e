// Character boundaries of 64 bytes at a time, as bit masks (bit i stands for byte i).
#pragma once

#include <cstdint>

namespace zurvane::detail {
// Internal linkage: the block kernels are compiled once per instruction set, and each copy
// keeps its own.
namespace {

// The second bytes among 64 bytes that begin at a character boundary, given which of them are
// lead bytes (0x80-0xFF). In a run of lead bytes the 1st, 3rd, 5th ... start characters and
// the others are second bytes; the byte after the run is a second byte when the run is odd.
// Subtracting the leads from (leads << 1 | odd positions) works this out for every run at once:
// the borrow of each run stops at its end, and the parity of where it started shows through.
constexpr std::uint64_t second_bytes(std::uint64_t leads) {
    constexpr std::uint64_t kOddBits = 0xAAAAAAAAAAAAAAAAull;
    const std::uint64_t parity_marks = (((leads << 1) | kOddBits) - leads) ^ kOddBits;
    return parity_marks ^ leads;
}

// The bytes of `within` that lie in an unbroken run of `within` ending just below a bit of
// `ends`: spreads each end downwards through the run below it.
constexpr std::uint64_t runs_ending_below(std::uint64_t ends, std::uint64_t within) {
    std::uint64_t marked = (ends >> 1) & within;
    std::uint64_t span = within;  // bit i: the 1, 2, 4 ... bytes from i upwards are in `within`
    marked |= (marked >> 1) & span;
    span &= span >> 1;
    marked |= (marked >> 2) & span;
    span &= span >> 2;
    marked |= (marked >> 4) & span;
    span &= span >> 4;
    marked |= (marked >> 8) & span;
    span &= span >> 8;
    marked |= (marked >> 16) & span;
    span &= span >> 16;
    marked |= (marked >> 32) & span;
    return marked;
}

}  // namespace
}  // namespace zurvane::detail
