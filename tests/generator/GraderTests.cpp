#include "Grader.h"
#include "GridOrder.h"
#include "solver/SudokuSolver.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace zentile {
namespace {

using test::FromRowMajor;

// Puzzles as 81 digits in record order (column by column, 0 = empty).
Digits Parse(std::string_view text) {
    Digits puzzle{};
    for (int k = 0; k < kCells; ++k) puzzle[k] = static_cast<uint8_t>(text[k] - '0');
    return puzzle;
}

// The one solution, from the game's own solver.
Digits SolutionOf(const Digits& puzzle) {
    SolverGrid output{};
    CSudokuSolver solver;
    EXPECT_EQ(solver.SolveGrid(test::ToSolverGrid(puzzle), output), 1);
    return test::FromSolverGrid(output);
}

// For each technique a puzzle (found with `zentile-generate --examples`) that the techniques
// of its level solve, and that they cannot solve once it is taken away.
struct Example {
    Technique technique;
    std::string_view puzzle;
};

constexpr Example kExamples[] = {
    {Technique::FullHouse,
     "020080905069000078005100263090056830000010000073840010438001600950000320206030080"},
    {Technique::HiddenSingleBox,
     "014906587673520009095107230108304975537000462946205308062701850700082693489603720"},
    {Technique::HiddenSingleRow,
     "000350021010000300003001500301040600900000005005080902002600800009000040450079000"},
    {Technique::HiddenSingleColumn,
     "000350021010000000003001500301040600900000005005080902002600800000000040450079000"},
    {Technique::NakedSingle,
     "000906507670520009000100230100000000537000462000000008062001000700082093409603000"},
    {Technique::Pointing,
     "000000500047000038009008000703400029004020080810000043000050001000012300008006000"},
    {Technique::Claiming,
     "000200800260070000800405269621000090058000610090000325183702006000040083006001000"},
    {Technique::NakedPair,
     "000000500047000038009008000703400029004020080810000043000050001000012300008006000"},
    {Technique::HiddenPair,
     "020080905069000078005100260000056830000010000073840000038001600950000320206030080"},
    {Technique::NakedTriple,
     "061320000570600000830000000000005100305000400000082030010000697000010020000049000"},
    {Technique::HiddenTriple,
     "000060000003000080020001004600000520000000000130520000004250093009300000000046700"},
    {Technique::XWing,
     "000000809470000001820094000000061508605008710200000000000100060090000000300500000"},
    {Technique::XYWing,
     "200000008300001000000400607000530200700800940600000500407009000010000002065000000"},
    {Technique::XYZWing,
     "400800000015002604200000031000740000060000020000023000130000009908300740000008002"},
    {Technique::Swordfish,
     "004509000002700001500000069109070000030000070000080403860000004300006700000407300"},
    {Technique::NakedQuad,
     "050000012003000890000200560040106900000030000008509070069001000034000200180000050"},
    {Technique::HiddenQuad,
     "800007000014000500900050300402031000000000000000620804007060003005000910000200006"},
    {Technique::Jellyfish,
     "400300507308706000075000000090042000800000006000630090000000970000805203102007005"},
};

TEST(Grader, EachTechniqueSolvesAPuzzleThatNeedsIt) {
    ASSERT_EQ(std::size(kExamples), static_cast<std::size_t>(kTechniqueCount));
    Grader grader;
    for (int t = 0; t < kTechniqueCount; ++t) {
        const Example& example = kExamples[t];
        ASSERT_EQ(static_cast<int>(example.technique), t);
        SCOPED_TRACE(kTechniques[t].name);
        Digits puzzle = Parse(example.puzzle);
        int level = kTechniques[t].level;
        TechniqueSet set = TechniquesUpTo(level);

        Grading with = grader.Solve(puzzle, set);
        EXPECT_TRUE(with.solved);
        EXPECT_GT(with.steps[t], 0);
        EXPECT_EQ(with.grid, SolutionOf(puzzle));
        EXPECT_EQ(grader.Solve(puzzle).level, level);

        TechniqueSet without = set & ~Only(example.technique);
        if (kQuads & Only(example.technique)) without &= ~kQuads;
        EXPECT_FALSE(grader.Solve(puzzle, without).solved);
    }
}

TEST(Grader, NeverFillsInAWrongDigit) {
    // Hard public puzzles exercise every technique; an unsound elimination would show up as a
    // digit that differs from the solution.
    Grader grader;
    std::ifstream in(std::string(ZENTILE_BENCH_DATA_DIR) + "/top1465.txt");
    std::string line;
    std::array<int, kTechniqueCount> used{};
    int puzzles = 0;
    while (std::getline(in, line)) {
        if (line.size() < 81) continue;
        Digits puzzle = FromRowMajor(line);
        Digits solution = SolutionOf(puzzle);
        Grading grading = grader.Solve(puzzle);
        for (int cell = 0; cell < kCells; ++cell) {
            if (grading.grid[cell]) {
                ASSERT_EQ(grading.grid[cell], solution[cell]) << line;
            }
        }
        for (int t = 0; t < kTechniqueCount; ++t) used[t] += grading.steps[t];
        ++puzzles;
    }
    EXPECT_EQ(puzzles, 1465);
    // All but the rarest (quads, Jellyfish) come up.
    int techniques = 0;
    for (int n : used) techniques += n > 0;
    EXPECT_GE(techniques, kTechniqueCount - 3);
}

TEST(Grader, CallsPuzzlesBeyondTheHardSetVeryHard) {
    Grader grader;
    std::ifstream in(std::string(ZENTILE_BENCH_DATA_DIR) + "/forum_hardest_1106.txt");
    std::string line;
    int puzzles = 0;
    while (puzzles < 50 && std::getline(in, line)) {
        if (line.size() < 81) continue;
        Grading grading = grader.Solve(FromRowMajor(line));
        EXPECT_FALSE(grading.solved) << line;
        EXPECT_EQ(grading.level, kVeryHardLevel) << line;
        ++puzzles;
    }
    EXPECT_EQ(puzzles, 50);
}

} // namespace
} // namespace zentile
