// The full-width forms that to_chinese_punctuation gives ASCII characters, 16 at a time with
// SSE2, for the block kernels of every x86 instruction set.
#pragma once

#include <emmintrin.h>

namespace zurvane::detail {
namespace {

// The two bytes of the full-width form of each of the 16 ASCII bytes x (meaningful where
// to_chinese_punctuation widens it): A3 and (the byte + 0x80), except A1 A1 for " ", A1 A3 for
// "." and A1 AB for "~".
struct FullWidthBytes {
    __m128i first;
    __m128i second;

    explicit FullWidthBytes(__m128i x) {
        const __m128i is_space = _mm_cmpeq_epi8(x, _mm_set1_epi8(' '));
        const __m128i is_stop = _mm_cmpeq_epi8(x, _mm_set1_epi8('.'));
        const __m128i is_tilde = _mm_cmpeq_epi8(x, _mm_set1_epi8('~'));
        const __m128i special = _mm_or_si128(_mm_or_si128(is_space, is_stop), is_tilde);
        // A3 ^ 02 is A1.
        first = _mm_xor_si128(_mm_set1_epi8('\xA3'), _mm_and_si128(special, _mm_set1_epi8(0x02)));
        const __m128i shifted = _mm_xor_si128(x, _mm_set1_epi8('\x80'));
        second = _mm_or_si128(
            _mm_andnot_si128(special, shifted),
            _mm_or_si128(_mm_and_si128(is_space, _mm_set1_epi8('\xA1')),
                         _mm_or_si128(_mm_and_si128(is_stop, _mm_set1_epi8('\xA3')),
                                      _mm_and_si128(is_tilde, _mm_set1_epi8('\xAB')))));
    }
};

// Writes the 128 bytes for 64 ASCII characters at `from` that are all widened. Returns the end.
inline char* widen_64_ascii(const char* from, char* to) {
    for (int i = 0; i < 64; i += 16) {
        const FullWidthBytes wide(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 2 * i),
                         _mm_unpacklo_epi8(wide.first, wide.second));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 2 * i + 16),
                         _mm_unpackhi_epi8(wide.first, wide.second));
    }
    return to + 128;
}

}  // namespace
}  // namespace zurvane::detail
