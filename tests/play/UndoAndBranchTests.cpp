#include "play/KeyCodes.h"
#include "support/PlayTable.h"

#include <gtest/gtest.h>

namespace zentile {
namespace {

using test::PlayTable;

// A running game with four open cells a, b, c, d to work on.
struct Branches : PlayTable {
    Cell* a;
    Cell* b;
    Cell* c;
    Cell* d;
    Branches() {
        StartGame(321);
        std::vector<Cell*> open;
        for (Cell& cell : game.grid)
            if (!cell.given) open.push_back(&cell);
        a = open[0];
        b = open[1];
        c = open[2];
        d = open[3];
    }
    void Enter(Cell* cell, int32_t digit) {
        Select(digit);
        Click(cell->column, cell->row);
    }
    void Erase(Cell* cell) {
        Select(0);
        Click(cell->column, cell->row);
    }
};

TEST(Undo, TakesChangesBackNewestFirst) {
    Branches t;
    t.Enter(t.a, 4);
    t.Select(7);
    t.RightClick(t.b->column, t.b->row);
    ASSERT_TRUE(t.Run(cmd::Undo));
    EXPECT_FALSE(t.b->HasPencilMark(7));
    EXPECT_EQ(t.a->value, 4);
    ASSERT_TRUE(t.Run(cmd::Undo));
    EXPECT_EQ(t.a->value, 0);
    EXPECT_EQ(t.Session().statistics.undos, 2U);
    EXPECT_FALSE(t.Run(cmd::Undo)); // the log is empty
    EXPECT_EQ(t.Session().statistics.undos, 2U);
}

TEST(Undo, AnErasureComesBackWithItsDigitAndMarks) {
    Branches t;
    t.Select(3);
    t.RightClick(t.a->column, t.a->row);
    t.Select(5);
    t.RightClick(t.a->column, t.a->row);
    t.Enter(t.a, 9);
    t.Erase(t.a);
    ASSERT_TRUE(t.Run(cmd::Undo));
    EXPECT_EQ(t.a->value, 9);
    ASSERT_TRUE(t.Run(cmd::Undo));
    EXPECT_EQ(t.a->value, 0);
    EXPECT_TRUE(t.a->HasPencilMark(3));
    EXPECT_TRUE(t.a->HasPencilMark(5));
}

TEST(Undo, OnlyWhilePlaying) {
    Branches t;
    t.Enter(t.a, 2);
    Pause(t.Session(), t.host.now);
    EXPECT_FALSE(t.Run(cmd::Undo));
    t.controller.undo.Undo(); // even called directly
    EXPECT_EQ(t.a->value, 2);
    EXPECT_EQ(t.game.undoLog.Size(), 1U); // kept for after the pause
}

TEST(Branch, StartingEmptiesTheLogAndCountsOnce) {
    Branches t;
    t.Enter(t.a, 1);
    t.Enter(t.b, 2);
    ASSERT_TRUE(t.Run(cmd::StartBranch));
    EXPECT_FALSE(t.Enabled(cmd::Undo));
    EXPECT_FALSE(t.Enabled(cmd::StartBranch)); // no nested branch
    EXPECT_TRUE(t.Session().statistics.branchUsed);
    ASSERT_TRUE(t.Run(cmd::RejectBranch));
    ASSERT_TRUE(t.Run(cmd::StartBranch));
    EXPECT_EQ(PenaltySeconds(t.Session().statistics), 30U); // rejected or not, once
}

TEST(Branch, AcceptedEntriesStayAsOrdinaryEntries) {
    Branches t;
    ASSERT_TRUE(t.Run(cmd::StartBranch));
    t.Enter(t.a, 3);
    EXPECT_TRUE(t.a->inBranch);
    ASSERT_TRUE(t.Run(cmd::AcceptBranch));
    EXPECT_EQ(t.a->value, 3);
    EXPECT_FALSE(t.a->inBranch);
    EXPECT_FALSE(t.Session().branchOpen);
    EXPECT_FALSE(t.Enabled(cmd::Undo));
    EXPECT_FALSE(t.Enabled(cmd::AcceptBranch));
}

TEST(Branch, RejectingEmptiesEveryCellTouchedInsideIt) {
    Branches t;
    t.Enter(t.b, 8); // before the branch
    t.Enter(t.c, 6); // before the branch, typed over inside it
    t.Enter(t.d, 1); // before the branch, left alone
    t.Select(2);
    ASSERT_TRUE(t.Run(cmd::StartBranch));
    t.Enter(t.a, 3);
    t.Erase(t.b);
    // Typing 7 on it leaves 6 in place, but marks the cell.
    t.Key(kKeyDown);
    t.Session().cursorColumn = t.c->column;
    t.Session().cursorRow = t.c->row;
    t.Key('7');
    EXPECT_EQ(t.c->value, 6);
    t.Select(4);
    t.RightClick(t.d->column, t.d->row); // pencil marks are not branch entries
    ASSERT_TRUE(t.Run(cmd::RejectBranch));
    EXPECT_EQ(t.a->value, 0);
    EXPECT_EQ(t.b->value, 0); // an erasure inside the branch is not restored
    EXPECT_EQ(t.c->value, 0);
    EXPECT_EQ(t.d->value, 1);
    EXPECT_TRUE(t.d->HasPencilMark(4));
    EXPECT_FALSE(t.Enabled(cmd::Undo));
}

TEST(Branch, AChangeUndoneInsideTheBranchIsNoLongerPartOfIt) {
    Branches t;
    t.Enter(t.a, 5);
    ASSERT_TRUE(t.Run(cmd::StartBranch));
    t.Erase(t.a);
    ASSERT_TRUE(t.Run(cmd::Undo));
    EXPECT_EQ(t.a->value, 5);
    EXPECT_FALSE(t.a->inBranch);
    ASSERT_TRUE(t.Run(cmd::RejectBranch));
    EXPECT_EQ(t.a->value, 5);
}

} // namespace
} // namespace zentile
