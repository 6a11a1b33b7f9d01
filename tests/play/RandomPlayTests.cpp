#include "editor/PuzzleEditor.h"
#include "model/Hints.h"
#include "model/PuzzleDatabase.h"
#include "play/KeyCodes.h"
#include "play/Texts.h"
#include "support/PlayTable.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

namespace zentile {
namespace {

using test::PlayTable;

// Thousands of random commands, clicks, keys, timer expiries, clock jumps and posted messages,
// with the model's invariants checked after each.
class RandomPlay : public PlayTable {
public:
    explicit RandomPlay(uint32_t seed) : rng(seed) {
        // What the window and the editor will bind, reduced to what they do to the game.
        controller.commands.Bind(cmd::GameNumber, [this] {
            StartNumberedGame(game, host, static_cast<uint32_t>(Pick(0, 2'000'000)));
        });
        controller.commands.Bind(cmd::CreateGame, [this] {
            if (Session().state == GameState::Playing && !host.AskYesNo(Text{"", "exit?"})) return;
            StartEditing(game, host);
        });
        controller.commands.Bind(cmd::CancelEditMode, [this] {
            game.grid.ResetAll();
            Session().level = 2;
            Session().state = GameState::NoGame;
        });
        controller.commands.Bind(cmd::Difficulty, [this] { Session().level = Pick(0, 5); });
        controller.commands.Bind(cmd::Options, [this] {
            game.options.TimedGame = Pick(0, 1);
            game.options.NumberGame = Pick(0, 1);
        });
        TakeSnapshot();
    }

    int32_t Pick(int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(rng);
    }

    // Any action at all; or, while focused, a player heading for the solution.
    void Step(bool focused) {
        const GameState before = Session().state;
        const size_t startsBefore = host.symbolChanges.size();
        const size_t messagesBefore = host.messages.size();
        if (host.answers.empty()) host.answers.push_back(Pick(0, 3) != 0);
        lastAction = focused ? std::array{5, 5, 5, 6, 7, 8, 10}[Pick(0, 6)] : Pick(0, 11);
        switch (lastAction) {
        case 0: {
            const auto table = CommandTable();
            lastCommand = table[Pick(0, static_cast<int32_t>(table.size()) - 1)].id;
            Run(lastCommand);
            break;
        }
        case 1:
            Select(Pick(0, 9));
            break;
        case 2:
            controller.input.LeftButtonDown(Pick(0, 400), Pick(0, 300));
            break;
        case 3:
            RightClick(Pick(0, 8), Pick(0, 8));
            break;
        case 4: {
            static constexpr std::array kKeys = {int32_t{kKeyUp},
                                                 int32_t{kKeyDown},
                                                 int32_t{kKeyLeft},
                                                 int32_t{kKeyRight},
                                                 int32_t{kKeyPageUp},
                                                 int32_t{kKeyPageDown},
                                                 int32_t{kKeyHome},
                                                 int32_t{kKeyEnd},
                                                 int32_t{kKeyDelete},
                                                 int32_t{kKeyBackspace},
                                                 int32_t{kKeyEnter},
                                                 0x65,
                                                 0x70};
            const int32_t k = Pick(0, 2) == 0   ? kKeys[Pick(0, kKeys.size() - 1)]
                              : Pick(0, 1) == 0 ? Pick('0', '9')
                                                : Pick('A', 'Z');
            Key(k, {.ctrl = Pick(0, 9) == 0});
            break;
        }
        case 5: // a player who knows the answer, erasing a wrong entry first
            if (Cell* cell = FirstOpen(); cell != nullptr) {
                if (cell->value != 0) {
                    Select(0);
                    Click(cell->column, cell->row);
                }
                Select(cell->solution);
                Click(cell->column, cell->row);
            }
            break;
        case 6:
            if (!host.timers.empty()) {
                auto it = host.timers.begin();
                std::advance(it, Pick(0, static_cast<int32_t>(host.timers.size()) - 1));
                controller.OnTimer(it->first);
            }
            break;
        case 7:
            DeliverPosted();
            break;
        case 8:
            host.now += Pick(-30, 400);
            break; // the wall clock may also go back
        case 9:
            TogglePause(Session(), host.now);
            break;
        case 10:
            if (!focused || !Session().InGame()) Run(cmd::New);
            break;
        case 11:
            Run(Pick(0, 1) ? cmd::ShowHint : cmd::Undo);
            break;
        }
        if (host.messages.size() > messagesBefore &&
            host.messages.back().text == kSolvedMessage.English()) {
            ++solved;
            EXPECT_EQ(before, GameState::Playing);
        }
        // Only a new game and the editor may change the puzzle itself.
        if (host.symbolChanges.size() != startsBefore || before == GameState::Editing ||
            Session().state == GameState::Editing) {
            TakeSnapshot();
        }
        ++visited[static_cast<int>(Session().state)];
    }

    void CheckInvariants() {
        const GameSession& s = Session();
        ASSERT_TRUE(game.undoLog.Empty() || s.InGame());
        ASSERT_TRUE(!s.branchOpen || s.InGame());
        ASSERT_GE(s.ElapsedSeconds(host.now), 0);
        ASSERT_GE(s.currentDigit, -1);
        ASSERT_LE(s.currentDigit, 9);
        ASSERT_TRUE(s.cursorColumn == -1 || (Grid::Contains(s.cursorColumn, s.cursorRow)));
        // Whatever happens in a game, its wrong entries are never taken for the solution.
        ASSERT_TRUE(!s.InGame() || test::SolutionsFormASolvedGrid(game.grid));
        if (s.state != GameState::Editing) {
            for (int32_t k = 0; k < Grid::cellCount; ++k) {
                ASSERT_EQ(game.grid[k].solution, solutions[k]) << k;
                ASSERT_EQ(game.grid[k].given, givens[k]) << k;
            }
        }
        for (const Cell& cell : game.grid) {
            ASSERT_GE(cell.value, 0);
            ASSERT_LE(cell.value, 9);
            ASSERT_EQ(cell.pencilMarks & ~0x3FEU, 0U);
            // A hint is on screen exactly while its timer runs, and shows the solution.
            ASSERT_EQ(cell.hinted, host.TimerRunning(HintTimerId(cell.column, cell.row)));
            ASSERT_TRUE(!cell.hinted || cell.value == cell.solution);
        }
        for (const auto& [id, timer] : host.timers) ASSERT_TRUE(HintTimerCell(id)) << id;
        for (const CommandRow& row : CommandTable()) {
            const CommandState state = controller.commands.Query(row.id);
            ASSERT_TRUE(state.enabled || !state.checked) << row.id;
        }
    }

    int solved = 0;
    int lastAction = -1;
    CommandId lastCommand = 0;
    std::array<int, 4> visited{};

private:
    Cell* FirstOpen() {
        const int32_t start = Pick(0, Grid::cellCount - 1);
        for (int32_t i = 0; i < Grid::cellCount; ++i) {
            Cell& cell = game.grid[(start + i) % Grid::cellCount];
            if (!cell.given && cell.value != cell.solution && !cell.hinted) return &cell;
        }
        return nullptr;
    }
    void TakeSnapshot() {
        for (int32_t k = 0; k < Grid::cellCount; ++k) {
            solutions[k] = game.grid[k].solution;
            givens[k] = game.grid[k].given;
        }
    }

    std::mt19937 rng;
    std::array<int32_t, Grid::cellCount> solutions{};
    std::array<bool, Grid::cellCount> givens{};
};

TEST(RandomPlay, InvariantsHoldThroughThousandsOfRandomActions) {
    for (uint32_t seed : {1U, 2U, 3U, 4U}) {
        RandomPlay play(seed);
        for (int step = 0; step < 6000; ++step) {
            play.Step(step / 300 % 3 == 2);
            play.CheckInvariants();
            if (testing::Test::HasFatalFailure()) {
                ADD_FAILURE() << "seed " << seed << ", step " << step << ", action "
                              << play.lastAction << ", command " << play.lastCommand;
                return;
            }
        }
        // The walk went everywhere worth going.
        for (int state = 0; state < 4; ++state) EXPECT_GT(play.visited[state], 0) << state;
        EXPECT_GT(play.solved, 0) << "seed " << seed;
    }
}

} // namespace
} // namespace zentile
