// A picture in memory: its size in device pixels and its pixels, 32-bit 0x00RRGGBB (blue in the
// lowest byte, the screen's own order), row by row. The platform decodes bitmap files into it and
// shows it; everything drawn is drawn into one (gfx/surface.h).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

struct Surface {
    int width = 0;   // device pixels (twice the logical size in the double-size mode)
    int height = 0;
    std::vector<uint32_t> pixels;  // row by row, width per row

    uint32_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
    const uint32_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};
using SurfacePtr = std::unique_ptr<Surface>;
