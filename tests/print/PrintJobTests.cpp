#include "print/PageLayout.h"
#include "print/PrintJob.h"

#include <gtest/gtest.h>

namespace zentile {
namespace {

PrintJob JobOf(int32_t count, bool solutions) {
    PrintJob job;
    job.SetPrintSolutions(solutions);
    for (int32_t i = 0; i < count; ++i)
        job.AddPuzzle(i % 5, 1000 + i, PuzzleRecord{}, kClassicSymbols);
    return job;
}

TEST(PrintJob, PageCountsFollowTwoPuzzlesAndTwelveSolutionsToAPage) {
    struct Case {
        int32_t entries;
        bool solutions;
        int32_t puzzlePages;
        int32_t solutionPages;
    };
    const Case cases[] = {
        {1, true, 1, 1},    {2, true, 1, 1},    {3, false, 2, 0},  {12, true, 6, 1},
        {13, true, 7, 2},   {24, false, 12, 0}, {24, true, 12, 2}, {25, true, 13, 3},
        {100, true, 50, 9}, {0, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.entries) + (c.solutions ? " with" : " without") +
                     " solutions");
        const PrintJob job = JobOf(c.entries, c.solutions);
        EXPECT_EQ(job.PuzzlePageCount(), c.puzzlePages);
        EXPECT_EQ(job.SolutionPageCount(), c.solutionPages);
        EXPECT_EQ(job.PageCount(), c.puzzlePages + c.solutionPages);
    }
}

TEST(PrintJob, StartsWithoutSolutionsAndKeepsCopiesInOrder) {
    PrintJob job;
    EXPECT_FALSE(job.PrintSolutions());

    PuzzleRecord values{};
    values[0] = 7;
    values[161] = 3;
    SymbolSet letters = {'?', 'S', 'Y', 'N', 'D', 'I', 'C', 'A', 'T', 'E'};
    job.AddPuzzle(3, 4711, values, letters);
    job.AddPuzzle(0, 12, PuzzleRecord{}, kClassicSymbols);
    values[0] = 1; // the job holds its own copy
    letters[1] = 'X';

    ASSERT_EQ(job.Entries().size(), 2u);
    const PrintEntry& first = job.Entries()[0];
    EXPECT_EQ(first.level, 3);
    EXPECT_EQ(first.gameNumber, 4711);
    EXPECT_EQ(first.values[0], 7);
    EXPECT_EQ(first.values[161], 3);
    EXPECT_EQ(first.symbols[1], 'S');
    EXPECT_EQ(job.Entries()[1].gameNumber, 12);
}

TEST(PrintJob, CursorWalksTheEntriesOnceAndStopsPastTheEnd) {
    const PrintJob job = JobOf(3, true);
    PrintCursor cursor = job.Cursor();
    for (int32_t i = 0; i < 3; ++i) {
        ASSERT_FALSE(cursor.AtEnd());
        EXPECT_EQ(cursor.Current().gameNumber, 1000 + i);
        cursor.Advance();
    }
    EXPECT_TRUE(cursor.AtEnd());
    cursor.Advance();
    EXPECT_TRUE(cursor.AtEnd());
    EXPECT_EQ(cursor.Position(), 3u);

    // Solution pages start again from the first puzzle.
    EXPECT_EQ(job.Cursor().Current().gameNumber, 1000);
    EXPECT_TRUE(JobOf(0, false).Cursor().AtEnd());
}

TEST(PageLayout, GridsStandWhereThePageShowsThem) {
    // A 2400-pixel-wide page: the puzzles run from x 600 to 1680, one above the other.
    const PageMetrics letter{2400, 3300};
    EXPECT_EQ(PuzzleGridPlace(letter, 0), (GridPlace{600, 350, 120}));
    EXPECT_EQ(PuzzleGridPlace(letter, 1), (GridPlace{600, 1600, 120}));
    // Their left edge keeps 600 pixels left of the centre on any width.
    EXPECT_EQ(PuzzleGridPlace({2409, 3400}, 0).left, 604);

    // Solutions fill rows of three, top row first.
    EXPECT_EQ(SolutionGridPlace(0), (GridPlace{150, 300, 60}));
    EXPECT_EQ(SolutionGridPlace(1), (GridPlace{880, 300, 60}));
    EXPECT_EQ(SolutionGridPlace(3), (GridPlace{150, 950, 60}));
    EXPECT_EQ(SolutionGridPlace(11), (GridPlace{1610, 2250, 60}));
}

} // namespace
} // namespace zentile
