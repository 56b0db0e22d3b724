#include "window/logic/difference_strip.h"

#include <algorithm>
#include <cstdint>

namespace duplexa {

PixelRect MapStrip(MapEdge edge, PixelRect inner, int depth) {
    if (edge == MapEdge::Bottom) {
        const int height = std::min(depth, inner.height);
        return {inner.left, inner.top + inner.height - height, inner.width, height};
    }
    const int width = std::min(depth, inner.width);
    return {inner.left + inner.width - width, inner.top, width, inner.height};
}

PixelRect BesideMapStrip(MapEdge edge, PixelRect inner, int depth, int gap) {
    const int taken = depth + gap;
    if (edge == MapEdge::Bottom) {
        return {inner.left, inner.top, inner.width, std::max(0, inner.height - taken)};
    }
    return {inner.left, inner.top, std::max(0, inner.width - taken), inner.height};
}

// Cell c covers [c, c + 1) / kMapCells of the strip; every pixel it touches is marked.
std::vector<PixelStretch> MarkedStretches(const DiffCells& cells, int length) {
    std::vector<PixelStretch> stretches;
    if (length <= 0) {
        return stretches;
    }
    constexpr auto kCells = static_cast<std::int64_t>(kMapCells);
    for (std::size_t cell = 0; cell < kMapCells; ++cell) {
        if (!cells.test(cell)) {
            continue;
        }
        const auto c = static_cast<std::int64_t>(cell);
        const auto from = static_cast<int>(c * length / kCells);
        const auto to = static_cast<int>(((c + 1) * length + kCells - 1) / kCells);
        if (!stretches.empty() && stretches.back().to >= from) {
            stretches.back().to = std::max(stretches.back().to, to);
        } else {
            stretches.push_back({from, to});
        }
    }
    return stretches;
}

std::vector<PixelRect> MapMarks(MapEdge edge, PixelRect inner, int depth, const DiffCells& cells) {
    const PixelRect strip = MapStrip(edge, inner, depth);
    const bool along = edge == MapEdge::Bottom;
    std::vector<PixelRect> marks;
    for (const PixelStretch& s : MarkedStretches(cells, along ? strip.width : strip.height)) {
        marks.push_back(
            along ? PixelRect{strip.left + s.from, strip.top, s.to - s.from, strip.height}
                  : PixelRect{strip.left, strip.top + s.from, strip.width, s.to - s.from});
    }
    return marks;
}

}  // namespace duplexa
