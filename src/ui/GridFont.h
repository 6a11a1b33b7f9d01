#pragma once

#include <QFont>

namespace zentile {

// The grid's "Arial" with a character cell (ascent plus descent) of the given height in pixels.
// The game view's symbols and the printed pages both name their fonts by that height.
QFont GridFont(int characterCellHeight);

} // namespace zentile
