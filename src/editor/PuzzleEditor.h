#pragma once

namespace zentile {

struct Game;
class Host;
class CSudokuSolver;

// The player's own puzzle: Create Game empties the board for typing clues, Save and Play
// has the solver check that they allow exactly one solution and plays them as level 5,
// Cancel Edit Mode leaves the editor for an empty board.
class PuzzleEditor {
public:
    PuzzleEditor(Game& game, Host& host, CSudokuSolver& solver)
        : game(game), host(host), solver(solver) {}

    void CreateGame();
    void SaveAndPlay();
    void CancelEditMode();

private:
    Game& game;
    Host& host;
    CSudokuSolver& solver;
};

// Every way into the editor (Create Game, a saved puzzle still being typed) ends here: no
// hint or play record of the board before, an empty grid, level 5, game number 0, and the
// classic game's digits, in which clues are typed. The caller repaints.
void StartEditing(Game& game, Host& host);

} // namespace zentile
