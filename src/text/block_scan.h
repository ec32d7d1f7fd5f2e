// Block-wise versions of the line joiner and the punctuation conversions: they work out the
// character boundaries of 64 bytes at a time as bit masks and copy what needs no change in whole
// runs. They give the same bytes as the character loops of char_loops.h, which finish the last
// bytes of a text and do all of it where no vector kernels exist.
#pragma once

#include <string_view>

#include "text/text.h"

namespace zurvane::detail {

enum class BlockKernelSet {
    kBest,  // the widest that this build and this processor have
    kSse2,
    kAvx2,
};

// Whether the build holds this set of kernels and the processor runs it.
bool have_block_kernels(BlockKernelSet set);

// With a set that is missing, these fall back to the character loops.
Text join_lines_by_blocks(std::string_view source, bool remove_spaces,
                          BlockKernelSet set = BlockKernelSet::kBest);
Text to_chinese_punctuation_by_blocks(std::string_view source,
                                      BlockKernelSet set = BlockKernelSet::kBest);
Text to_english_punctuation_by_blocks(std::string_view source,
                                      BlockKernelSet set = BlockKernelSet::kBest);

}  // namespace zurvane::detail
