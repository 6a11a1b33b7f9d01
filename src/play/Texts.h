#pragma once

#include <string_view>

namespace zentile {

// The play controller's own texts, shown to the player.
inline constexpr std::string_view kNewGameQuestion = "Do you want to start a new game?";
inline constexpr std::string_view kSolvedMessage = "You solved the puzzle. Congratulations!";
inline constexpr std::string_view kNoEmptyTilesMessage = "There are no empty tiles on the grid.";
inline constexpr std::string_view kHintErrorCaption = "Error";

} // namespace zentile
