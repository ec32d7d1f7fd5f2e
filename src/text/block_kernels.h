// The block kernels: the inner loops of the block-wise line joiner and punctuation conversions,
// one set per instruction set. They work on 64 bytes at a time, at fixed 64-byte steps, and write
// into a raw buffer that the caller keeps large enough (block_scan.cpp).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/char_loops.h"

namespace zurvane::detail {

constexpr std::size_t kKernelBlock = 64;
// A kernel needs this many bytes from the start of each block it works on: it reads 64 bytes
// from anywhere in the block, and looks at the byte after it.
constexpr std::size_t kKernelReach = 3 * kKernelBlock;
// A kernel may write this many bytes past the end of what it produces.
constexpr std::size_t kKernelOverwrite = 2 * kKernelBlock;

// Where the line joiner's blocks stand. Bit 0 of each carry mask tells about byte 0 of the block
// at pos.
struct JoinBlocks {
    std::size_t pos = 0;
    JoinState state;
    std::uint64_t carry_inside = 0;    // it is the second byte of a character begun before
    std::uint64_t carry_lf = 0;        // it is the LF of a line end begun before
    std::uint64_t carry_in_space = 0;  // it is the second byte of an ideographic space
};

enum class JoinStop {
    kAtEnd,    // no block left that ends within `end`
    kRelease,  // state.pending_spaces up to pos stay in the text: append them, then go on
};

// Where a punctuation conversion's blocks stand.
struct PunctuationBlocks {
    std::size_t pos = 0;
    std::size_t from = 0;        // 1 if byte 0 of the block at pos was consumed already
    bool starts_inside = false;  // byte 0 of the block at pos is the second byte of a character
};

// What a punctuation conversion does with one character: the bytes it writes (up to two, of
// which `written` count) and how many bytes of the source it consumes (0 leaves the character
// to be copied as it is).
struct PunctuationChange {
    char bytes[2];
    std::uint8_t written;
    std::uint8_t consumed;
};

// to_chinese_punctuation's changes, by the byte for ASCII and by 256 + the second byte for a
// character that starts with A3: ASCII 0x20-0x7E other than digits and letters become two
// bytes, the full-width digits and letters (A3 B0-B9, A3 C1-DA, A3 E1-FA) one.
extern const std::array<PunctuationChange, 512> kChineseChanges;
// to_english_punctuation's one-byte forms, by the second byte for A1 and by 256 + the second
// byte for A3; 0 where the character stays.
extern const std::array<unsigned char, 512> kEnglishForms;

// Each works on the blocks at blocks.pos, blocks.pos + 64, ... while pos + kKernelReach <= end
// (end <= source.size()), writing at `to` and moving it on. The line joiner writes at most as
// many bytes as it reads, to_chinese_punctuation at most twice as many, to_english_punctuation
// at most as many.
struct BlockKernels {
    JoinStop (*join_removing_spaces)(std::string_view source, std::size_t end, JoinBlocks& blocks,
                                     char*& to);
    JoinStop (*join_keeping_spaces)(std::string_view source, std::size_t end, JoinBlocks& blocks,
                                    char*& to);
    void (*to_chinese)(std::string_view source, std::size_t end, PunctuationBlocks& blocks,
                       char*& to);
    void (*to_english)(std::string_view source, std::size_t end, PunctuationBlocks& blocks,
                       char*& to);
};

// Null where the instruction set is missing from the build; block_scan.cpp checks the processor.
const BlockKernels* sse2_kernels();
const BlockKernels* avx2_kernels();

}  // namespace zurvane::detail
