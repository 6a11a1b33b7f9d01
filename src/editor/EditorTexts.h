#pragma once

#include "model/Translatable.h"

#include <string_view>

namespace zentile {

// The puzzle editor's own texts, shown to the player.
inline constexpr std::string_view kCreateGameQuestion =
    ZENTILE_TEXT("Messages", "Do you want to exit the current game and create your own puzzle?");
inline constexpr std::string_view kNoSolutionMessage =
    ZENTILE_TEXT("Messages", "The puzzle does not have a solution");
inline constexpr std::string_view kMultipleSolutionsMessage =
    ZENTILE_TEXT("Messages", "The puzzle has multiple solutions");
inline constexpr std::string_view kUniqueSolutionQuestion =
    ZENTILE_TEXT("Messages", "The puzzle has a unique solution. Do you want to play it?");
inline constexpr std::string_view kCancelEditQuestion =
    ZENTILE_TEXT("Messages", "Are you sure you want to exit the edit mode?");
// The clock pane while editing, and after leaving the editor.
inline constexpr std::string_view kCreatingClockText = ZENTILE_TEXT("Window", "Creating..");
inline constexpr std::string_view kAfterEditingClockText = "  ";

} // namespace zentile
