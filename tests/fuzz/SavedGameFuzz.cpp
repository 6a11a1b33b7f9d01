// The saved-game reader on any bytes. A file it accepts is put on the board as Open puts it
// (in play, or in the editor if its clues were still being typed) and must be written back
// as the very lines it was read from; the bytes after the fourth line, which the reader never
// reads, then drive play on the loaded game, with the model's rules checked after every step,
// and the board is saved and read once more at the end. A saved file is the one thing a
// stranger can hand the game.

#include "FuzzCheck.h"
#include "model/Hints.h"
#include "play/CommandTable.h"
#include "solver/SudokuSolver.h"
#include "store/MemorySettingsStore.h"
#include "store/SavedGameCommands.h"
#include "store/SavedGameFile.h"
#include "store/StoreAndEditor.h"
#include "support/PlayTable.h"

#include <array>
#include <fuzzer/FuzzedDataProvider.h>
#include <iterator>
#include <sstream>
#include <string>

namespace zentile {
namespace {

using fuzz::Require;

constexpr int kMostSteps = 400;

bool SameGame(const SavedGame& a, const SavedGame& b) {
    if (a.level != b.level) return false;
    for (std::size_t k = 0; k < a.cells.size(); ++k) {
        const SavedCell& x = a.cells[k];
        const SavedCell& y = b.cells[k];
        if (x.solution != y.solution || x.value != y.value || x.given != y.given) return false;
    }
    return true;
}

// The game as the window has it: the controller with the saved game, the editor and the best
// results bound, over a store in memory.
struct Board : test::PlayTable {
    MemorySettingsStore store;
    StoreAndEditor wiring;
    std::array<int32_t, Grid::cellCount> solutions{};
    std::array<bool, Grid::cellCount> givens{};

    explicit Board(CSudokuSolver& solver) : wiring(controller, store, solver) {
        // The window's wiring replaced the test's; the best results take the results again.
        wiring.LoadStoredState();
    }

    void KeepPuzzle() {
        for (int32_t k = 0; k < Grid::cellCount; ++k) {
            solutions[k] = game.grid[k].solution;
            givens[k] = game.grid[k].given;
        }
    }

    // What holds after every step, whatever the file held.
    void CheckRules() {
        const GameSession& s = game.session;
        Require(game.undoLog.Empty() || s.InGame(), "undo records only in a game");
        Require(!s.branchOpen || s.InGame(), "a branch only in a game");
        Require(s.ElapsedSeconds(host.now) >= 0, "the clock is never negative");
        Require(s.currentDigit >= -1 && s.currentDigit <= 9, "the selected digit");
        Require(s.cursorColumn == -1 || Grid::Contains(s.cursorColumn, s.cursorRow),
                "the cursor is on the grid or hidden");
        Require(s.level >= 0 && s.level <= kCustomLevel, "the level names a level");
        Require(!s.InGame() || test::SolutionsFormASolvedGrid(game.grid),
                "a game in play has a solved grid under it");
        if (s.state != GameState::Editing) {
            for (int32_t k = 0; k < Grid::cellCount; ++k) {
                Require(game.grid[k].solution == solutions[k], "play keeps the solution");
                Require(game.grid[k].given == givens[k], "play keeps the clues");
            }
        }
        for (const Cell& cell : game.grid) {
            Require(cell.value >= 0 && cell.value <= 9, "an entry is a digit");
            Require(cell.solution >= 0 && cell.solution <= 9, "a solution is a digit");
            Require((cell.pencilMarks & ~0x3FEU) == 0, "pencil marks 1..9 only");
            Require(cell.hinted == host.TimerRunning(HintTimerId(cell.column, cell.row)),
                    "a hint shows exactly while its timer runs");
        }
        for (const auto& [id, timer] : host.timers)
            Require(HintTimerCell(id).has_value(), "only hint timers run");
        for (const CommandRow& row : CommandTable()) {
            const CommandState state = controller.commands.Query(row.id);
            Require(state.enabled || !state.checked, "a disabled command shows no check");
        }
        for (int32_t level = 0; level < kDatabaseLevels; ++level) {
            const ResultList& list = wiring.bestResults.List(level);
            Require(DecodeResultList(EncodeResultList(list)) == list, "best results stay sound");
        }
    }

    void Step(FuzzedDataProvider& script) {
        const GameState before = game.session.state;
        const std::size_t startsBefore = host.symbolChanges.size();
        const auto answers = script.ConsumeIntegral<uint8_t>();
        host.answers.clear();
        for (int bit = 0; bit < 8; ++bit) host.answers.push_back((answers >> bit) & 1U);
        switch (script.ConsumeIntegralInRange(0, 9)) {
        case 0: {
            const auto table = CommandTable();
            Run(table[script.ConsumeIntegralInRange<std::size_t>(0, table.size() - 1)].id);
            break;
        }
        case 1:
            Select(script.ConsumeIntegralInRange(0, 9));
            break;
        case 2:
            Click(script.ConsumeIntegralInRange(0, 8), script.ConsumeIntegralInRange(0, 8));
            break;
        case 3:
            RightClick(script.ConsumeIntegralInRange(0, 8), script.ConsumeIntegralInRange(0, 8));
            break;
        case 4:
            Key(script.ConsumeIntegral<uint8_t>(), {script.ConsumeIntegralInRange(0, 7) == 0});
            break;
        case 5:
            if (!host.timers.empty()) {
                auto timer = host.timers.begin();
                std::advance(timer,
                             script.ConsumeIntegralInRange<std::size_t>(0, host.timers.size() - 1));
                controller.OnTimer(timer->first);
            }
            break;
        case 6:
            DeliverPosted();
            break;
        case 7:
            host.now += script.ConsumeIntegralInRange(-30, 4000);
            break;
        case 8:
            TogglePause(game.session, host.now);
            break;
        case 9:
            controller.input.LeftButtonDown(script.ConsumeIntegralInRange(-20, 420),
                                            script.ConsumeIntegralInRange(-20, 320));
            break;
        }
        if (host.symbolChanges.size() != startsBefore || before == GameState::Editing ||
            game.session.state == GameState::Editing)
            KeepPuzzle();
    }
};

} // namespace
} // namespace zentile

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace zentile;
    std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
    const auto saved = ParseSavedGame(file);
    if (!saved) return 0;

    // Written back, the game reads as itself.
    const bool keepEntries = size % 2 == 0;
    static CSudokuSolver solver;
    Board board(solver);
    LoadSavedGame(board.game, board.host, *saved, keepEntries);
    std::istringstream written(FormatSavedGame(board.game.grid, board.game.session.boardLevel));
    const auto reread = ParseSavedGame(written);
    Require(reread.has_value(), "a loaded game is written as a readable file");
    SavedGame expected = *saved;
    if (!keepEntries)
        for (SavedCell& cell : expected.cells) cell.value = 0;
    Require(SameGame(*reread, expected), "a loaded game is written back as it was read");
    Require(board.game.session.state == (saved->editing ? GameState::Editing : GameState::Playing),
            "a read game is played, clues being typed are edited again");

    // What follows the fourth line, if it ended in a line feed, is the play.
    const auto rest = file.tellg();
    if (rest < 0) return 0;
    FuzzedDataProvider script(data + rest, size - static_cast<std::size_t>(rest));
    board.KeepPuzzle();
    for (int step = 0; step < kMostSteps && script.remaining_bytes() > 0; ++step) {
        board.Step(script);
        board.CheckRules();
    }

    // Whatever play made of it, the board saves as a file that reads back as the board.
    std::istringstream afterPlay(FormatSavedGame(board.game.grid, board.game.session.boardLevel));
    const auto back = ParseSavedGame(afterPlay);
    Require(back.has_value(), "the board after play is saved as a readable file");
    for (int32_t k = 0; k < Grid::cellCount; ++k) {
        const Cell& cell = board.game.grid[k];
        const SavedCell& read = back->cells[k];
        Require(read.solution == cell.solution && read.given == cell.given &&
                    read.value == (cell.hinted ? 0 : cell.value),
                "a saved cell reads back as it was");
    }
    return 0;
}
