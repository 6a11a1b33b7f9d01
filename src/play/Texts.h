#pragma once

#include "model/Translatable.h"

#include <string_view>

namespace zentile {

// The play controller's own texts, shown to the player.
inline constexpr Text kNewGameQuestion =
    ZENTILE_TEXT("Messages", "Do you want to start a new game?");
inline constexpr Text kSolvedMessage =
    ZENTILE_TEXT("Messages", "You solved the puzzle. Congratulations!");
inline constexpr Text kNoEmptyTilesMessage =
    ZENTILE_TEXT("Messages", "There are no empty tiles on the grid.");
inline constexpr Text kHintErrorCaption = ZENTILE_TEXT("Messages", "Error");

} // namespace zentile
