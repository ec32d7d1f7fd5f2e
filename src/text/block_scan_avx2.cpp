// The block kernels on AVX2, for the processors that have it: twice the bytes per instruction.
// This file alone is compiled for AVX2, BMI1 and POPCNT, which every AVX2 processor also has
// (see CMakeLists.txt); block_scan.cpp calls it only after asking the processor for all three.
#include "text/block_kernels.h"

#if defined(__AVX2__) && defined(__BMI__) && defined(__POPCNT__)

#include <immintrin.h>

#include "text/block_loops.h"
#include "text/sse2_widen.h"

namespace zurvane::detail {
namespace {

// kPackShuffles[k]: the shuffle that moves the bytes of 8 whose bits are set in k to the front.
constexpr auto kPackShuffles = [] {
    std::array<std::array<char, 8>, 256> shuffles{};
    for (int k = 0; k < 256; ++k) {
        int next = 0;
        for (int i = 0; i < 8; ++i) {
            if ((k >> i) & 1) shuffles[k][next++] = static_cast<char>(i);
        }
        for (; next < 8; ++next) shuffles[k][next] = static_cast<char>(0x80);
    }
    return shuffles;
}();

struct Avx2 {
    using Reg = __m256i;
    static constexpr std::size_t kWidth = 32;

    static Reg load(const char* p) { return _mm256_loadu_si256(reinterpret_cast<const Reg*>(p)); }
    static void store(char* p, Reg x) { _mm256_storeu_si256(reinterpret_cast<Reg*>(p), x); }
    static Reg splat(unsigned char b) { return _mm256_set1_epi8(static_cast<char>(b)); }
    static Reg equal(Reg a, Reg b) { return _mm256_cmpeq_epi8(a, b); }
    static Reg greater(Reg a, Reg b) { return _mm256_cmpgt_epi8(a, b); }  // as signed bytes
    static Reg both(Reg a, Reg b) { return _mm256_and_si256(a, b); }
    static Reg either(Reg a, Reg b) { return _mm256_or_si256(a, b); }
    static Reg but_not(Reg excluded, Reg b) { return _mm256_andnot_si256(excluded, b); }
    // The top bit of each byte.
    static Mask bits(Reg x) { return static_cast<std::uint32_t>(_mm256_movemask_epi8(x)); }
    static bool any(Reg x) { return _mm256_movemask_epi8(x) != 0; }

    // Writes the bytes of the 64 at `from` whose bits are set in keep, eight bytes at a time
    // with a byte shuffle, and returns the end.
    static constexpr bool kCanPack = true;
    static char* pack(const char* from, Mask keep, char* to) {
        for (int group = 0; group < 64; group += 8) {
            const auto bits = static_cast<unsigned>(keep >> group) & 0xFFu;
            const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from + group));
            const __m128i shuffle =
                _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kPackShuffles[bits].data()));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(to), _mm_shuffle_epi8(bytes, shuffle));
            to += ones(bits);
        }
        return to;
    }

    static char* widen_ascii(const char* from, char* to) { return widen_64_ascii(from, to); }
};

constexpr BlockKernels kAvx2Kernels = kernels_for<Avx2>();

}  // namespace

const BlockKernels* avx2_kernels() {
    return &kAvx2Kernels;
}

}  // namespace zurvane::detail

#else

namespace zurvane::detail {
const BlockKernels* avx2_kernels() {
    return nullptr;
}
}  // namespace zurvane::detail

#endif
