#include "model/GridLayout.h"

#include "model/Grid.h"

namespace zentile {

std::optional<CellPosition> GridLayout::HitTest(int32_t x, int32_t y) const {
    if (cellWidth <= 0 || cellHeight <= 0) return std::nullopt;
    if (x < gridLeft || x >= gridLeft + Grid::columnCount * cellWidth) return std::nullopt;
    if (y < gridTop || y >= gridTop + Grid::rowCount * cellHeight) return std::nullopt;
    return CellPosition{(x - gridLeft) / cellWidth, (y - gridTop) / cellHeight};
}

} // namespace zentile
