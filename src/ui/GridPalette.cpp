#include "ui/GridPalette.h"

namespace zentile {

const GridPalette& ThePalette() {
    static const GridPalette palette;
    return palette;
}

} // namespace zentile
