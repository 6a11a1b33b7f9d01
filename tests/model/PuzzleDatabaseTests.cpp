// Every property the shipped puzzle tables promise, checked over all 6907 records. The
// grading of each record is checked with the generator's grader in tests/generator.

#include "model/PuzzleDatabase.h"
#include "solver/SudokuSolver.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace zentile {
namespace {

struct LevelFacts {
    int leastClues;
    double meanClues; // to one decimal
    int mostClues;
    uint32_t symmetric;
    uint64_t checksum; // FNV-1a of the table's 162-digit records, one after the other
};

// The checksums pin the data: regenerating or editing the tables must update them here.
constexpr LevelFacts kFacts[kDatabaseLevels] = {
    {29, 35.2, 37, 124, 0xB10D9A4458724513ull},  // Very Easy
    {25, 34.7, 37, 1637, 0x88EE345DB938C3CEull}, // Easy
    {24, 29.8, 37, 2763, 0x68C3E7B99354D356ull}, // Medium
    {24, 29.1, 37, 1855, 0x0C83B81D511CC9C7ull}, // Hard
    {24, 27.7, 32, 447, 0x0827936B4D0790F1ull},  // Very Hard
};

std::string LevelTrace(int level, uint32_t index) {
    return std::string(LevelNames[level].English()) + " record " + std::to_string(index);
}

bool IsValidSolution(const PuzzleRecord& record) {
    // Every row, column and box holds each digit once.
    for (int house = 0; house < 27; ++house) {
        unsigned seen = 0;
        for (int i = 0; i < 9; ++i) {
            int column = house < 9 ? i : house < 18 ? house - 9 : 3 * ((house - 18) % 3) + i % 3;
            int row = house < 9 ? house : house < 18 ? i : 3 * ((house - 18) / 3) + i / 3;
            int digit = record[81 + 9 * column + row];
            if (digit < 1 || digit > 9) return false;
            seen |= 1u << digit;
        }
        if (seen != 0x3FEu) return false;
    }
    return true;
}

int ClueCount(const PuzzleRecord& record) {
    int clues = 0;
    for (int k = 0; k < 81; ++k) clues += record[k] != 0;
    return clues;
}

bool IsHalfTurnSymmetric(const PuzzleRecord& record) {
    for (int k = 0; k < 81; ++k)
        if ((record[k] != 0) != (record[80 - k] != 0)) return false;
    return true;
}

TEST(PuzzleDatabase, EveryRecordIsAValidPuzzleWithItsOneSolution) {
    CSudokuSolver solver;
    for (int level = 0; level < kDatabaseLevels; ++level) {
        const PuzzleTable& table = PuzzleDatabase[level];
        ASSERT_EQ(table.count, kLevelRecordCounts[level]);
        for (uint32_t i = 0; i < table.count; ++i) {
            SCOPED_TRACE(LevelTrace(level, i));
            PuzzleRecord record = table.Record(i);
            ASSERT_TRUE(IsValidSolution(record));
            SolverGrid clues{};
            SolverGrid expected{};
            for (int k = 0; k < 81; ++k) {
                int clue = record[k];
                ASSERT_TRUE(clue == 0 || clue == record[81 + k]) << "clue " << k;
                // The solver takes row-major grids; records go column by column.
                clues[9 * (k % 9) + k / 9] = clue;
                expected[9 * (k % 9) + k / 9] = record[81 + k];
            }
            SolverGrid found{};
            ASSERT_EQ(solver.SolveGrid(clues, found), 1);
            ASSERT_EQ(found, expected);
        }
    }
}

TEST(PuzzleDatabase, ClueCountsAndSymmetryMatchEachLevel) {
    for (int level = 0; level < kDatabaseLevels; ++level) {
        SCOPED_TRACE(LevelNames[level].English());
        const PuzzleTable& table = PuzzleDatabase[level];
        int least = 81;
        int most = 0;
        long sum = 0;
        uint32_t symmetric = 0;
        for (uint32_t i = 0; i < table.count; ++i) {
            PuzzleRecord record = table.Record(i);
            int clues = ClueCount(record);
            least = std::min(least, clues);
            most = std::max(most, clues);
            sum += clues;
            symmetric += IsHalfTurnSymmetric(record);
        }
        double mean = static_cast<double>(sum) / table.count;
        EXPECT_EQ(least, kFacts[level].leastClues);
        EXPECT_EQ(most, kFacts[level].mostClues);
        EXPECT_EQ(std::round(mean * 10), std::round(kFacts[level].meanClues * 10)) << mean;
        EXPECT_EQ(symmetric, kFacts[level].symmetric);
    }
}

TEST(PuzzleDatabase, NoTwoRecordsShareSolutionOrClues) {
    std::set<std::string_view> solutions;
    std::set<std::string_view> clueSets;
    for (int level = 0; level < kDatabaseLevels; ++level) {
        const PuzzleTable& table = PuzzleDatabase[level];
        for (uint32_t i = 0; i < table.count; ++i) {
            std::string_view text = table.Text(i);
            EXPECT_TRUE(solutions.insert(text.substr(81)).second) << LevelTrace(level, i);
            EXPECT_TRUE(clueSets.insert(text.substr(0, 81)).second) << LevelTrace(level, i);
        }
    }
}

TEST(PuzzleDatabase, TablesAreTheOnesShipped) {
    for (int level = 0; level < kDatabaseLevels; ++level) {
        const PuzzleTable& table = PuzzleDatabase[level];
        uint64_t hash = 14695981039346656037ull;
        for (uint32_t i = 0; i < table.count; ++i) {
            for (char ch : table.Text(i)) {
                hash ^= static_cast<unsigned char>(ch);
                hash *= 1099511628211ull;
            }
        }
        EXPECT_EQ(hash, kFacts[level].checksum)
            << LevelNames[level].English()
            << ": the table changed; if that was meant, pin the new sum";
    }
}

} // namespace
} // namespace zentile
