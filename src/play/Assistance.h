#pragma once

#include <cstdint>

namespace zentile {

struct Game;
class Host;
struct CoreHooks;

// Help at a price: hints, Solve, and the display switches.
class Assistance {
public:
    Assistance(Game& game, Host& host, CoreHooks& hooks) : game(game), host(host), hooks(hooks) {}

    // Shows the solution of one empty cell, found from a random start, for 2.5 seconds.
    void Hint();
    // A hint timer has expired.
    void OnHintTimer(int32_t id);
    // Shows the whole solution and ends the game without a result.
    void Solve();
    void ToggleShowMisplaced();
    void ToggleHighlightSelection();
    void ToggleHidePencilMarks();
    void ToggleRevealSolutions();

private:
    Game& game;
    Host& host;
    CoreHooks& hooks;
};

} // namespace zentile
