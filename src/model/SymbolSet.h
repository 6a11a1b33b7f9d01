#pragma once

#include <array>

namespace zentile {

// The characters shown for the digits 0..9; index 0 is "?". The keyboard uses the same set
// in reverse: a key enters digit d when its code equals the character at index d.
using SymbolSet = std::array<char, 10>;

inline constexpr SymbolSet kClassicSymbols = {'?', '1', '2', '3', '4', '5', '6', '7', '8', '9'};

} // namespace zentile
