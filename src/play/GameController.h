#pragma once

#include "play/Assistance.h"
#include "play/CommandDispatcher.h"
#include "play/Input.h"
#include "play/SessionCommands.h"
#include "play/UndoAndBranches.h"

#include <cstdint>
#include <functional>

namespace zentile {

struct Game;
struct GameResult;
class Host;

// What the application wires up to the rest of the program.
struct CoreHooks {
    // A solved, timed game of a database level, for the best results.
    std::function<void(const GameResult&)> gameResult;
    // An option changed by a command; the options are to be saved.
    std::function<void()> saveOptions;
};

// The game view's handlers, grouped, around one Game and one Host. The window passes input,
// commands, timers and the posted "puzzle solved" message in here and paints from the Game.
class GameController {
public:
    GameController(Game& game, Host& host);
    GameController(const GameController&) = delete;
    GameController& operator=(const GameController&) = delete;

    // A timer of the host has expired (the hint timers; other identifiers are ignored).
    void OnTimer(int32_t id);
    // The posted "puzzle solved" message is delivered.
    void OnPuzzleSolved() { session.OnPuzzleSolved(); }

    Game& game;
    Host& host;
    CoreHooks hooks;
    SessionCommands session;
    UndoAndBranches undo;
    Assistance assistance;
    Input input;
    CommandDispatcher commands;
};

} // namespace zentile
