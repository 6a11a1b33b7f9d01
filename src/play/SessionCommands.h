#pragma once

#include <cstdint>

namespace zentile {

struct Game;
class Host;
struct CoreHooks;

// Starting and ending games: New, and the "puzzle solved" message.
class SessionCommands {
public:
    SessionCommands(Game& game, Host& host, CoreHooks& hooks)
        : game(game), host(host), hooks(hooks) {}

    // Asks before replacing a game on the board, then starts a random game number.
    void New();
    // Pauses a running game or lets a paused one continue, whether timed or not.
    void PauseOrContinue();
    // The grid is complete: a timed database game goes to the best results, the clock stops
    // at the final time and the player is congratulated.
    void OnPuzzleSolved();

private:
    Game& game;
    Host& host;
    CoreHooks& hooks;
};

} // namespace zentile
