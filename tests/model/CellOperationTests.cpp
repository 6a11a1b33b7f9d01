#include "model/CellOperations.h"
#include "model/Game.h"
#include "model/Hints.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace zentile {
namespace {

using test::FakeHost;

// A tiny solved board: every cell's solution is (column + row) % 9 + 1, column 0 given.
struct Board {
    FakeHost host;
    Game game;
    Board() {
        for (Cell& cell : game.grid) {
            cell.solution = (cell.column + cell.row) % 9 + 1;
            cell.given = cell.column == 0;
        }
        game.session.state = GameState::Playing;
    }
    void FillAllBut(int32_t column, int32_t row) {
        for (Cell& cell : game.grid)
            if (!cell.given && !(cell.column == column && cell.row == row))
                cell.value = cell.solution;
    }
};

TEST(Cell, StartsEmptyAtItsOwnPositionAndResetKeepsHintAndGeometry) {
    Grid grid;
    for (int32_t c = 0; c < Grid::columnCount; ++c)
        for (int32_t r = 0; r < Grid::rowCount; ++r) {
            const Cell& cell = grid[c * 9 + r];
            EXPECT_EQ(cell.column, c);
            EXPECT_EQ(cell.row, r);
            EXPECT_EQ(&cell, &grid.At(c, r));
            EXPECT_EQ(cell.solution + cell.value + int(cell.pencilMarks), 0);
        }

    Cell cell{.column = 1,
              .row = 2,
              .width = 40,
              .height = 30,
              .left = 58,
              .top = 78,
              .solution = 4,
              .value = 4,
              .given = true,
              .inBranch = true,
              .pencilMarks = 0x22,
              .hinted = true};
    cell.Reset(7, 3);
    EXPECT_EQ(cell.column, 7);
    EXPECT_EQ(cell.row, 3);
    EXPECT_EQ(cell.solution, 0);
    EXPECT_EQ(cell.value, 0);
    EXPECT_FALSE(cell.given);
    EXPECT_FALSE(cell.inBranch);
    EXPECT_EQ(cell.pencilMarks, 0U);
    EXPECT_TRUE(cell.hinted);
    EXPECT_EQ(cell.width + cell.height + cell.left + cell.top, 40 + 30 + 58 + 78);
}

TEST(Cell, ShownDigitIsTheSolutionOfAGivenCellAndTheEntryOtherwise) {
    Cell cell;
    cell.SetSolution(6);
    EXPECT_TRUE(cell.given);
    cell.value = 2; // a digit typed on a given cell stays hidden
    EXPECT_EQ(cell.ShownDigit(), 6);
    cell.SetSolution(0);
    EXPECT_FALSE(cell.given);
    EXPECT_EQ(cell.ShownDigit(), 2);
}

TEST(Cell, EndBranchKeepsOrEmptiesOnlyMarkedCells) {
    Cell marked{.value = 3, .inBranch = true, .pencilMarks = 0x10};
    Cell unmarked{.value = 8};
    Cell accepted = marked;
    accepted.EndBranch(true);
    EXPECT_EQ(accepted.value, 3);
    EXPECT_FALSE(accepted.inBranch);
    marked.EndBranch(false);
    unmarked.EndBranch(false);
    EXPECT_EQ(marked.value, 0);
    EXPECT_EQ(marked.pencilMarks, 0x10U);
    EXPECT_EQ(unmarked.value, 8);
}

TEST(SetValue, AnOccupiedCellKeepsItsDigitButLosesItsMarksWithoutAnUndoRecord) {
    Board b;
    Cell& cell = b.game.grid.At(4, 4);
    cell.value = 3;
    cell.pencilMarks = 0b1010;
    b.FillAllBut(4, 4); // still incomplete: (4,4) holds 3, not its solution
    b.game.session.branchOpen = true;
    SetValue(b.game, b.host, cell, 5);
    EXPECT_EQ(cell.value, 3);
    EXPECT_EQ(cell.pencilMarks, 0U);
    EXPECT_TRUE(cell.inBranch); // marked for the branch although nothing changed
    EXPECT_TRUE(b.game.undoLog.Empty());
    EXPECT_EQ(b.game.session.statistics.erasures, 0U);
    EXPECT_EQ(b.host.postedSolved, 0);
}

TEST(SetValue, ErasingAnEmptyCellCountsAndLogs) {
    Board b;
    Cell& cell = b.game.grid.At(2, 5);
    cell.pencilMarks = 0b100;
    SetValue(b.game, b.host, cell, 0);
    EXPECT_EQ(b.game.session.statistics.erasures, 1U);
    ASSERT_EQ(b.game.undoLog.Size(), 1U);
    EXPECT_EQ(b.game.undoLog.Front().column, 2);
    EXPECT_EQ(b.game.undoLog.Front().row, 5);
    EXPECT_EQ(b.game.undoLog.Front().previous.pencilMarks, 0b100U);
    EXPECT_EQ(cell.pencilMarks, 0U);
}

TEST(SetValue, ErasingAGivenCellIsCountedAndLoggedButChangesNothingShown) {
    Board b;
    Cell& given = b.game.grid.At(0, 3);
    SetValue(b.game, b.host, given, 0);
    EXPECT_EQ(given.ShownDigit(), given.solution);
    EXPECT_EQ(b.game.undoLog.Size(), 1U);
    EXPECT_EQ(b.game.session.statistics.erasures, 1U);
}

TEST(CheckCompletion, PostsOnceTheLastCellIsRightAndIgnoresHiddenValuesOfGivens) {
    Board b;
    b.FillAllBut(8, 8);
    b.game.grid.At(0, 0).value = 7; // hidden value on a given cell does not block
    SetValue(b.game, b.host, b.game.grid.At(8, 8), 3); // wrong
    EXPECT_EQ(b.host.postedSolved, 0);
    SetValue(b.game, b.host, b.game.grid.At(8, 8), 0);
    EXPECT_EQ(b.host.postedSolved, 0);
    SetValue(b.game, b.host, b.game.grid.At(8, 8), b.game.grid.At(8, 8).solution);
    EXPECT_EQ(b.host.postedSolved, 1);
}

TEST(CheckCompletion, AHintedDigitIsNotAnEntry) {
    Board b;
    b.FillAllBut(5, 1);
    b.game.grid.At(7, 7).value = 0;
    ShowHint(b.game, b.game.grid.At(5, 1));
    SetValue(b.game, b.host, b.game.grid.At(7, 7), b.game.grid.At(7, 7).solution);
    EXPECT_EQ(b.host.postedSolved, 0);
    EXPECT_FALSE(IsComplete(b.game.grid));
}

TEST(TogglePencilMark, FlipsTheBitWhateverTheCellHolds) {
    Board b;
    Cell& cell = b.game.grid.At(0, 0); // a given cell
    TogglePencilMark(b.game, cell, 7);
    TogglePencilMark(b.game, cell, 2);
    EXPECT_TRUE(cell.HasPencilMark(7));
    EXPECT_TRUE(cell.HasPencilMark(2));
    TogglePencilMark(b.game, cell, 7);
    EXPECT_FALSE(cell.HasPencilMark(7));
    EXPECT_EQ(b.game.session.statistics.pencilToggles, 3U);
    EXPECT_EQ(b.game.undoLog.Size(), 3U);
}

TEST(UndoLog, NewestFirstAndHintsAreNeverRecorded) {
    UndoLog log;
    Cell a{.column = 1, .row = 2, .value = 4};
    Cell hinted{
        .column = 3, .row = 4, .solution = 9, .value = 9, .pencilMarks = 0b10, .hinted = true};
    log.Push(a);
    log.Push(hinted);
    const LogState newest = log.Pop();
    EXPECT_EQ(newest.column, 3);
    EXPECT_EQ(newest.row, 4);
    EXPECT_FALSE(newest.previous.hinted);
    EXPECT_EQ(newest.previous.value, 0);
    EXPECT_EQ(newest.previous.pencilMarks, 0b10U);
    EXPECT_EQ(log.Pop().previous.value, 4);
    EXPECT_TRUE(log.Empty());
    log.Push(a);
    log.Clear();
    EXPECT_TRUE(log.Empty());
}

TEST(Hints, TimerIdentifiersEncodeTheCell) {
    EXPECT_EQ(HintTimerId(0, 0), 1);
    EXPECT_EQ(HintTimerId(8, 8), 89);
    for (int32_t c = 0; c < 9; ++c)
        for (int32_t r = 0; r < 9; ++r)
            EXPECT_EQ(HintTimerCell(HintTimerId(c, r)), (CellPosition{c, r}));
    EXPECT_FALSE(HintTimerCell(0));
    EXPECT_FALSE(HintTimerCell(10));  // row 9 does not exist
    EXPECT_FALSE(HintTimerCell(500)); // the clock
}

TEST(Hints, EndPendingHintsClearsTheCellsAndStopsTheirTimers) {
    Board b;
    Cell& cell = b.game.grid.At(6, 2);
    ShowHint(b.game, cell);
    b.host.StartTimer(HintTimerId(6, 2), kHintMilliseconds, false);
    EndPendingHints(b.game, b.host);
    EXPECT_FALSE(cell.hinted);
    EXPECT_EQ(cell.value, 0);
    EXPECT_FALSE(b.host.TimerRunning(HintTimerId(6, 2)));
}

} // namespace
} // namespace zentile
