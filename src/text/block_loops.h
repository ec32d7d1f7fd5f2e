// The block kernels written once for any vector instruction set V (see block_scan_sse2.cpp for
// what V provides). Included only by the files that compile the kernels for one instruction set,
// each with its own compiler options; everything here has internal linkage, so that no function
// compiled for one instruction set is ever shared with code compiled for another.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "text/block_kernels.h"
#include "text/char_boundaries.h"
#include "text/gbk.h"  // the byte constants only: no function of it may be compiled here

// The small helpers below must melt into the kernels' loops; left to itself, the compiler keeps
// some of them as calls.
#if defined(__GNUC__) || defined(__clang__)
#define ZURVANE_INLINE inline __attribute__((always_inline))
#else
#define ZURVANE_INLINE inline
#endif

namespace zurvane::detail {
namespace {

using Mask = std::uint64_t;

constexpr Mask kLastBit = Mask{1} << 63;

// Bit counts, here rather than std::countr_zero and the like: those are shared functions, and a
// copy compiled for AVX2 (with BMI1's tzcnt, POPCNT's popcnt) must not serve the other kernels.
#if defined(__GNUC__) || defined(__clang__)
ZURVANE_INLINE unsigned trailing_zeros(Mask m) {
    return m == 0 ? 64 : static_cast<unsigned>(__builtin_ctzll(m));
}
ZURVANE_INLINE unsigned leading_zeros(Mask m) {
    return m == 0 ? 64 : static_cast<unsigned>(__builtin_clzll(m));
}
ZURVANE_INLINE unsigned ones(Mask m) {
    return static_cast<unsigned>(__builtin_popcountll(m));
}
#else
ZURVANE_INLINE unsigned trailing_zeros(Mask m) {
    return std::countr_zero(m);
}
ZURVANE_INLINE unsigned leading_zeros(Mask m) {
    return std::countl_zero(m);
}
ZURVANE_INLINE unsigned ones(Mask m) {
    return std::popcount(m);
}
#endif

template <class V>
using Parts = std::make_index_sequence<kKernelBlock / V::kWidth>;

// 64 bytes of the text in registers of V; bit i of a mask stands for byte i.
template <class V>
class Block {
public:
    using Reg = typename V::Reg;

    explicit Block(const char* bytes) : Block(bytes, Parts<V>{}) {}

    // The mask of the bytes for which test(register) sets all bits.
    template <typename Test>
    Mask where(Test test) const {
        return where(test, Parts<V>{});
    }

    // The same for test(register, register one byte further), which sees each byte together
    // with the byte after it.
    template <typename Test>
    Mask where_with_next(Test test) const {
        return where_with_next(test, Parts<V>{});
    }

    // Whether test sets all bits of some byte.
    template <typename Test>
    bool any(Test test) const {
        return any(test, Parts<V>{});
    }

    Mask equal(unsigned char value) const {
        const Reg wanted = V::splat(value);
        return where([&](Reg x) { return V::equal(x, wanted); });
    }

    // Bytes 0x80-0xFF: the top bit is what V::bits reads.
    Mask leads() const {
        return where([](Reg x) { return x; });
    }

private:
    static constexpr std::size_t kParts = kKernelBlock / V::kWidth;

    template <std::size_t... I>
    Block(const char* bytes, std::index_sequence<I...>)
        : bytes_(bytes), part_{V::load(bytes + I * V::kWidth)...} {}

    template <typename Test, std::size_t... I>
    Mask where(Test test, std::index_sequence<I...>) const {
        return ((V::bits(test(part_[I])) << (I * V::kWidth)) | ...);
    }

    template <typename Test, std::size_t... I>
    Mask where_with_next(Test test, std::index_sequence<I...>) const {
        return ((V::bits(test(part_[I], V::load(bytes_ + I * V::kWidth + 1))) << (I * V::kWidth)) |
                ...);
    }

    template <typename Test, std::size_t... I>
    bool any(Test test, std::index_sequence<I...>) const {
        Reg all = test(part_[0]);
        ((all = V::either(all, test(part_[I]))), ...);
        return V::any(all);
    }

    const char* bytes_;
    Reg part_[kParts];
};

// above < x < below, comparing bytes as signed numbers.
template <class V>
typename V::Reg between_signed(typename V::Reg x, unsigned char above, unsigned char below) {
    return V::both(V::greater(x, V::splat(above)), V::greater(V::splat(below), x));
}

// Where a block's characters start. Blocks follow each other at fixed 64-byte steps, so that
// the next block can be loaded before this one is worked out; a character may begin at byte 63
// and end in the next block, which then starts inside it.
template <class V>
struct Boundaries {
    Mask starts;       // bytes that start a character
    Mask lead_starts;  // lead bytes among them

    // inside: 1 if byte 0 is the second byte of a character that starts in the block before.
    Boundaries(const Block<V>& block, Mask inside) {
        const Mask leads = block.leads();
        starts = ~(second_bytes(leads & ~inside) | inside);
        lead_starts = leads & starts;
    }
};

inline Mask last_bit_if(bool condition) {
    return condition ? kLastBit : 0;
}

// Copies count bytes (at most 64) from `from` to `to`, and returns the end of the copy. It moves
// 64 bytes whatever the count: a fixed-size copy costs less than a branch that guesses wrong.
template <class V, std::size_t... I>
ZURVANE_INLINE char* copy_up_to_64(const char* from, std::size_t count, char* to,
                                   std::index_sequence<I...>) {
    (V::store(to + I * V::kWidth, V::load(from + I * V::kWidth)), ...);
    return to + count;
}

template <class V>
ZURVANE_INLINE char* copy_up_to_64(const char* from, std::size_t count, char* to) {
    return copy_up_to_64<V>(from, count, to, Parts<V>{});
}

// Copies the lowest run of set bits of keep from the block at `from`, clears it, and returns the
// end of the copy. Without a run it copies nothing, reading from byte 63.
template <class V>
ZURVANE_INLINE char* copy_lowest_run(const char* from, Mask& keep, char* to) {
    const unsigned start = trailing_zeros(keep | kLastBit);
    const unsigned length = trailing_zeros(~(keep >> start));
    keep &= keep + (keep & (0 - keep));
    return copy_up_to_64<V>(from + start, length, to);
}

// Copies the bytes of the block at `from` whose bits are set in keep; returns the end. Most
// blocks of Chinese prose hold two to four runs: the first three go without a branch, which
// would often guess their number wrong. Where V can shuffle bytes, a block of many short runs
// (English prose without its spaces) is packed eight bytes at a time instead.
template <class V>
ZURVANE_INLINE char* copy_kept(const char* from, Mask keep, char* to) {
    if constexpr (V::kCanPack) {
        if (ones(keep & ~(keep << 1)) > 4) return V::pack(from, keep, to);
    }
    to = copy_lowest_run<V>(from, keep, to);
    to = copy_lowest_run<V>(from, keep, to);
    to = copy_lowest_run<V>(from, keep, to);
    while (keep != 0) to = copy_lowest_run<V>(from, keep, to);
    return to;
}

// The line joiner on one block with spaces kept inside lines: what goes is the spaces at the
// start of a line, those before a line end, and the line ends. A run of spaces that reaches the
// end of the block is held back (state.pending_spaces) until a later block shows what follows.
struct KeepingSpaces {
    Mask drop;              // bytes of the block that go
    bool whole_block_held;  // the held run of spaces goes on through the whole block
    bool release;           // the held spaces stay: the caller appends them first
};

ZURVANE_INLINE KeepingSpaces join_keeping_spaces(std::size_t pos, Mask spaces, Mask line_ends,
                                                 Mask line_end_bytes, Mask starts_with_lf,
                                                 JoinState& state) {
    if (state.pending_spaces != JoinState::kNoSpaces) {
        const unsigned first_other = trailing_zeros(~spaces);
        if (first_other >= kKernelBlock) return {0, true, false};
        // Spaces followed by a line end go with it; followed by anything else, they stay.
        if (!((line_ends >> first_other) & 1)) return {0, false, true};
        state.pending_spaces = JoinState::kNoSpaces;
    }
    if (spaces == 0) {  // the usual block: nothing to trim
        state.at_line_start = ((line_ends << 1) & kLastBit) != 0;
        return {line_end_bytes, false, false};
    }
    const Mask line_starts =
        (line_ends << 2) | (state.at_line_start ? 1 : 0) | (starts_with_lf << 1);
    // Adding a run's first bit to the mask clears the run: so go the runs that start a line.
    const Mask leading = spaces & ~(spaces + (spaces & line_starts));
    Mask drop = leading | runs_ending_below(line_ends, spaces) | line_end_bytes;
    if ((spaces & ~leading) & kLastBit) {
        const Mask others = ~spaces;
        const unsigned run_start = others == 0 ? 0 : 64 - leading_zeros(others);
        drop |= ~Mask{0} << run_start;
        state.pending_spaces = pos + run_start;
        state.at_line_start = false;
    } else {
        state.at_line_start = ((leading | (line_ends << 1)) & kLastBit) != 0;
    }
    return {drop, false, false};
}

template <class V, bool kRemoveSpaces>
JoinStop join_kernel(std::string_view source, std::size_t end, JoinBlocks& blocks, char*& out) {
    using Reg = typename V::Reg;
    // Locals, not blocks' members, so that the compiler keeps them in registers: the byte
    // stores of the copies could otherwise change them for all it knows.
    JoinBlocks at = blocks;
    char* to = out;
    JoinStop stop = JoinStop::kAtEnd;
    for (; at.pos + kKernelReach <= end; at.pos += kKernelBlock) {
        const char* bytes = source.data() + at.pos;
        const Block<V> block(bytes);
        const Boundaries<V> bounds(block, at.carry_inside);
        // CR followed by LF, and 0x20 or A1 followed by A1, wherever they start a character.
        const Mask line_ends = bounds.starts & block.where_with_next([](Reg x, Reg after) {
            return V::both(V::equal(x, V::splat(gbk::kCr)), V::equal(after, V::splat(gbk::kLf)));
        });
        const Mask space_starts = bounds.starts & block.where_with_next([](Reg x, Reg after) {
            const Reg a1 = V::splat(gbk::kIdeographicSpaceByte);
            return V::either(V::equal(x, V::splat(gbk::kSpace)),
                             V::both(V::equal(x, a1), V::equal(after, a1)));
        });
        const Mask ideographic = space_starts & bounds.lead_starts;
        const Mask spaces = space_starts | (ideographic << 1) | at.carry_in_space;
        const Mask line_end_bytes = line_ends | (line_ends << 1) | at.carry_lf;
        Mask drop = spaces | line_end_bytes;
        if constexpr (!kRemoveSpaces) {
            const KeepingSpaces keeping = join_keeping_spaces(
                at.pos, spaces, line_ends, line_end_bytes, at.carry_lf, at.state);
            if (keeping.release) {
                stop = JoinStop::kRelease;
                break;
            }
            drop = keeping.drop;
            if (keeping.whole_block_held) drop = ~Mask{0};
        }
        at.carry_inside = bounds.lead_starts >> 63;
        at.carry_lf = line_ends >> 63;
        at.carry_in_space = ideographic >> 63;
        to = drop == 0 ? copy_up_to_64<V>(bytes, kKernelBlock, to) : copy_kept<V>(bytes, ~drop, to);
    }
    blocks = at;
    out = to;
    return stop;
}

// Copies the block from byte `from` on, applying change_at(at) (which gives the change) to each
// character start at a set bit of changes, lowest first. Returns the end of the output; `from`
// becomes where the next block begins copying: 1 if the last change took a byte of it.
template <class V, typename ChangeAt>
ZURVANE_INLINE char* copy_with_changes(const char* bytes, Mask changes, std::size_t& from, char* to,
                                       ChangeAt change_at) {
    while (changes != 0) {
        const std::size_t at = trailing_zeros(changes);
        changes &= changes - 1;
        to = copy_up_to_64<V>(bytes + from, at - from, to);
        const PunctuationChange change = change_at(at);
        std::memcpy(to, change.bytes, 2);
        to += change.written;
        from = at + change.consumed;
    }
    const std::size_t rest = from < kKernelBlock ? kKernelBlock - from : 0;
    to = copy_up_to_64<V>(bytes + from, rest, to);
    from = from + rest - kKernelBlock;
    return to;
}

// copy_with_changes where every change is an ASCII character that to_chinese_punctuation
// widens, which leaves less to work out for each.
template <class V>
ZURVANE_INLINE char* copy_with_widenings(const char* bytes, Mask widened, std::size_t& from,
                                         char* to) {
    while (widened != 0) {
        const std::size_t at = trailing_zeros(widened);
        widened &= widened - 1;
        to = copy_up_to_64<V>(bytes + from, at - from, to);
        std::memcpy(to, kChineseChanges[static_cast<unsigned char>(bytes[at])].bytes, 2);
        to += 2;
        from = at + 1;
    }
    const std::size_t rest = kKernelBlock - from;  // from is at most 64 here
    to = copy_up_to_64<V>(bytes + from, rest, to);
    from = 0;
    return to;
}

template <class V>
void chinese_kernel(std::string_view source, std::size_t end, PunctuationBlocks& blocks,
                    char*& out) {
    using Reg = typename V::Reg;
    PunctuationBlocks at = blocks;  // locals, in registers (see join_kernel)
    char* to = out;
    for (; at.pos + kKernelReach <= end; at.pos += kKernelBlock) {
        const char* bytes = source.data() + at.pos;
        const Block<V> block(bytes);
        const Boundaries<V> bounds(block, at.starts_inside ? 1 : 0);
        at.starts_inside = (bounds.lead_starts & kLastBit) != 0;
        // Printable ASCII is rare in Chinese prose: look for it before sorting it out.
        Mask widened = 0;
        if (block.any([](Reg x) { return between_signed<V>(x, 0x1F, 0x7F); })) {
            // ASCII 0x20-0x7E other than digits and letters become two bytes.
            widened = bounds.starts & block.where([](Reg x) {
                const Reg folded = V::either(x, V::splat(0x20));
                const Reg alnum = V::either(between_signed<V>(x, 0x2F, 0x3A),
                                            between_signed<V>(folded, 0x60, 0x7B));
                return V::but_not(alnum, between_signed<V>(x, 0x1F, 0x7F));
            });
        }
        if (widened == ~Mask{0} && at.from == 0) {  // 64 ASCII characters, all widened
            to = V::widen_ascii(bytes, to);
            continue;
        }
        Mask changes = widened;
        // The full-width digits and letters (second bytes B0-B9, C1-DA, E1-FA) become one.
        const Mask a3 = bounds.lead_starts & block.equal(0xA3);
        if (a3 != 0) {
            const Mask alnum_seconds = block.where([](Reg x) {
                const Reg folded = V::either(x, V::splat(0x20));
                return V::either(between_signed<V>(x, 0xAF, 0xBA),
                                 between_signed<V>(folded, 0xE0, 0xFB));
            });
            const auto next = static_cast<unsigned char>(bytes[kKernelBlock]);
            const bool next_is_alnum = kChineseChanges[256 + next].consumed != 0;
            changes |= a3 & ((alnum_seconds >> 1) | last_bit_if(next_is_alnum));
        }
        if (changes == 0 && at.from == 0) {
            to = copy_up_to_64<V>(bytes, kKernelBlock, to);
            continue;
        }
        if (changes == widened) {
            // Only ASCII to widen, as in English prose: each change takes one byte and writes two.
            to = copy_with_widenings<V>(bytes, widened, at.from, to);
            continue;
        }
        to = copy_with_changes<V>(bytes, changes, at.from, to, [&](std::size_t i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            return kChineseChanges[b < 0x80 ? b : 256 + second];
        });
    }
    blocks = at;
    out = to;
}

template <class V>
void english_kernel(std::string_view source, std::size_t end, PunctuationBlocks& blocks,
                    char*& out) {
    using Reg = typename V::Reg;
    PunctuationBlocks at = blocks;  // locals, in registers (see join_kernel)
    char* to = out;
    for (; at.pos + kKernelReach <= end; at.pos += kKernelBlock) {
        const char* bytes = source.data() + at.pos;
        const Block<V> block(bytes);
        const Boundaries<V> bounds(block, at.starts_inside ? 1 : 0);
        at.starts_inside = (bounds.lead_starts & kLastBit) != 0;
        // Every character that changes starts with A1 or A3.
        const Mask candidates = bounds.lead_starts & block.where([](Reg x) {
            return V::equal(V::either(x, V::splat(0x02)), V::splat(0xA3));
        });
        if (candidates == 0 && at.from == 0) {
            to = copy_up_to_64<V>(bytes, kKernelBlock, to);
            continue;
        }
        to = copy_with_changes<V>(bytes, candidates, at.from, to, [&](std::size_t i) {
            const auto lead = static_cast<unsigned char>(bytes[i]);
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            const unsigned char one = kEnglishForms[((lead & 0x02) << 7) | second];
            const bool changed = one != 0;
            return PunctuationChange{{static_cast<char>(one), 0},
                                     static_cast<std::uint8_t>(changed),
                                     static_cast<std::uint8_t>(changed ? 2 : 0)};
        });
    }
    blocks = at;
    out = to;
}

// The kernels for V, for block_kernels.h.
template <class V>
constexpr BlockKernels kernels_for() {
    return {&join_kernel<V, true>, &join_kernel<V, false>, &chinese_kernel<V>, &english_kernel<V>};
}

}  // namespace
}  // namespace zurvane::detail
