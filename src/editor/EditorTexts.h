#pragma once

#include "model/Translatable.h"

#include <string_view>

namespace zentile {

// The puzzle editor's own texts, shown to the player.
inline constexpr Text kCreateGameQuestion =
    ZENTILE_TEXT("Messages", "Do you want to exit the current game and create your own puzzle?");
inline constexpr Text kNoSolutionMessage =
    ZENTILE_TEXT("Messages", "The puzzle does not have a solution");
inline constexpr Text kMultipleSolutionsMessage =
    ZENTILE_TEXT("Messages", "The puzzle has multiple solutions");
inline constexpr Text kUniqueSolutionQuestion =
    ZENTILE_TEXT("Messages", "The puzzle has a unique solution. Do you want to play it?");
inline constexpr Text kCancelEditQuestion =
    ZENTILE_TEXT("Messages", "Are you sure you want to exit the edit mode?");

} // namespace zentile
