// Inside the graphics code only: the pixel loops of one destination row that the copies and the
// blend blit share, and the walk over the drawn rows of a stretch plan.
//
// Each loop is written so that the compiler can do several pixels at a time (a kept pixel is
// chosen by a select rather than a skipped store); the keyed rows are unrolled, since a sprite row
// is only a few registers long and the loop's own bookkeeping would otherwise weigh as much. The constant-opacity mix also has an SSE2 form
// on x86-64, beside the portable one; both give exactly the same pixels as OpacityMix.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/surface.h"
#include "gfx/surface_internal.h"

#if defined(__SSE2__) && (defined(__x86_64__) || defined(_M_X64))
#define YOMOGI_BLIT_SSE2 1
#include <emmintrin.h>
#endif

// out[i] takes in[i] unless it is the key; the pixels are compared whole.
inline void keyedRow(uint32_t* __restrict out, const uint32_t* __restrict in, int n,
                     uint32_t keyPixel) {
#pragma GCC unroll 4
    for (int i = 0; i < n; ++i) {
        const uint32_t s = in[i];
        out[i] = s == keyPixel ? out[i] : s;
    }
}

// out[i] takes the colour of in[i] (its fourth byte cleared) unless that colour is the key.
inline void keyedColourRow(uint32_t* __restrict out, const uint32_t* __restrict in, int n,
                           uint32_t key) {
#pragma GCC unroll 4
    for (int i = 0; i < n; ++i) {
        const uint32_t s = in[i] & 0xFFFFFFu;
        out[i] = s == key ? out[i] : s;
    }
}

// out[i] takes the colour of in[i], its fourth byte cleared.
inline void colourRow(uint32_t* __restrict out, const uint32_t* __restrict in, int n) {
    for (int i = 0; i < n; ++i) out[i] = in[i] & 0xFFFFFFu;
}

// The additive mix: every byte of the pixel, the fourth included, becomes min(255, s + d). The
// light's rule is written on whole words, carry = ((s & d) + (((s ^ d) >> 1) & 0x7F7F7F7F)) &
// 0x80808080, mask = (carry << 1) - (carry >> 7), ((s + d) - mask) | mask; that gives exactly
// these bytes, and byte by byte the compiler uses the processor's own saturating add.
inline void additiveRow(uint32_t* __restrict out, const uint32_t* __restrict in, int n) {
    const auto* s = reinterpret_cast<const uint8_t*>(in);
    auto* d = reinterpret_cast<uint8_t*>(out);
    for (int i = 0; i < 4 * n; ++i) {
        const unsigned sum = unsigned{s[i]} + d[i];
        d[i] = static_cast<uint8_t>(sum > 255 ? 255 : sum);
    }
}

// The constant-opacity mix of a row, byte by byte: every channel x = s * a + d * (255 - a) is at
// most 255 * 255, so it fits a 16-bit lane, and x / 255 by a constant is an exact multiply and
// shift the compiler can widen. The fourth byte is mixed too and then cleared.
inline void opacityRowPortable(uint32_t* __restrict out, const uint32_t* __restrict in, int n,
                               int opacity) {
    const uint16_t a = static_cast<uint16_t>(opacity), b = static_cast<uint16_t>(255 - opacity);
    const auto* s = reinterpret_cast<const uint8_t*>(in);
    auto* d = reinterpret_cast<uint8_t*>(out);
    for (int i = 0; i < 4 * n; ++i) {
        const uint16_t x = static_cast<uint16_t>(s[i] * a + d[i] * b);
        d[i] = static_cast<uint8_t>(x / 255);
    }
    for (int i = 0; i < n; ++i) out[i] &= 0xFFFFFFu;
}

#ifdef YOMOGI_BLIT_SSE2
// The same mix four pixels at a time, two pixels per register of eight 16-bit lanes. floor(x /
// 255) is (x * 0x8081) >> 23 for every x below 65536: the high half of the 16-bit product,
// shifted by 7. The pixels left over at the end of the row take the portable form.
inline void opacityRowSse2(uint32_t* __restrict out, const uint32_t* __restrict in, int n,
                           int opacity) {
    const __m128i a = _mm_set1_epi16(static_cast<int16_t>(opacity));
    const __m128i b = _mm_set1_epi16(static_cast<int16_t>(255 - opacity));
    const __m128i reciprocal = _mm_set1_epi16(static_cast<int16_t>(0x8081));
    const __m128i colour = _mm_set1_epi32(0xFFFFFF);
    const __m128i zero = _mm_setzero_si128();
    auto mix = [&](__m128i s, __m128i d) {
        const __m128i x = _mm_add_epi16(_mm_mullo_epi16(s, a), _mm_mullo_epi16(d, b));
        return _mm_srli_epi16(_mm_mulhi_epu16(x, reciprocal), 7);
    };
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i));
        const __m128i low = mix(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero));
        const __m128i high = mix(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_and_si128(_mm_packus_epi16(low, high), colour));
    }
    opacityRowPortable(out + i, in + i, n - i, opacity);
}
#endif

// out[i] = OpacityMix(opacity)(in[i], out[i]) for the whole row; opacity 0..255.
inline void opacityRow(uint32_t* __restrict out, const uint32_t* __restrict in, int n,
                       int opacity) {
#ifdef YOMOGI_BLIT_SSE2
    opacityRowSse2(out, in, n, opacity);
#else
    opacityRowPortable(out, in, n, opacity);
#endif
}

// One stretched source row, kept while the plan repeats it; the game draws from one thread.
inline std::vector<uint32_t>& sampledRowBuffer() {
    static std::vector<uint32_t> row;
    return row;
}

// Calls rowStep(out, in) for every drawn row of the plan, with `out` at the first drawn
// destination pixel and `in` holding the row's samples in destination order: the source row
// itself when the columns are not stretched, else the row sampled through the column map once
// for every run of destination rows that repeat it (a widened backdrop repeats each row).
template <typename RowStep>
void forEachPlannedRow(Surface* dst, const Surface* src, const StretchPlan& plan,
                       RowStep rowStep) {
    if (plan.unscaledX) {
        for (int j = 0; j < plan.rows; ++j) {
            rowStep(dst->row(plan.dstY + j) + plan.dstX, src->row(plan.sourceRow(j)) + plan.srcX);
        }
        return;
    }
    std::vector<uint32_t>& sampled = sampledRowBuffer();
    if (sampled.size() < static_cast<size_t>(plan.cols)) sampled.resize(plan.cols);
    int sampledRow = -1;
    for (int j = 0; j < plan.rows; ++j) {
        const int v = plan.sourceRow(j);
        if (v != sampledRow) {
            sampledRow = v;
            const uint32_t* in = src->row(v);
            for (int i = 0; i < plan.cols; ++i) sampled[i] = in[plan.colMap[i]];
        }
        rowStep(dst->row(plan.dstY + j) + plan.dstX, sampled.data());
    }
}
