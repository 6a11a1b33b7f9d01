#include "editor/EditorTexts.h"
#include "model/PuzzleDatabase.h"
#include "store/GameSnapshot.h"
#include "store/StoreFixture.h"
#include "store/TempFolder.h"

#include <gtest/gtest.h>

namespace zentile::test {
namespace {

class PuzzleEditorTest : public StoreFixture {
protected:
    void CreateFromNoGame() {
        ASSERT_TRUE(Run(cmd::CreateGame));
        ASSERT_EQ(game.session.state, GameState::Editing);
    }
    // Types the clues of a database puzzle as the player does: picks each digit on the
    // toolbar and clicks its cells.
    PuzzleRecord TypeDatabasePuzzle(int32_t level, uint32_t number) {
        PuzzleRecord record{};
        SymbolSet unused = kClassicSymbols;
        LookupPuzzle(level, number, true, record, unused);
        game.layout = {40, 30, 10, 10};
        for (int32_t d = 1; d <= 9; ++d) {
            EXPECT_TRUE(Run(static_cast<CommandId>(cmd::Erase + d)));
            for (int32_t k = 0; k < Grid::cellCount; ++k)
                if (record[k] == d)
                    controller.input.LeftButtonDown(10 + 40 * (k / 9) + 20, 10 + 30 * (k % 9) + 15);
        }
        for (int32_t k = 0; k < Grid::cellCount; ++k) EXPECT_EQ(game.grid[k].solution, record[k]);
        return record;
    }
    void ExpectOnlyMessage(Text text) {
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].text, text.English());
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
        host.messages.clear();
    }
};

TEST_F(PuzzleEditorTest, CreateGameWithNoGameStartsEditingAtOnceWithDigits) {
    game.options.NumberGame = false;
    game.symbols = {'!', 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I'};
    game.session.level = 1;
    game.grid.At(3, 3).solution = 7;
    CreateFromNoGame();
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(game.session.level, kCustomLevel);
    EXPECT_EQ(game.session.gameNumber, 0U);
    EXPECT_EQ(game.session.clock.face, ClockFace::Creating);
    EXPECT_EQ(game.grid.At(3, 3).solution, 0);
    EXPECT_TRUE(game.options.NumberGame);
    const SymbolSet digits = {'!', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(game.symbols, digits);
    ASSERT_EQ(host.symbolChanges.size(), 1U);
    EXPECT_EQ(host.symbolChanges[0], digits);
    // The switch to digits is for this run; the options are saved with the next change.
    EXPECT_EQ(store.writes, 0U);
    // Editing allows only the editor's own commands beside those always there.
    EXPECT_FALSE(controller.commands.IsEnabled(cmd::CreateGame));
    EXPECT_FALSE(controller.commands.IsEnabled(cmd::New));
    EXPECT_TRUE(controller.commands.IsEnabled(cmd::SaveAndPlay));
    EXPECT_TRUE(controller.commands.IsEnabled(cmd::CancelEditMode));
}

TEST_F(PuzzleEditorTest, CreateGameDuringPlayAsksFirstAndIsNotOfferedWhilePaused) {
    game.options.NumberGame = false;
    StartNumberedGame(game, host, 42);
    const std::string before = GameSnapshot(game);
    host.answers = {false};
    ASSERT_TRUE(Run(cmd::CreateGame));
    EXPECT_EQ(host.questions, std::vector<std::string>{std::string(kCreateGameQuestion.English())});
    EXPECT_EQ(GameSnapshot(game), before);

    ASSERT_TRUE(Pause(game.session, host.now));
    EXPECT_FALSE(Run(cmd::CreateGame));
    ASSERT_TRUE(Resume(game.session, host.now));

    ASSERT_TRUE(Run(cmd::ShowHint));
    host.answers = {true};
    ASSERT_TRUE(Run(cmd::CreateGame));
    EXPECT_EQ(game.session.state, GameState::Editing);
    EXPECT_TRUE(game.undoLog.Empty());
    EXPECT_EQ(game.session.statistics, PlayStatistics{});
    EXPECT_TRUE(host.timers.empty()) << "the hint's timer must end with its game";
    for (const Cell& cell : game.grid) {
        EXPECT_EQ(cell.solution + cell.value + int(cell.given) + int(cell.hinted), 0);
    }
    EXPECT_EQ(game.symbols, kClassicSymbols);
}

TEST_F(PuzzleEditorTest, SaveAndPlayNamesWhatIsWrongWithThePuzzleAndKeepsEditing) {
    CreateFromNoGame();
    ASSERT_TRUE(Run(cmd::SaveAndPlay));
    ExpectOnlyMessage(kMultipleSolutionsMessage);
    EXPECT_EQ(game.session.state, GameState::Editing);

    game.grid.At(0, 0).SetSolution(5);
    game.grid.At(1, 1).SetSolution(5); // the same box
    const std::string before = GameSnapshot(game);
    ASSERT_TRUE(Run(cmd::SaveAndPlay));
    ExpectOnlyMessage(kNoSolutionMessage);
    EXPECT_EQ(GameSnapshot(game), before);
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(PuzzleEditorTest, AUniquePuzzleDeclinedStaysInTheEditor) {
    CreateFromNoGame();
    TypeDatabasePuzzle(3, 2024);
    const std::string before = GameSnapshot(game);
    host.answers = {false, false};
    ASSERT_TRUE(Run(cmd::SaveAndPlay));
    EXPECT_EQ(GameSnapshot(game), before);
    ASSERT_TRUE(Run(cmd::SaveAndPlay));
    EXPECT_EQ(host.questions,
              std::vector<std::string>(2, std::string(kUniqueSolutionQuestion.English())));
    EXPECT_TRUE(host.messages.empty());
}

// The clues go to the solver in the grid's own column-by-column order; the solution that
// comes back must fit the same cells, which only a puzzle that is not symmetric shows.
TEST_F(PuzzleEditorTest, AUniquePuzzlePlayedToTheEndRecordsNoBestResult) {
    wiring.LoadStoredState();
    const std::size_t writes = store.writes;
    game.options.TimedGame = true;
    CreateFromNoGame();
    const PuzzleRecord record = TypeDatabasePuzzle(2, 31337);
    host.now += 500;
    host.answers = {true};
    ASSERT_TRUE(Run(cmd::SaveAndPlay));

    const GameSession& session = game.session;
    EXPECT_EQ(session.state, GameState::Playing);
    EXPECT_EQ(session.level, kCustomLevel);
    EXPECT_EQ(session.gameNumber, 0U);
    EXPECT_EQ(session.clock.elapsedBefore, 0);
    EXPECT_EQ(session.clock.runningSince, host.now);
    EXPECT_EQ(session.clock.face, ClockFace::Live);
    for (int32_t k = 0; k < Grid::cellCount; ++k) {
        EXPECT_EQ(game.grid[k].given, record[k] != 0) << k;
        EXPECT_EQ(game.grid[k].solution, record[Grid::cellCount + k]) << k;
        EXPECT_EQ(game.grid[k].value, 0) << k;
    }

    host.now += 200;
    game.session.level = 2; // Difficulty opened and cancelled: Medium for the next game
    for (Cell& cell : game.grid)
        if (!cell.given) SetValue(game, host, cell, cell.solution);
    ASSERT_TRUE(host.TakePosted());
    controller.OnPuzzleSolved();
    EXPECT_EQ(session.state, GameState::NoGame);
    EXPECT_EQ(FormatElapsed(session.clock.stoppedSeconds), "   03:20");
    EXPECT_EQ(store.writes, writes);
    for (int32_t level = 0; level < kDatabaseLevels; ++level)
        EXPECT_TRUE(wiring.bestResults.List(level)[0].Empty());
}

// Clues typed and saved open again in the editor, as they were left, in place of a game of a
// letter game; the puzzle can then be played. An empty board opens as an empty editor.
TEST_F(PuzzleEditorTest, APuzzleSavedInTheEditorOpensAgainInTheEditor) {
    TempFolder folder;
    Save(folder / "empty.ztg");
    CreateFromNoGame();
    const PuzzleRecord record = TypeDatabasePuzzle(1, 99);
    Save(folder / "own.ztg");

    for (const char* file : {"own.ztg", "empty.ztg"}) {
        SCOPED_TRACE(file);
        const bool empty = file == std::string("empty.ztg");
        game.options.NumberGame = false;
        game.session.level = 0;
        StartNumberedGame(game, host, 5);
        ASSERT_TRUE(Run(cmd::ShowHint));
        Open(folder / file);
        EXPECT_TRUE(host.questions.empty()) << "no entries to leave out";
        EXPECT_TRUE(host.messages.empty());
        const GameSession& session = game.session;
        EXPECT_EQ(session.state, GameState::Editing);
        EXPECT_EQ(session.level, kCustomLevel);
        EXPECT_EQ(session.gameNumber, 0U);
        EXPECT_EQ(session.clock.face, ClockFace::Creating);
        EXPECT_TRUE(host.timers.empty());
        EXPECT_EQ(game.symbols, kClassicSymbols);
        EXPECT_TRUE(game.options.NumberGame);
        for (int32_t k = 0; k < Grid::cellCount; ++k) {
            const int32_t clue = empty ? 0 : record[k];
            EXPECT_EQ(game.grid[k].solution, clue) << k;
            EXPECT_EQ(game.grid[k].given, clue != 0) << k;
            EXPECT_EQ(game.grid[k].value + int(game.grid[k].hinted), 0) << k;
        }
    }

    Open(folder / "own.ztg");
    host.answers = {true};
    ASSERT_TRUE(Run(cmd::SaveAndPlay));
    EXPECT_EQ(game.session.state, GameState::Playing);
    for (int32_t k = 0; k < Grid::cellCount; ++k)
        EXPECT_EQ(game.grid[k].solution, record[Grid::cellCount + k]) << k;
}

TEST_F(PuzzleEditorTest, CancelEditModeAsksAndThenLeavesAnEmptyBoard) {
    CreateFromNoGame();
    TypeDatabasePuzzle(0, 3);
    const std::string before = GameSnapshot(game);
    host.answers = {false};
    ASSERT_TRUE(Run(cmd::CancelEditMode));
    EXPECT_EQ(host.questions.back(), kCancelEditQuestion.English());
    EXPECT_EQ(GameSnapshot(game), before);

    host.now += 60;
    host.answers = {true};
    ASSERT_TRUE(Run(cmd::CancelEditMode));
    const GameSession& session = game.session;
    EXPECT_EQ(session.state, GameState::NoGame);
    EXPECT_EQ(session.level, 2);
    EXPECT_EQ(session.clock.face, ClockFace::Blank);
    EXPECT_EQ(session.clock.elapsedBefore, 0);
    EXPECT_EQ(session.clock.runningSince, host.now);
    for (const Cell& cell : game.grid) EXPECT_FALSE(cell.given || cell.solution != 0);
    EXPECT_FALSE(controller.commands.IsEnabled(cmd::SaveAndPlay));
    EXPECT_FALSE(controller.commands.IsEnabled(cmd::CancelEditMode));
    EXPECT_TRUE(controller.commands.IsEnabled(cmd::CreateGame));
}

} // namespace
} // namespace zentile::test
