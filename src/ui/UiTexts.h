#pragma once

#include "ui/QtText.h"

namespace zentile::ui_text {

// The window's own texts.
inline constexpr Text kReady = ZENTILE_TEXT("Window", "Ready");
// The level's name.
inline constexpr Text kLevelFormat = ZENTILE_TEXT("Window", "Level: %1");
// The game number.
inline constexpr Text kGameFormat = ZENTILE_TEXT("Window", "Game: %1");
inline constexpr char kNoGameNumber[] = " ";
inline constexpr Text kPause = ZENTILE_TEXT("Window", "Pause");
inline constexpr Text kCreating = ZENTILE_TEXT("Window", "Creating..");
inline constexpr Text kPaused = ZENTILE_TEXT("Window", "PAUSED");
inline constexpr char kNoTime[] = " "; // the time pane of an untimed game
// The time pane's name for a screen reader, without and with what it shows.
inline constexpr Text kTimePaneName = ZENTILE_TEXT("Window", "Time");
inline constexpr Text kTimePaneValue = ZENTILE_TEXT("Window", "Time: %1");
// The name a screen reader gives a toolbar symbol button, with its symbol.
inline constexpr Text kSelectSymbol = ZENTILE_TEXT("Window", "Select %1");

// The level, game and time panes start with these and are as wide as them: the level pane's
// prefix and first level name followed by these blanks, the game format with this number.
inline constexpr char kLevelPaneBlanks[] = "   ";
inline constexpr char kGamePaneNumber[] = "12345678";
inline constexpr char kTimePaneSizing[] = "               ";

} // namespace zentile::ui_text
