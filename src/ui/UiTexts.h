#pragma once

#include "ui/QtText.h"

#include <QtGlobal>

namespace zentile::ui_text {

// The window's own texts, shown to the player through Translate("Window", ...).
inline constexpr char kReady[] = QT_TRANSLATE_NOOP("Window", "Ready");
inline constexpr char kLevelPrefix[] = QT_TRANSLATE_NOOP("Window", "Level: ");
// The game number, then one space.
inline constexpr char kGameFormat[] = QT_TRANSLATE_NOOP("Window", "Game: %1 ");
inline constexpr char kNoGameNumber[] = " ";
inline constexpr char kPause[] = QT_TRANSLATE_NOOP("Window", "Pause");
inline constexpr char kPaused[] = QT_TRANSLATE_NOOP("Window", "PAUSED");
inline constexpr char kNoTime[] = " "; // the time pane of an untimed game
inline constexpr char kTimePaneName[] = QT_TRANSLATE_NOOP("Window", "Time");
// The name a screen reader gives a toolbar symbol button, with its symbol.
inline constexpr char kSelectSymbol[] = QT_TRANSLATE_NOOP("Window", "Select %1");

// The level, game and time panes start with these and are as wide as them: the level pane's
// prefix and first level name followed by these blanks, the game format with this number.
inline constexpr char kLevelPaneBlanks[] = "   ";
inline constexpr char kGamePaneNumber[] = "12345678";
inline constexpr char kTimePaneSizing[] = "               ";

// A window text in the player's language.
inline QString Text(const char* english) {
    return Translate(text_context::kWindow, english);
}

} // namespace zentile::ui_text
