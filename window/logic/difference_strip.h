#pragma once
// The map of where two files differ as a box shows it: a strip a few pixels deep along one
// inner edge of the box, the bottom edge when the boxes are stacked and the right edge side by
// side, with the files' start at its left or top end. A mark for each pixel that any differing
// cell falls in, so that one differing byte still shows.

#include <vector>

#include "core/diff_where.h"

namespace duplexa {

enum class MapEdge { Bottom, Right };

// How deep the strip is, and the gap it keeps from the text, in the design's pixels.
inline constexpr int kMapStripDepth = 4;
inline constexpr int kMapStripGap = 1;

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(PixelRect, PixelRect) = default;
};

// The strip inside a box's inner rectangle, and what is left beside it for the text; in
// device pixels, depth and gap included.
PixelRect MapStrip(MapEdge edge, PixelRect inner, int depth);
PixelRect BesideMapStrip(MapEdge edge, PixelRect inner, int depth, int gap);

// The marked stretches of a strip length pixels long, [from, to), in order.
struct PixelStretch {
    int from = 0;
    int to = 0;
    friend bool operator==(PixelStretch, PixelStretch) = default;
};
std::vector<PixelStretch> MarkedStretches(const DiffCells& cells, int length);

// The marks along the strip inside inner, as rectangles to fill.
std::vector<PixelRect> MapMarks(MapEdge edge, PixelRect inner, int depth, const DiffCells& cells);

}  // namespace duplexa
