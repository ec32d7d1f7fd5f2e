#include "text/block_scan.h"

#include <algorithm>
#include <cstring>

#include "text/block_kernels.h"
#include "text/char_loops.h"
#include "text/gbk.h"

namespace zurvane::detail {

// The tables are made here, with gbk.h's functions, and not in the kernels' files: those are
// compiled for other instruction sets, and a shared function compiled there could end up
// serving every caller.
const std::array<PunctuationChange, 512> kChineseChanges = [] {
    std::array<PunctuationChange, 512> changes{};
    for (int b = 0x20; b <= 0x7E; ++b) {
        if (gbk::is_ascii_alnum(static_cast<unsigned char>(b))) continue;
        changes[b] = {{'\xA3', static_cast<char>(b + 0x80)}, 2, 1};
    }
    changes[' '] = {{'\xA1', '\xA1'}, 2, 1};
    changes['.'] = {{'\xA1', '\xA3'}, 2, 1};
    changes['~'] = {{'\xA1', '\xAB'}, 2, 1};
    for (int second = 0x80; second <= 0xFF; ++second) {
        if (!gbk::is_full_width_alnum(static_cast<unsigned char>(second))) continue;
        changes[256 + second] = {{static_cast<char>(second - 0x80), 0}, 1, 2};
    }
    return changes;
}();

const std::array<unsigned char, 512> kEnglishForms = [] {
    std::array<unsigned char, 512> forms{};
    for (int second = 0; second < 256; ++second) {
        forms[second] = gbk::english_form(0xA1, static_cast<unsigned char>(second));
        forms[256 + second] = gbk::english_form(0xA3, static_cast<unsigned char>(second));
    }
    return forms;
}();

namespace {

bool processor_runs_avx2_kernels() {
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
           __builtin_cpu_supports("popcnt");
#else
    return false;
#endif
}

const BlockKernels* kernels(BlockKernelSet set) {
    static const BlockKernels* const avx2 =
        processor_runs_avx2_kernels() ? avx2_kernels() : nullptr;
    switch (set) {
        case BlockKernelSet::kSse2:
            return sse2_kernels();
        case BlockKernelSet::kAvx2:
            return avx2;
        case BlockKernelSet::kBest:
            return avx2 != nullptr ? avx2 : sse2_kernels();
    }
    return nullptr;
}

// The kernels run on this many bytes of the source at a time, so that the text grows in small
// steps: the zeros that resize writes are still in the cache when the kernel overwrites them.
constexpr std::size_t kChunk = std::size_t{32} << 10;

// The result text as the kernels' raw output buffer.
class KernelOutput {
public:
    KernelOutput(Text& out, std::size_t most) : out_(out) {
        out_.reserve(most + kChunk + kKernelOverwrite);
    }

    // Where to write next, with room for count bytes and what a kernel writes past them.
    char* room(std::size_t count) {
        const std::size_t needed = used_ + count + kKernelOverwrite;
        if (out_.size() < needed) out_.resize(needed);
        return out_.data() + used_;
    }

    void wrote_up_to(const char* end) { used_ = static_cast<std::size_t>(end - out_.data()); }

    void append(const char* from, std::size_t count) {
        std::memcpy(room(count), from, count);
        used_ += count;
    }

    void finish() { out_.resize(used_); }

private:
    Text& out_;
    std::size_t used_ = 0;
};

Text join_with(const BlockKernels& kernels, std::string_view source, bool remove_spaces) {
    Text out;
    JoinBlocks blocks;
    {
        KernelOutput output(out, source.size());
        const auto kernel =
            remove_spaces ? kernels.join_removing_spaces : kernels.join_keeping_spaces;
        while (source.size() - blocks.pos >= kKernelReach) {
            const std::size_t end = std::min(source.size(), blocks.pos + kChunk);
            char* to = output.room(end - blocks.pos);
            const JoinStop stop = kernel(source, end, blocks, to);
            output.wrote_up_to(to);
            if (stop == JoinStop::kRelease) {
                const std::size_t spaces = blocks.state.pending_spaces;
                output.append(source.data() + spaces, blocks.pos - spaces);
                blocks.state.pending_spaces = JoinState::kNoSpaces;
            }
        }
        output.finish();
    }
    // The character loop starts at a character boundary, with the byte at pos settled here.
    std::size_t pos = blocks.pos;
    if (blocks.carry_lf != 0) {
        blocks.state = JoinState{};
        ++pos;
    } else if (blocks.carry_in_space != 0) {
        ++pos;  // with the space it belongs to: gone, or still held in state.pending_spaces
    } else if (blocks.carry_inside != 0) {
        out += source[pos++];
    }
    join_chars(source, pos, remove_spaces, blocks.state, out);
    return out;
}

using PunctuationKernel = void (*)(std::string_view, std::size_t, PunctuationBlocks&, char*&);
using PunctuationChars = void (*)(std::string_view, std::size_t, Text&);

Text convert_with(PunctuationKernel kernel, PunctuationChars chars, std::size_t growth,
                  std::string_view source) {
    Text out;
    PunctuationBlocks blocks;
    {
        KernelOutput output(out, source.size() * growth);
        while (source.size() - blocks.pos >= kKernelReach) {
            const std::size_t end = std::min(source.size(), blocks.pos + kChunk);
            char* to = output.room((end - blocks.pos) * growth);
            kernel(source, end, blocks, to);
            output.wrote_up_to(to);
        }
        output.finish();
    }
    // The character loop starts at a character boundary: the byte at pos was either consumed
    // with the character before it, or is the second byte of a character left as it is.
    std::size_t pos = blocks.pos + blocks.from;
    if (blocks.from == 0 && blocks.starts_inside) out += source[pos++];
    chars(source, pos, out);
    return out;
}

}  // namespace

bool have_block_kernels(BlockKernelSet set) {
    return kernels(set) != nullptr;
}

Text join_lines_by_blocks(std::string_view source, bool remove_spaces, BlockKernelSet set) {
    const BlockKernels* chosen = kernels(set);
    if (chosen == nullptr) return join_lines_by_chars(source, remove_spaces);
    return join_with(*chosen, source, remove_spaces);
}

Text to_chinese_punctuation_by_blocks(std::string_view source, BlockKernelSet set) {
    const BlockKernels* chosen = kernels(set);
    if (chosen == nullptr) return to_chinese_punctuation_by_chars(source);
    return convert_with(chosen->to_chinese, chinese_punctuation_chars, 2, source);
}

Text to_english_punctuation_by_blocks(std::string_view source, BlockKernelSet set) {
    const BlockKernels* chosen = kernels(set);
    if (chosen == nullptr) return to_english_punctuation_by_chars(source);
    return convert_with(chosen->to_english, english_punctuation_chars, 1, source);
}

}  // namespace zurvane::detail
