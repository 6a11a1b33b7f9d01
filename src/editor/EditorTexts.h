#pragma once

#include <string_view>

namespace zentile {

// The puzzle editor's own texts, shown to the player.
inline constexpr std::string_view kCreateGameQuestion =
    "Do you want to exit the current game and create your own puzzle?";
inline constexpr std::string_view kNoSolutionMessage = "The puzzle does not have a solution";
inline constexpr std::string_view kMultipleSolutionsMessage = "The puzzle has multiple solutions";
inline constexpr std::string_view kUniqueSolutionQuestion =
    "The puzzle has a unique solution. Do you want to play it?";
inline constexpr std::string_view kCancelEditQuestion =
    "Are you sure you want to exit the edit mode?";
// The clock pane while editing, and after leaving the editor.
inline constexpr std::string_view kCreatingClockText = "Creating..";
inline constexpr std::string_view kAfterEditingClockText = "  ";

} // namespace zentile
