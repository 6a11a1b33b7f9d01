#include "model/Hints.h"
#include "play/KeyCodes.h"
#include "play/Texts.h"
#include "support/PlayTable.h"

#include <gtest/gtest.h>
#include <set>

namespace zentile {
namespace {

using test::PlayTable;

// A game whose cells are all filled except the listed ones.
struct Filled : PlayTable {
    explicit Filled(std::initializer_list<CellPosition> empty) {
        StartGame(77);
        for (Cell& cell : game.grid)
            if (!cell.given) cell.value = cell.solution;
        for (const CellPosition& p : empty) {
            At(p.column, p.row).value = 0;
            At(p.column, p.row).given = false;
        }
    }
    // Seeds the random source so that the next hint starts its search at (column, row).
    void StartSearchAt(int32_t column, int32_t row) {
        for (uint32_t seed = 0;; ++seed) {
            RandomSource probe;
            probe.Seed(seed);
            if (probe.Draw() % 9 == column && probe.Draw() % 9 == row) {
                game.random.Seed(seed);
                return;
            }
        }
    }
};

TEST(Hint, SearchesColumnsFromARandomCellAndShowsTheSolutionForTwoAndAHalfSeconds) {
    // From (7,4): column 7 rows 4..8 then 0..3, then column 8, then 0 ...
    Filled t({{0, 0}, {7, 2}, {8, 5}});
    t.StartSearchAt(7, 4);
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    Cell& hinted = t.At(7, 2);
    EXPECT_TRUE(hinted.hinted);
    EXPECT_EQ(hinted.value, hinted.solution);
    EXPECT_EQ(t.Session().statistics.hints, 1U);
    EXPECT_TRUE(t.game.undoLog.Empty()); // a hint is not an entry
    ASSERT_TRUE(t.host.TimerRunning(73));
    EXPECT_EQ(t.host.timers[73].milliseconds, 2500);
    EXPECT_FALSE(t.host.timers[73].periodic);

    t.StartSearchAt(8, 4);
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    EXPECT_TRUE(t.At(8, 5).hinted);

    ASSERT_TRUE(t.Fire(73));
    EXPECT_FALSE(hinted.hinted);
    EXPECT_EQ(hinted.value, 0);
    EXPECT_FALSE(t.host.TimerRunning(73));
    EXPECT_TRUE(t.At(8, 5).hinted); // each hint keeps its own time
}

TEST(Hint, ThreeQuickHintsShowThreeDifferentCells) {
    PlayTable t;
    t.StartGame(400);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(t.Run(cmd::ShowHint));
    std::set<int32_t> timers;
    int hinted = 0;
    for (const Cell& cell : t.game.grid) {
        if (!cell.hinted) continue;
        ++hinted;
        timers.insert(HintTimerId(cell.column, cell.row));
    }
    EXPECT_EQ(hinted, 3);
    EXPECT_EQ(t.host.timers.size(), 3U);
    for (int32_t id : timers) {
        const CellPosition p = *HintTimerCell(id);
        ASSERT_TRUE(t.Fire(id));
        EXPECT_FALSE(t.At(p.column, p.row).hinted);
        EXPECT_EQ(t.At(p.column, p.row).value, 0);
    }
    EXPECT_TRUE(t.host.timers.empty());
}

TEST(Hint, ABoardWithoutEmptyCellsGetsTheErrorBoxAndNothingChanges) {
    Filled t({{3, 3}});
    t.At(3, 3).value = t.At(3, 3).solution % 9 + 1; // a wrong entry is not empty either
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    ASSERT_EQ(t.host.messages.size(), 1U);
    EXPECT_EQ(t.host.messages[0].text, "There are no empty tiles on the grid.");
    EXPECT_EQ(t.host.messages[0].caption, "Error");
    EXPECT_EQ(t.host.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(t.Session().statistics.hints, 0U);
    EXPECT_TRUE(t.host.timers.empty());
}

TEST(Hint, FillingTheLastEmptyCellDoesNotEndTheGame) {
    Filled t({{4, 6}});
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    EXPECT_EQ(t.host.postedSolved, 0);
    ASSERT_TRUE(t.Fire(HintTimerId(4, 6)));
    EXPECT_EQ(t.At(4, 6).value, 0);
    EXPECT_EQ(t.Session().state, GameState::Playing);
}

TEST(Hint, AHintedDigitDoesNotCountTowardsSolving) {
    Filled t({{1, 1}, {2, 2}});
    t.StartSearchAt(1, 1);
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    ASSERT_TRUE(t.At(1, 1).hinted);
    t.Select(t.At(2, 2).solution);
    t.Click(2, 2);
    EXPECT_EQ(t.DeliverPosted(), 0);
    ASSERT_TRUE(t.Fire(HintTimerId(1, 1)));
    t.Select(t.At(1, 1).solution);
    t.Click(1, 1);
    EXPECT_EQ(t.DeliverPosted(), 1);
    EXPECT_EQ(t.Session().state, GameState::NoGame);
}

TEST(Hint, APendingHintNeverTouchesTheNextGame) {
    PlayTable t;
    t.StartGame(10);
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    const int32_t id = t.host.timers.begin()->first;
    const CellPosition p = *HintTimerCell(id);

    t.host.answers = {true};
    ASSERT_TRUE(t.Run(cmd::New));
    EXPECT_FALSE(t.host.TimerRunning(id));
    EXPECT_FALSE(t.At(p.column, p.row).hinted);
    Cell& cell = t.At(p.column, p.row);
    if (!cell.given) {
        t.Select(cell.solution);
        t.Click(p.column, p.row);
    }
    const Cell before = cell;
    // Even a timer event already on its way changes nothing.
    t.controller.OnTimer(id);
    EXPECT_EQ(cell.value, before.value);
    EXPECT_EQ(cell.hinted, before.hinted);
}

TEST(Hint, UndoNeverBringsBackAHintOrItsDigit) {
    Filled t({{5, 5}, {6, 6}});
    t.StartSearchAt(5, 5);
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    Cell& cell = t.At(5, 5);
    ASSERT_TRUE(cell.hinted);

    // Erasing the hinted cell ends the hint; undoing the erasure leaves the cell empty.
    t.Select(0);
    t.Click(5, 5);
    EXPECT_FALSE(cell.hinted);
    EXPECT_FALSE(t.host.TimerRunning(HintTimerId(5, 5)));
    ASSERT_TRUE(t.Run(cmd::Undo));
    EXPECT_EQ(cell.value, 0);
    EXPECT_FALSE(cell.hinted);

    // A pencil mark toggled under a hint and undone after the hint's time: still empty.
    t.StartSearchAt(5, 5);
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    t.Select(2);
    t.RightClick(5, 5);
    ASSERT_TRUE(t.Fire(HintTimerId(5, 5)));
    ASSERT_TRUE(t.Run(cmd::Undo));
    EXPECT_EQ(cell.value, 0);
    EXPECT_FALSE(cell.hinted);
    EXPECT_FALSE(cell.HasPencilMark(2));

    // Undone while the hint is still on: the hint stays for the rest of its time.
    t.StartSearchAt(5, 5);
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    t.RightClick(5, 5);
    ASSERT_TRUE(t.Run(cmd::Undo));
    EXPECT_TRUE(cell.hinted);
    EXPECT_EQ(cell.value, cell.solution);
    ASSERT_TRUE(t.Fire(HintTimerId(5, 5)));
    EXPECT_EQ(cell.value, 0);
}

TEST(Hint, UndoingOnAHintedCellGivesThePlayersDigitBack) {
    Filled t({{6, 6}});
    Cell& cell = t.At(6, 6);
    t.Select(cell.solution);
    t.Click(6, 6);
    t.Select(0);
    t.Click(6, 6); // erased again
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    ASSERT_TRUE(cell.hinted);
    ASSERT_TRUE(t.Run(cmd::Undo)); // takes back the erasure
    EXPECT_EQ(cell.value, cell.solution);
    EXPECT_FALSE(cell.hinted);
    EXPECT_FALSE(t.host.TimerRunning(HintTimerId(6, 6)));
    t.controller.OnTimer(HintTimerId(6, 6));
    EXPECT_EQ(cell.value, cell.solution);
}

TEST(Solve, RevealsEverythingAndEndsTheGameQuietly) {
    PlayTable t;
    t.host.now = 1000;
    t.StartGame(66);
    Cell* entered = t.FirstEmpty();
    t.Select(entered->solution % 9 + 1);
    t.Click(entered->column, entered->row);
    ASSERT_TRUE(t.Run(cmd::StartBranch));
    Cell* inBranch = t.FirstEmpty();
    t.Select(inBranch->solution);
    t.Click(inBranch->column, inBranch->row);
    ASSERT_TRUE(t.Run(cmd::ShowHint));
    const int32_t hintTimer = t.host.timers.begin()->first;
    t.host.now += 465;

    ASSERT_TRUE(t.Run(cmd::SolvePuzzle));
    for (const Cell& cell : t.game.grid) EXPECT_EQ(cell.value, cell.solution);
    EXPECT_EQ(t.Session().state, GameState::NoGame);
    EXPECT_EQ(FormatElapsed(t.Session().clock.stoppedSeconds), "   07:45");
    EXPECT_TRUE(t.game.undoLog.Empty());
    EXPECT_FALSE(t.Session().branchOpen);
    EXPECT_EQ(t.Session().statistics, PlayStatistics{});
    EXPECT_TRUE(inBranch->inBranch); // still drawn in the branch colour
    EXPECT_TRUE(t.host.messages.empty());
    EXPECT_EQ(t.DeliverPosted(), 0);
    EXPECT_TRUE(t.results.empty());
    // The hint's timer does not punch a hole into the solution.
    t.controller.OnTimer(hintTimer);
    for (const Cell& cell : t.game.grid) EXPECT_EQ(cell.value, cell.solution);
    EXPECT_FALSE(t.Run(cmd::SolvePuzzle));
}

TEST(DisplaySwitches, ToggleTheirFlagAndSaveTheOptionsExceptTheRevealSwitch) {
    PlayTable t;
    EXPECT_TRUE(t.Run(cmd::HighlightSelection)); // always available
    EXPECT_TRUE(t.game.options.HighlightSelection);
    EXPECT_EQ(t.optionSaves, 1);
    EXPECT_FALSE(t.Run(cmd::ShowMisplaced)); // only in play
    t.StartGame(4);
    EXPECT_TRUE(t.Run(cmd::ShowMisplaced));
    EXPECT_FALSE(t.game.options.CheckGuess);
    EXPECT_TRUE(t.Run(cmd::HidePencilMarks));
    EXPECT_TRUE(t.Session().hidePencilMarks);
    EXPECT_EQ(t.optionSaves, 3);
    EXPECT_TRUE(t.Run(cmd::RevealToggle));
    EXPECT_TRUE(t.Session().revealSolutions);
    EXPECT_EQ(t.optionSaves, 3);
    // Turning Show Misplaced off and on costs nothing.
    EXPECT_TRUE(t.Run(cmd::ShowMisplaced));
    EXPECT_TRUE(t.game.options.CheckGuess);
    EXPECT_EQ(PenaltySeconds(t.Session().statistics), 0U);
    // Highlighting seen on at a refresh costs 60 seconds, once.
    t.Enabled(cmd::HighlightSelection);
    t.Enabled(cmd::HighlightSelection);
    EXPECT_EQ(PenaltySeconds(t.Session().statistics), 60U);
    // The flags survive a new game.
    t.host.answers = {true};
    t.Run(cmd::New);
    EXPECT_TRUE(t.Session().hidePencilMarks);
    EXPECT_TRUE(t.Session().revealSolutions);
}

} // namespace
} // namespace zentile
