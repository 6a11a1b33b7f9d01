#pragma once

#include <cstdint>
#include <optional>

namespace zentile {

struct CellPosition {
    int32_t column = 0;
    int32_t row = 0;
    bool operator==(const CellPosition&) const = default;
};

// The pixel geometry of the grid as last painted; all zero before the first paint, when
// nothing is inside the grid.
struct GridLayout {
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    int32_t gridLeft = 0;
    int32_t gridTop = 0;

    // The cell under a point in view pixels, or nothing outside the grid (its right and
    // bottom border lines included).
    std::optional<CellPosition> HitTest(int32_t x, int32_t y) const;
};

} // namespace zentile
