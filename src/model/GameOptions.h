#pragma once

namespace zentile {

// The options kept between runs, named after their settings keys. The sixth, GameLevel, is
// the session's `level` itself and lives there.
struct GameOptions {
    bool CheckGuess = true;          // mark misplaced entries
    bool HighlightSelection = false; // highlight the cells showing the selected digit
    bool DisplayMouse = false;       // only carried along between load and save
    bool TimedGame = true;           // show the time, pause on minimise, record results
    bool NumberGame = true;          // true: digits; false: the letter game

    bool operator==(const GameOptions&) const = default;
};

} // namespace zentile
