#pragma once

#include "play/CommandIds.h"
#include "play/KeyCodes.h"

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
    // A key released in the game view (KeyCodes.h). With Ctrl held a symbol key toggles its
    // pencil mark instead of entering it, unless Ctrl with it is a command's key (Undo).
    void KeyReleased(int32_t keyCode, KeyModifiers held = {});
    // The view got the keyboard focus: the cursor shows where it was, or at the top left.
    void FocusIn();
    // The toolbar's eraser and nine digit buttons.
    void DigitButton(CommandId id);

private:
    void Enter(Cell& cell, int32_t d);
    bool ResumeIfPaused();

    Game& game;
    Host& host;
};

} // namespace zentile
