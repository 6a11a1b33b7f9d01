#pragma once

#include "model/Game.h"
#include "play/GameController.h"
#include "support/FakeHost.h"

#include <cstdint>
#include <vector>

namespace zentile::test {

// The solutions form a solved grid: each digit 1..9 once in every row, column and box. As a
// clue's digit is its solution, the clues then fit it too.
inline bool SolutionsFormASolvedGrid(const Grid& grid) {
    for (int32_t unit = 0; unit < 9; ++unit) {
        std::vector<bool> inRow(10), inColumn(10), inBox(10);
        for (int32_t i = 0; i < 9; ++i) {
            const int32_t digits[] = {grid.At(i, unit).solution, grid.At(unit, i).solution,
                                      grid.At(unit % 3 * 3 + i % 3, unit / 3 * 3 + i / 3).solution};
            for (const int32_t d : digits)
                if (d < 1 || d > 9) return false;
            if (inRow[digits[0]] || inColumn[digits[1]] || inBox[digits[2]]) return false;
            inRow[digits[0]] = inColumn[digits[1]] = inBox[digits[2]] = true;
        }
    }
    return true;
}

// One game on a fake window: a FakeHost, a Game and its controller, with the grid laid out
// as if painted with 40 x 30 pixel cells, and short ways to click, type and run commands.
struct PlayTable {
    static constexpr int32_t kCellWidth = 40;
    static constexpr int32_t kCellHeight = 30;
    static constexpr int32_t kGridOffset = 18;

    FakeHost host;
    Game game;
    GameController controller{game, host};
    std::vector<GameResult> results;
    int optionSaves = 0;

    PlayTable() {
        Initialise(game, host);
        game.layout = {kCellWidth, kCellHeight, kGridOffset, kGridOffset};
        controller.hooks.gameResult = [this](const GameResult& r) { results.push_back(r); };
        controller.hooks.saveOptions = [this] { ++optionSaves; };
    }

    Cell& At(int32_t column, int32_t row) { return game.grid.At(column, row); }
    GameSession& Session() { return game.session; }

    static int32_t X(int32_t column) { return kGridOffset + column * kCellWidth + kCellWidth / 2; }
    static int32_t Y(int32_t row) { return kGridOffset + row * kCellHeight + kCellHeight / 2; }

    void Click(int32_t column, int32_t row) { controller.input.LeftButtonDown(X(column), Y(row)); }
    void RightClick(int32_t column, int32_t row) {
        controller.input.RightButtonDown(X(column), Y(row));
    }
    void Key(int32_t code, KeyModifiers held = {}) { controller.input.KeyReleased(code, held); }
    bool Run(CommandId id) { return controller.commands.Execute(id); }
    bool Enabled(CommandId id) { return controller.commands.IsEnabled(id); }
    bool Checked(CommandId id) { return controller.commands.IsChecked(id); }
    // Selects the eraser (0) or a digit on the toolbar.
    bool Select(int32_t d) { return Run(static_cast<CommandId>(cmd::Erase + d)); }

    // Hands every posted "puzzle solved" message to the controller, as the window's loop would.
    int DeliverPosted() {
        int delivered = 0;
        while (host.TakePosted()) {
            controller.OnPuzzleSolved();
            ++delivered;
        }
        return delivered;
    }
    // Lets a running timer expire; false if it is not running.
    bool Fire(int32_t id) {
        if (!host.TimerRunning(id)) return false;
        controller.OnTimer(id);
        return true;
    }

    // Starts a numbered game (from the start-up state no question is asked).
    void StartGame(uint32_t number) { StartNumberedGame(game, host, number); }

    // Enters the solution into every empty cell that is not given, by clicks, except (column,
    // row) when given.
    void FillSolution(int32_t skipColumn = -1, int32_t skipRow = -1) {
        for (int32_t c = 0; c < Grid::columnCount; ++c)
            for (int32_t r = 0; r < Grid::rowCount; ++r) {
                Cell& cell = At(c, r);
                if (cell.given || cell.value != 0 || (c == skipColumn && r == skipRow)) continue;
                Select(cell.solution);
                Click(c, r);
            }
    }

    // The first cell, in grid order, that is neither given nor filled.
    Cell* FirstEmpty() {
        for (Cell& cell : game.grid)
            if (!cell.given && cell.value == 0) return &cell;
        return nullptr;
    }
};

} // namespace zentile::test
