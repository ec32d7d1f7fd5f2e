// The block kernels on SSE2, which every x86-64 processor has.
#include "text/block_kernels.h"

#if defined(__SSE2__)

#include <emmintrin.h>

#include "text/block_loops.h"
#include "text/sse2_widen.h"

namespace zurvane::detail {
namespace {

struct Sse2 {
    using Reg = __m128i;
    static constexpr std::size_t kWidth = 16;

    static Reg load(const char* p) { return _mm_loadu_si128(reinterpret_cast<const Reg*>(p)); }
    static void store(char* p, Reg x) { _mm_storeu_si128(reinterpret_cast<Reg*>(p), x); }
    static Reg splat(unsigned char b) { return _mm_set1_epi8(static_cast<char>(b)); }
    static Reg equal(Reg a, Reg b) { return _mm_cmpeq_epi8(a, b); }
    static Reg greater(Reg a, Reg b) { return _mm_cmpgt_epi8(a, b); }  // as signed bytes
    static Reg both(Reg a, Reg b) { return _mm_and_si128(a, b); }
    static Reg either(Reg a, Reg b) { return _mm_or_si128(a, b); }
    static Reg but_not(Reg excluded, Reg b) { return _mm_andnot_si128(excluded, b); }
    // The top bit of each byte.
    static Mask bits(Reg x) { return static_cast<std::uint32_t>(_mm_movemask_epi8(x)) & 0xFFFFu; }
    static bool any(Reg x) { return _mm_movemask_epi8(x) != 0; }

    static constexpr bool kCanPack = false;  // no byte shuffle in SSE2
    static char* pack(const char*, Mask, char* to) { return to; }
    static char* widen_ascii(const char* from, char* to) { return widen_64_ascii(from, to); }
};

constexpr BlockKernels kSse2Kernels = kernels_for<Sse2>();

}  // namespace

const BlockKernels* sse2_kernels() {
    return &kSse2Kernels;
}

}  // namespace zurvane::detail

#else

namespace zurvane::detail {
const BlockKernels* sse2_kernels() {
    return nullptr;
}
}  // namespace zurvane::detail

#endif
