#pragma once

namespace zentile::ui_text {

// The window's own texts, shown to the player.
inline constexpr char kReady[] = "Ready";
inline constexpr char kLevelPrefix[] = "Level: ";
inline constexpr char kGameFormat[] = "Game: %1 "; // the game number, then one space
inline constexpr char kNoGameNumber[] = " ";
inline constexpr char kPause[] = "Pause";
inline constexpr char kPaused[] = "PAUSED";
inline constexpr char kNoTime[] = " "; // the time pane of an untimed game

// The texts the three status panes start with; each pane is as wide as its text.
inline constexpr char kLevelPaneSizing[] = "Level: Very Easy   ";
inline constexpr char kGamePaneSizing[] = "Game: 12345678";
inline constexpr char kTimePaneSizing[] = "               ";

} // namespace zentile::ui_text
