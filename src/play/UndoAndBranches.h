#pragma once

namespace zentile {

struct Game;
class Host;

// Undo, and the branches of guesses that are later accepted or rejected.
class UndoAndBranches {
public:
    UndoAndBranches(Game& game, Host& host) : game(game), host(host) {}

    void Undo();
    void StartBranch();
    void AcceptBranch();
    void RejectBranch();

private:
    void EndBranch(bool accept);

    Game& game;
    Host& host;
};

} // namespace zentile
