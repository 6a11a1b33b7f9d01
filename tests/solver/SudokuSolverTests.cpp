#include "solver/ReferenceSolver.h"
#include "solver/SudokuSolver.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace zentile {
namespace {

SolverGrid Parse(const std::string& text) {
    SolverGrid grid{};
    for (int i = 0; i < 81; ++i) grid[i] = (text[i] >= '1' && text[i] <= '9') ? text[i] - '0' : 0;
    return grid;
}

std::string Text(const SolverGrid& grid) {
    std::string s;
    for (int v : grid) s += static_cast<char>('0' + v);
    return s;
}

bool IsValidSolutionOf(const SolverGrid& solution, const SolverGrid& puzzle) {
    for (int i = 0; i < 81; ++i) {
        if (solution[i] < 1 || solution[i] > 9) return false;
        if (puzzle[i] >= 1 && puzzle[i] <= 9 && puzzle[i] != solution[i]) return false;
    }
    for (int u = 0; u < 9; ++u) {
        std::set<int> row, col, box;
        for (int k = 0; k < 9; ++k) {
            row.insert(solution[9 * u + k]);
            col.insert(solution[9 * k + u]);
            box.insert(solution[9 * (3 * (u / 3) + k / 3) + 3 * (u % 3) + k % 3]);
        }
        if (row.size() != 9 || col.size() != 9 || box.size() != 9) return false;
    }
    return true;
}

std::vector<std::string> ReadPuzzles(const std::string& file) {
    std::ifstream in(std::string(ZENTILE_BENCH_DATA_DIR) + "/" + file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (line.size() >= 81) lines.push_back(line.substr(0, 81));
    return lines;
}

const std::string kPuzzle = // top1465, line 1
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";

TEST(SudokuSolver, MatrixHasTheNamedColumnsAndRowsInOrder) {
    CSudokuSolver solver;
    ASSERT_EQ(solver.ColumnCount(), 324);
    ASSERT_EQ(solver.RowCount(), 729);
    EXPECT_EQ(solver.ColumnName(0), "R1C1");
    EXPECT_EQ(solver.ColumnName(80), "R9C9");
    EXPECT_EQ(solver.ColumnName(81), "1inR1");
    EXPECT_EQ(solver.ColumnName(90), "1inC1");
    EXPECT_EQ(solver.ColumnName(99), "1inB1");
    EXPECT_EQ(solver.ColumnName(323), "9inB9");

    // Digit 5 in row index 2, column index 7 is row 229; its ring runs first, last added, ...
    const DLXLink head = solver.RowHead(229);
    std::vector<int> columns;
    DLXLink n = head;
    do {
        columns.push_back(solver.ColumnNumber(solver.Node(n).column));
        n = solver.Node(n).right;
    } while (n != head);
    EXPECT_EQ(columns, (std::vector<int>{25, 209, 205, 191}));
    EXPECT_EQ(solver.ColumnName(25), "R3C8");
    EXPECT_EQ(solver.ColumnName(191), "5inR3");
    EXPECT_EQ(solver.ColumnName(205), "5inC8");
    EXPECT_EQ(solver.ColumnName(209), "5inB3");
}

TEST(SudokuSolver, VerdictsOnSmallGrids) {
    CSudokuSolver solver;
    SolverGrid out{};
    SolverGrid empty{};
    EXPECT_EQ(solver.SolveGrid(empty, out), 2);
    EXPECT_TRUE(IsValidSolutionOf(out, empty));

    SolverGrid puzzle = Parse(kPuzzle);
    ASSERT_EQ(solver.SolveGrid(puzzle, out), 1);
    ASSERT_TRUE(IsValidSolutionOf(out, puzzle));
    const SolverGrid solution = out;

    // A complete grid has itself as its one solution.
    SolverGrid again{};
    EXPECT_EQ(solver.SolveGrid(solution, again), 1);
    EXPECT_EQ(again, solution);

    // Negative values count as empty cells; a value above 9 leaves a cell no digit.
    SolverGrid negative = puzzle;
    for (int& v : negative)
        if (v == 0) v = -7;
    EXPECT_EQ(solver.SolveGrid(negative, out), 1);
    EXPECT_EQ(out, solution);
    SolverGrid tooBig = puzzle;
    tooBig[1] = 10;
    EXPECT_EQ(solver.SolveGrid(tooBig, out), 0);
}

TEST(SudokuSolver, ClashingGivensHaveNoSolution) {
    CSudokuSolver solver;
    SolverGrid out{};
    SolverGrid row{}, column{}, box{};
    row[9 * 4 + 0] = row[9 * 4 + 8] = 5;
    column[9 * 0 + 6] = column[9 * 8 + 6] = 3;
    box[9 * 3 + 3] = box[9 * 5 + 5] = 9;
    EXPECT_EQ(solver.SolveGrid(row, out), 0);
    EXPECT_EQ(solver.SolveGrid(column, out), 0);
    EXPECT_EQ(solver.SolveGrid(box, out), 0);
}

TEST(SudokuSolver, NoSolutionLeavesThePreviousOutput) {
    CSudokuSolver solver;
    SolverGrid out{};
    SolverGrid clash{};
    clash[0] = clash[1] = 1;
    EXPECT_EQ(solver.SolveGrid(clash, out), 0);
    EXPECT_EQ(out, SolverGrid{}); // nothing solved yet: all zero
    ASSERT_EQ(solver.SolveGrid(Parse(kPuzzle), out), 1);
    const SolverGrid solved = out;
    EXPECT_EQ(solver.SolveGrid(clash, out), 0);
    EXPECT_EQ(out, solved);
}

TEST(SudokuSolver, EveryGivenOfAMinimalPuzzleIsNeeded) {
    // 17-clue puzzles are minimal: removing any given leaves several solutions.
    const std::string puzzle = ReadPuzzles("17clue_10k.txt").at(0);
    CSudokuSolver solver;
    SolverGrid out{};
    SolverGrid grid = Parse(puzzle);
    ASSERT_EQ(solver.SolveGrid(grid, out), 1);
    for (int i = 0; i < 81; ++i) {
        if (grid[i] == 0) continue;
        SolverGrid fewer = grid;
        fewer[i] = 0;
        EXPECT_EQ(solver.SolveGrid(fewer, out), 2) << "without the given at " << i;
    }
}

TEST(SudokuSolver, NoGivenSurvivesIntoTheNextCall) {
    const auto puzzles = ReadPuzzles("top1465.txt");
    ASSERT_GE(puzzles.size(), 3u);
    CSudokuSolver used;
    SolverGrid out{};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(used.SolveGrid(Parse(puzzles[i]), out), 1);
        // An empty grid right after a full one still has many solutions.
        EXPECT_EQ(used.SolveGrid(SolverGrid{}, out), 2);
    }
    CSudokuSolver fresh;
    SolverGrid freshOut{};
    for (int i = 2; i >= 0; --i) {
        ASSERT_EQ(used.SolveGrid(Parse(puzzles[i]), out), 1);
        ASSERT_EQ(fresh.SolveGrid(Parse(puzzles[i]), freshOut), 1);
        EXPECT_EQ(out, freshOut);
    }
}

// Which of several solutions comes first follows from the order of the rows in each column:
// a fresh matrix lists them newest first, and a row that SolveGrid restores moves to the top,
// so the answer for an ambiguous grid depends on the grids solved before. Pinned, so that
// no change to the engine's insides can change it.
TEST(SudokuSolver, FirstOfSeveralSolutionsFollowsTheRowOrder) {
    const SolverGrid ambiguous = Parse(ReadPuzzles("serg_benchmark.txt").at(0));
    SolverGrid out{};
    CSudokuSolver fresh;
    ASSERT_EQ(fresh.SolveGrid(ambiguous, out), 2);
    EXPECT_EQ(Text(out), "831254679495367821276189354513426798968571243724893165382745916159632487"
                         "647918532");

    CSudokuSolver used;
    ASSERT_EQ(used.SolveGrid(SolverGrid{}, out), 2);
    EXPECT_EQ(Text(out), "987654321456231789321789456135867294842395617679142538263978145794513862"
                         "518426973");
    ASSERT_EQ(used.SolveGrid(Parse(kPuzzle), out), 1);
    ASSERT_EQ(used.SolveGrid(ambiguous, out), 2);
    EXPECT_EQ(Text(out), "821359674495768321376142859153426798968571243742893165537284916219635487"
                         "684917532");
}

// Every link and size of the matrix.
std::vector<int64_t> Links(const CSudokuSolver& s) {
    std::vector<int64_t> links;
    auto add = [&](DLXLink link) {
        const DLXNode n = s.Node(link);
        links.insert(links.end(), {n.left, n.right, n.up, n.down, n.column});
    };
    for (int c = 0; c < s.ColumnCount(); ++c) {
        add(s.ColumnHeader(c));
        links.push_back(s.ColumnSize(c));
    }
    for (int r = 0; r < s.RowCount(); ++r)
        for (DLXLink n = s.RowHead(r), first = n;;) {
            add(n);
            if ((n = s.Node(n).right) == first) break;
        }
    return links;
}

// SolveGrid leaves alone the rows that both the previous and the new givens exclude, instead
// of restoring and removing them again. The matrix must come out as after the full round
// trip: every row restored in order, then SetGiven for every cell.
TEST(SudokuSolver, RowsExcludedTwiceStayAsTheRoundTripLeavesThem) {
    const auto puzzles = ReadPuzzles("17clue_10k.txt");
    CSudokuSolver fast, slow;
    SolverGrid out{};
    for (int i = 0; i < 6; ++i) {
        const SolverGrid grid = Parse(puzzles[i]);
        fast.SolveGrid(grid, out);
        slow.RestoreAllRows();
        for (int cell = 0; cell < 81; ++cell) slow.SetGiven(cell / 9, cell % 9, grid[cell]);
        ASSERT_EQ(Links(fast), Links(slow)) << "after puzzle " << i;
    }
}

TEST(SudokuSolver, ColumnOrderGridComesBackInColumnOrder) {
    CSudokuSolver solver;
    SolverGrid rows = Parse(kPuzzle), columns{};
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) columns[9 * c + r] = rows[9 * r + c];
    SolverGrid rowSolution{}, columnSolution{};
    ASSERT_EQ(solver.SolveGrid(rows, rowSolution), 1);
    ASSERT_EQ(solver.SolveGrid(columns, columnSolution), 1);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) EXPECT_EQ(columnSolution[9 * c + r], rowSolution[9 * r + c]);
}

// The public benchmark sets: the first three have one solution per puzzle, the last one two
// or more. The solver in process and the command-line tool as a process must both give the
// independent solver's verdict and, where the solution is unique, its solution.
class BenchSet : public testing::TestWithParam<std::pair<const char*, int>> {};

std::vector<std::string> RunSolveTool(const std::string& file) {
    std::string command = std::string(ZENTILE_SOLVE_TOOL) + " < " + file;
    std::vector<std::string> lines;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return lines;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) {
        std::string line = buffer;
        if (!line.empty() && line.back() == '\n') line.pop_back();
        lines.push_back(line);
    }
    if (pclose(pipe) != 0) lines.clear();
    return lines;
}

TEST_P(BenchSet, SolverAndToolAgreeWithTheIndependentSolver) {
    auto [file, expected] = GetParam();
    const auto puzzles = ReadPuzzles(file);
    ASSERT_FALSE(puzzles.empty()) << file;
    const auto toolLines = RunSolveTool(std::string(ZENTILE_BENCH_DATA_DIR) + "/" + file);
    ASSERT_EQ(toolLines.size(), puzzles.size());
    CSudokuSolver solver;
    SolverGrid out{};
    int mismatches = 0;
    for (size_t i = 0; i < puzzles.size(); ++i) {
        const std::string& p = puzzles[i];
        reference::Result ref = reference::Solve(p);
        int count = solver.SolveGrid(Parse(p), out);
        bool ok = ref.count == expected && count == expected;
        if (expected == 1) {
            ok = ok && Text(out) == ref.solution && IsValidSolutionOf(out, Parse(p)) &&
                 toolLines[i] == "1 " + ref.solution;
        } else {
            // Which of several solutions comes first depends on the search order.
            ok = ok && IsValidSolutionOf(out, Parse(p)) && toolLines[i].size() == 83 &&
                 toolLines[i].rfind("2 ", 0) == 0;
        }
        if (!ok && ++mismatches <= 5) ADD_FAILURE() << p << ": " << count << ", " << toolLines[i];
    }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Sets, BenchSet,
                         testing::Values(std::make_pair("top1465.txt", 1),
                                         std::make_pair("17clue_10k.txt", 1),
                                         std::make_pair("forum_hardest_1106.txt", 1),
                                         std::make_pair("serg_benchmark.txt", 2)),
                         [](const testing::TestParamInfo<BenchSet::ParamType>& info) {
                             // The file name without ".txt", so test names stay the same
                             // from run to run.
                             const std::string file = info.param.first;
                             return file.substr(0, file.find('.'));
                         });

TEST(SolveTool, ReportsMalformedLinesAndGoesOn) {
    const std::string input = std::string(81, '.') + "\n" + "12x\n" + kPuzzle + "\r\n" +
                              std::string(80, '.') + "a\n" + "11" + std::string(79, '0') + "\n";
    char path[] = "/tmp/zentile-solve-XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
    close(fd);
    FILE* pipe = popen((std::string(ZENTILE_SOLVE_TOOL) + " < " + path).c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::vector<std::string> lines;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) lines.emplace_back(buffer);
    pclose(pipe);
    std::remove(path);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].substr(0, 2), "2 ");
    EXPECT_EQ(lines[1].rfind("error: ", 0), 0u);
    EXPECT_EQ(lines[2], "1 " + reference::Solve(kPuzzle).solution + "\n");
    EXPECT_EQ(lines[3].rfind("error: ", 0), 0u);
    EXPECT_EQ(lines[4], "0 -\n");
}

} // namespace
} // namespace zentile
