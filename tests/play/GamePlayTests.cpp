#include "model/Hints.h"
#include "model/PuzzleDatabase.h"
#include "play/KeyCodes.h"
#include "play/Texts.h"
#include "support/PlayTable.h"

#include <gtest/gtest.h>

namespace zentile {
namespace {

using test::PlayTable;

TEST(NewGame, StartsWithoutAQuestionFromStartUpAndAsksOnceAGameIsOn) {
    PlayTable t;
    RandomSource expected = t.game.random;
    const int32_t r1 = expected.Draw();
    const int32_t r2 = expected.Draw();

    ASSERT_TRUE(t.Run(cmd::New));
    EXPECT_TRUE(t.host.questions.empty());
    EXPECT_EQ(t.Session().state, GameState::Playing);
    EXPECT_EQ(t.Session().gameNumber, static_cast<uint32_t>(r1 * r2 % 1000000));
    EXPECT_GT(t.host.repaints, 0);
    PuzzleRecord record{};
    SymbolSet symbols = kClassicSymbols;
    LookupPuzzle(2, t.Session().gameNumber, true, record, symbols);
    for (int32_t k = 0; k < 81; ++k) ASSERT_EQ(t.game.grid[k].solution, record[81 + k]);

    Cell* entered = t.FirstEmpty();
    t.Select(entered->solution);
    t.Click(entered->column, entered->row);
    const uint32_t first = t.Session().gameNumber;

    t.host.answers = {false};
    ASSERT_TRUE(t.Run(cmd::New));
    EXPECT_EQ(t.host.questions.back(), kNewGameQuestion.English());
    EXPECT_EQ(t.Session().gameNumber, first);
    EXPECT_NE(entered->value, 0); // declined: the game goes on untouched

    ASSERT_TRUE(Pause(t.Session(), t.host.now));
    t.host.answers = {true};
    ASSERT_TRUE(t.Run(cmd::New));
    EXPECT_EQ(t.host.questions.size(), 2U);
    EXPECT_EQ(t.Session().state, GameState::Playing);
    EXPECT_TRUE(t.game.undoLog.Empty());
}

TEST(NewGame, NumbersStayBelowAMillion) {
    PlayTable t;
    for (uint32_t seed = 0; seed < 3000; ++seed) {
        t.game.random.Seed(seed * 7919U);
        t.Session().state = GameState::NoGame;
        t.Run(cmd::New);
        ASSERT_LT(t.Session().gameNumber, 1000000U);
    }
}

TEST(Play, DigitsByClickAndKeyWithPickUpAndEraser) {
    PlayTable t;
    t.StartGame(31);
    Cell* target = t.FirstEmpty();
    const Cell* given = nullptr;
    for (const Cell& cell : t.game.grid)
        if (cell.given) given = &cell;
    ASSERT_NE(given, nullptr);

    // Nothing selected: clicking an empty cell does nothing, a filled one picks its digit up.
    t.Click(target->column, target->row);
    EXPECT_EQ(target->value, 0);
    t.Click(given->column, given->row);
    EXPECT_EQ(t.Session().currentDigit, given->solution);
    t.Click(target->column, target->row);
    EXPECT_EQ(target->value, given->solution);

    // The eraser empties it; selecting a digit while a filled cell is clicked only picks up.
    t.Select(0);
    t.Click(target->column, target->row);
    EXPECT_EQ(target->value, 0);
    EXPECT_EQ(t.Session().statistics.erasures, 1U);
    t.Select(4);
    t.Click(given->column, given->row);
    EXPECT_EQ(t.Session().currentDigit, given->solution);

    // Keyboard: the first arrow shows the cursor at the top left, then it moves and wraps.
    t.Key(kKeyHome); // hides the cursor the clicks have moved
    t.Key('5');
    EXPECT_EQ(t.Session().cursorColumn, -1);
    t.Key(kKeyLeft);
    EXPECT_EQ(t.Session().cursorColumn, 0);
    EXPECT_EQ(t.Session().cursorRow, 0);
    t.Key(kKeyLeft);
    t.Key(kKeyUp);
    EXPECT_EQ(t.Session().cursorColumn, 8);
    EXPECT_EQ(t.Session().cursorRow, 8);
    for (int i = 0; i < 9; ++i) t.Key(kKeyRight);
    EXPECT_EQ(t.Session().cursorColumn, 8);

    t.Session().cursorColumn = target->column;
    t.Session().cursorRow = target->row;
    const int32_t typed = target->solution % 9 + 1; // a wrong digit, typed
    t.Key('0' + typed);
    EXPECT_EQ(target->value, typed);
    EXPECT_EQ(t.Session().currentDigit, typed); // the selection follows the typed digit
    t.Key(kKeyDelete);
    EXPECT_EQ(target->value, 0);
    t.Key(kKeyHome);
    EXPECT_EQ(t.Session().cursorColumn, -1);
    t.Key('0' + typed);
    EXPECT_EQ(target->value, 0); // no cursor, no digit
}

TEST(Play, PencilMarksToggleByRightClickOnlyInPlay) {
    PlayTable t;
    t.StartGame(8);
    Cell* cell = t.FirstEmpty();
    t.RightClick(cell->column, cell->row); // no digit selected
    t.Select(0);
    t.RightClick(cell->column, cell->row); // the eraser
    EXPECT_EQ(cell->pencilMarks, 0U);
    t.Select(3);
    t.RightClick(cell->column, cell->row);
    t.Select(7);
    t.RightClick(cell->column, cell->row);
    EXPECT_TRUE(cell->HasPencilMark(3));
    EXPECT_TRUE(cell->HasPencilMark(7));
    EXPECT_EQ(t.Session().statistics.pencilToggles, 2U);
    // Entering a digit clears the marks.
    t.Click(cell->column, cell->row);
    EXPECT_EQ(cell->value, 7);
    EXPECT_EQ(cell->pencilMarks, 0U);
    // Outside the grid, and while paused, nothing happens.
    t.controller.input.RightButtonDown(5, 5);
    Pause(t.Session(), t.host.now);
    t.RightClick(cell->column, cell->row);
    EXPECT_EQ(cell->pencilMarks, 0U);
    EXPECT_EQ(t.Session().state, GameState::Paused); // a right click does not resume
}

TEST(Play, APausedGameResumesOnKeyOrGridClickAndTheResumingInputDoesNothingElse) {
    PlayTable t;
    t.host.now = 10'000;
    t.StartGame(12);
    Cell* cell = t.FirstEmpty();
    t.Select(cell->solution);
    t.host.now += 607;
    ASSERT_TRUE(TogglePause(t.Session(), t.host.now)); // the clock pane
    t.host.now += 3600;
    EXPECT_EQ(t.Session().ElapsedSeconds(t.host.now), 607);

    t.controller.input.LeftButtonDown(2, 2); // outside the grid: still paused
    EXPECT_EQ(t.Session().state, GameState::Paused);
    t.Click(cell->column, cell->row);
    EXPECT_EQ(t.Session().state, GameState::Playing);
    EXPECT_EQ(cell->value, 0);
    t.host.now += 10;
    EXPECT_EQ(t.Session().ElapsedSeconds(t.host.now), 617);

    Pause(t.Session(), t.host.now);
    t.Key(kKeyDown);
    EXPECT_EQ(t.Session().state, GameState::Playing);
    EXPECT_EQ(t.Session().cursorColumn, -1); // the resuming key did not show the cursor
}

// Plays a game to the end: fills every cell but one, takes the given help, then enters the
// last digit at the given moment.
struct Finish {
    PlayTable t;
    Cell* last = nullptr;
    explicit Finish(uint32_t number, int32_t level = 2) {
        t.host.now = 50'000;
        t.Session().level = level;
        t.StartGame(number);
        last = t.FirstEmpty();
        t.FillSolution(last->column, last->row);
    }
    void EnterLast() {
        t.Select(last->solution);
        t.Click(last->column, last->row);
    }
    // A wrong digit in the last cell, taken back.
    void EnterAndUndo() {
        t.Select(last->solution % 9 + 1);
        t.Click(last->column, last->row);
        ASSERT_TRUE(t.Run(cmd::Undo));
        ASSERT_EQ(last->value, 0);
    }
};

TEST(Solving, CongratulatesAndReportsTheResultWithItsPenalty) {
    Finish f(2024);
    PlayTable& t = f.t;
    // 2 hints, 3 undos and highlighting used: 315 seconds of penalty.
    t.game.options.HighlightSelection = true;
    t.Enabled(cmd::HighlightSelection);
    t.game.options.HighlightSelection = false;
    for (int i = 0; i < 3; ++i) f.EnterAndUndo();
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(t.Run(cmd::ShowHint));
        ASSERT_TRUE(t.Fire(HintTimerId(f.last->column, f.last->row)));
    }
    t.host.now += 1000;
    f.EnterLast();
    EXPECT_EQ(t.host.postedSolved, 1);
    EXPECT_EQ(t.Session().state, GameState::Playing); // handled after the input returns

    ASSERT_EQ(t.DeliverPosted(), 1);
    ASSERT_EQ(t.results.size(), 1U);
    EXPECT_EQ(t.results[0].elapsedSeconds, 1000);
    EXPECT_EQ(t.results[0].level, 2);
    EXPECT_EQ(PenaltySeconds(t.results[0].statistics), 315U);
    ASSERT_EQ(t.host.messages.size(), 1U);
    EXPECT_EQ(t.host.messages[0].text, "You solved the puzzle. Congratulations!");
    EXPECT_EQ(t.host.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(t.host.messages[0].caption, "Zentile");

    EXPECT_EQ(t.Session().state, GameState::NoGame);
    EXPECT_EQ(t.Session().clock.stoppedSeconds, 1000);
    EXPECT_TRUE(t.game.undoLog.Empty());
    EXPECT_EQ(t.Session().statistics, PlayStatistics{});
    EXPECT_EQ(f.last->value, f.last->solution); // the solved grid stays in view
    EXPECT_FALSE(t.Enabled(cmd::Undo));
    EXPECT_FALSE(t.Enabled(cmd::ShowHint));
    EXPECT_FALSE(t.Enabled(cmd::SolvePuzzle));
    // Play input no longer reaches the grid, so no second message follows.
    t.Select(0);
    t.Click(f.last->column, f.last->row);
    EXPECT_EQ(f.last->value, f.last->solution);
    EXPECT_EQ(t.DeliverPosted(), 0);
    EXPECT_EQ(t.host.messages.size(), 1U);
}

TEST(Solving, TheThreeHundredSecondGameCarriesOneHundredNinetySecondsOfPenalty) {
    Finish f(555);
    PlayTable& t = f.t;
    // Two undos, one hint, highlighting on at one refresh.
    for (int i = 0; i < 2; ++i) f.EnterAndUndo();
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    ASSERT_TRUE(t.Fire(HintTimerId(f.last->column, f.last->row)));
    ASSERT_TRUE(t.Run(cmd::HighlightSelection));
    t.controller.commands.Query(cmd::HighlightSelection);
    ASSERT_TRUE(t.Run(cmd::HighlightSelection));
    t.host.now += 300;
    f.EnterLast();
    t.DeliverPosted();
    ASSERT_EQ(t.results.size(), 1U);
    EXPECT_EQ(t.results[0].elapsedSeconds, 300);
    EXPECT_EQ(t.results[0].statistics.undos, 2U);
    EXPECT_EQ(t.results[0].statistics.hints, 1U);
    EXPECT_EQ(PenaltySeconds(t.results[0].statistics), 190U);
}

TEST(Solving, UntimedGamesAndOwnPuzzlesAreCongratulatedButNotRecorded) {
    Finish untimed(1);
    untimed.t.game.options.TimedGame = false;
    untimed.EnterLast();
    untimed.t.DeliverPosted();
    EXPECT_TRUE(untimed.t.results.empty());
    EXPECT_EQ(untimed.t.host.messages.size(), 1U);

    Finish own(2);
    own.t.Session().boardLevel = kCustomLevel; // as the editor's Save and Play leaves it
    own.EnterLast();
    own.t.DeliverPosted();
    EXPECT_TRUE(own.t.results.empty());
    EXPECT_EQ(own.t.host.messages.size(), 1U);
    EXPECT_EQ(own.t.Session().state, GameState::NoGame);
}

// Difficulty names the level of the next game; the game on the board keeps its own.
TEST(Solving, TheResultIsFiledUnderTheLevelOfTheGameOnTheBoard) {
    Finish f(77, /*level=*/0);
    f.t.Session().level = 3; // Hard chosen for the next game
    f.EnterLast();
    f.t.DeliverPosted();
    ASSERT_EQ(f.t.results.size(), 1U);
    EXPECT_EQ(f.t.results[0].level, 0);
    EXPECT_EQ(f.t.Session().level, 3);
}

TEST(Solving, AMessageOvertakenByLaterInputIsNotTakenForASolvedPuzzle) {
    Finish f(3);
    f.EnterLast();
    // Before the posted message arrives, the player erases the cell again.
    f.t.Select(0);
    f.t.Click(f.last->column, f.last->row);
    EXPECT_EQ(f.t.DeliverPosted(), 1);
    EXPECT_EQ(f.t.Session().state, GameState::Playing);
    EXPECT_TRUE(f.t.host.messages.empty());
    EXPECT_TRUE(f.t.results.empty());
}

} // namespace
} // namespace zentile
