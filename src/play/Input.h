#pragma once

#include "play/CommandIds.h"

#include <cstdint>

namespace zentile {

struct Game;
class Host;
struct Cell;

// Mouse, keyboard and digit buttons. The player selects a digit (toolbar or by clicking a
// filled cell) and puts it into cells; in the editor the same gestures place clues.
class Input {
public:
    Input(Game& game, Host& host) : game(game), host(host) {}

    // Mouse presses at view pixels; a point outside the grid is ignored.
    void LeftButtonDown(int32_t x, int32_t y);
    void RightButtonDown(int32_t x, int32_t y);
    // A key released in the game view (KeyCodes.h). A release while Ctrl is held belongs to a
    // key combination and enters nothing.
    void KeyReleased(int32_t keyCode, bool ctrlHeld);
    // The toolbar's eraser and nine digit buttons.
    void DigitButton(CommandId id);

private:
    void Enter(Cell& cell, int32_t d);
    bool ResumeIfPaused();

    Game& game;
    Host& host;
};

} // namespace zentile
