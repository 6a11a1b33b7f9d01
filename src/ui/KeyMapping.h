#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace zentile {

// A key code that matches no key the game knows and no symbol.
inline constexpr int32_t kUnknownKey = -1;

// The game's code of a released key: "0".."9" and "A".."Z" by their character whatever the
// case, the named keys of the game, and kUnknownKey for everything else. The keypad's digits
// are keys of their own and enter nothing.
int32_t GameKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace zentile
