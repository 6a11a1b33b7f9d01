#include "model/Grid.h"

namespace zentile {

Grid::Grid() {
    ResetAll();
}

void Grid::ResetAll() {
    for (int32_t column = 0; column < columnCount; ++column)
        for (int32_t row = 0; row < rowCount; ++row) At(column, row).Reset(column, row);
}

} // namespace zentile
