// The blend blit: a source rectangle stretched onto a destination rectangle and mixed with it.
// Three kinds of mix, chosen by the key: a colour-keyed percentage mix (sprites, translucent
// panels and text), a constant opacity (key -1, whole-screen fades) and a saturating additive
// mix (key -2, light).
//
// The mixing works directly on the destination rows; pixels whose stretched sample falls outside
// the source, or which lie outside the destination, are left as they are.
#include <algorithm>

#include "gfx/blit_rows.h"
#include "gfx/surface.h"
#include "gfx/surface_internal.h"

namespace {

// The colour-keyed mix: every channel becomes trunc(s * p + d * q) with p = percent / 100 and
// q = 1 - p held in single precision. Each product is rounded to single precision before the
// sum, so the products can be looked up from a table of the 256 channel values.
struct PercentMix {
    float source[256];
    float destination[256];
    explicit PercentMix(int percent) {
        const float p = static_cast<float>(percent) / 100.0f;
        const float q = 1.0f - p;
        for (int v = 0; v < 256; ++v) {
            source[v] = static_cast<float>(v) * p;
            destination[v] = static_cast<float>(v) * q;
        }
    }
    uint32_t channel(uint32_t s, uint32_t d) const {
        return static_cast<uint32_t>(source[s] + destination[d]);  // truncation toward zero
    }
    uint32_t operator()(uint32_t s, uint32_t d) const {
        return (channel((s >> 16) & 0xFF, (d >> 16) & 0xFF) << 16) |
               (channel((s >> 8) & 0xFF, (d >> 8) & 0xFF) << 8) | channel(s & 0xFF, d & 0xFF);
    }
};

// Runs `mix(source, destination) -> new destination` over every drawn pixel of the plan.
template <typename Mix>
void mixRows(Surface* dst, const Surface* src, const StretchPlan& plan, Mix mix) {
    forEachPlannedRow(dst, src, plan, [&plan, &mix](uint32_t* out, const uint32_t* in) {
        for (int i = 0; i < plan.cols; ++i) out[i] = mix(in[i], out[i]);
    });
}

}  // namespace

void blendBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy, int sw,
               int sh, int16_t percent, uint32_t key) {
    const int amount = std::clamp<int>(percent, 0, 100);
    const int64_t k = displayScale();

    if (key == kKeyConstantOpacity) {
        alphaBlit(dst, static_cast<int>(x * k), static_cast<int>(y * k), static_cast<int>(w * k),
                  static_cast<int>(h * k), src, static_cast<int>(sx * k), static_cast<int>(sy * k),
                  static_cast<int>(sw * k), static_cast<int>(sh * k), amount * 255 / 100);
        return;
    }
    if (key > 0xFFFFFF && key != kKeyAdditive) return;  // no such mix: nothing is drawn
    if (key <= 0xFFFFFF && amount == 0) return;  // trunc(d * 1 + s * 0) keeps every pixel

    Surface holder;
    src = distinctSource(src, dst, holder);
    StretchPlan plan;
    if (!planStretch(plan, dst, x * k, y * k, w * k, h * k, src, sx * k, sy * k, sw * k, sh * k)) {
        return;
    }

    if (key == kKeyAdditive) {
        forEachPlannedRow(dst, src, plan, [&plan](uint32_t* out, const uint32_t* in) {
            additiveRow(out, in, plan.cols);
        });
        return;
    }

    // The key is compared with the pixel as it lies in memory (red in bits 16-23), not converted
    // from a colour reference; the keys the pictures use (magenta, white, black) read the same
    // either way.
    if (amount == 100) {
        // trunc(s * 1 + d * 0) is s: a keyed copy of the colours.
        forEachPlannedRow(dst, src, plan, [&plan, key](uint32_t* out, const uint32_t* in) {
            keyedColourRow(out, in, plan.cols, key);
        });
        return;
    }
    const PercentMix mix(amount);
    mixRows(dst, src, plan, [key, &mix](uint32_t s, uint32_t d) {
        return (s & 0xFFFFFF) == key ? d : mix(s, d);
    });
}
