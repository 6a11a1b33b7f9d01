#include "solver/DLXSolver.h"
#include "solver/ExactCoverModel.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zentile {
namespace {

int LinkedNodes(const CDLXSolver& s, int column) {
    const DLXLink header = s.ColumnHeader(column);
    int count = 0;
    for (DLXLink n = s.Node(header).down; n != header; n = s.Node(n).down) ++count;
    return count;
}

// Records every exact cover as the names read back through NextSolutionName, with "|" for
// each end-of-row none and "#" for the final none. Also counts the columns whose size,
// seen from inside the search, is not the number of nodes linked into them.
class RecordingSolver : public CDLXSolver {
public:
    std::vector<std::string> solutions;
    int stopAfter = -1;
    int wrongSizes = 0;

    bool OnSolution() override {
        for (int c = 0; c < ColumnCount(); ++c)
            wrongSizes += ColumnSize(c) != LinkedNodes(*this, c);
        std::string text;
        for (int guard = 0; guard < 100000; ++guard) {
            auto name = NextSolutionName();
            if (name) {
                text += std::string(*name) + " ";
                continue;
            }
            auto again = NextSolutionName();
            if (!again) {
                text += "#";
                break;
            }
            text += "| " + std::string(*again) + " ";
        }
        solutions.push_back(text);
        return stopAfter < 0 || static_cast<int>(solutions.size()) < stopAfter;
    }

    void AddRow(const std::vector<int>& columnNumbers) {
        BeginRow();
        for (int c : columnNumbers) AddNode(c);
    }

    void Run() {
        ResetSearch();
        Search();
    }
};

// Every link and size of the matrix, to prove a search leaves it exactly as it found it.
std::map<DLXLink, std::vector<int64_t>> Snapshot(const RecordingSolver& s) {
    std::map<DLXLink, std::vector<int64_t>> links;
    auto add = [&](DLXLink link, int64_t extra) {
        DLXNode n = s.Node(link);
        links[link] = {n.left, n.right, n.up, n.down, n.column, extra};
    };
    add(CDLXSolver::root, 0);
    for (int c = 0; c < s.ColumnCount(); ++c) add(s.ColumnHeader(c), s.ColumnSize(c));
    for (int r = 0; r < s.RowCount(); ++r) {
        DLXLink n = s.RowHead(r);
        do {
            add(n, 0);
            n = s.Node(n).right;
        } while (n != s.RowHead(r));
    }
    return links;
}

// The matrix of Knuth's paper: columns A..G, six rows, one exact cover (rows 0, 3, 4).
void BuildKnuthExample(RecordingSolver& s) {
    for (const char* name : {"A", "B", "C", "D", "E", "F", "G"}) s.AddColumn(name, true);
    s.AddRow({2, 4, 5}); // C E F
    s.AddRow({0, 3, 6}); // A D G
    s.AddRow({1, 2, 5}); // B C F
    s.AddRow({0, 3});    // A D
    s.AddRow({1, 6});    // B G
    s.AddRow({3, 4, 6}); // D E G
}

TEST(DLXSolver, FindsTheOnlyCoverAndReadsRowsFromTheChosenColumnRightwards) {
    RecordingSolver s;
    BuildKnuthExample(s);
    s.Run();
    ASSERT_EQ(s.solutions.size(), 1u);
    // Column A is chosen first (leftmost of the smallest), row "A D" first in it; then E with
    // row "C E F", whose ring runs first, last added, ... : C F E, read from E: E C F.
    EXPECT_EQ(s.solutions[0], "A D | E C F | B G #");
    EXPECT_FALSE(s.NextSolutionName().has_value());
}

TEST(DLXSolver, EnumeratesEverySolutionUnlessToldToStop) {
    RecordingSolver all;
    all.AddColumn("A", true);
    all.AddColumn("B", true);
    all.AddRow({0});
    all.AddRow({1});
    all.AddRow({0, 1});
    all.Run();
    EXPECT_EQ(all.solutions.size(), 2u);
    EXPECT_TRUE(all.ContinueSearch());

    RecordingSolver first;
    first.AddColumn("A", true);
    first.AddColumn("B", true);
    first.AddRow({0});
    first.AddRow({1});
    first.AddRow({0, 1});
    first.stopAfter = 1;
    first.Run();
    EXPECT_EQ(first.solutions.size(), 1u);
    EXPECT_FALSE(first.ContinueSearch());
}

TEST(DLXSolver, MatrixWithoutPrimaryColumnsHasOnlyTheEmptySolution) {
    RecordingSolver s;
    s.AddColumn("S", false);
    s.AddRow({0});
    s.Run();
    ASSERT_EQ(s.solutions.size(), 1u);
    EXPECT_EQ(s.solutions[0], "#");
}

TEST(DLXSolver, EmptyPrimaryColumnMeansNoSolution) {
    RecordingSolver s;
    s.AddColumn("A", true);
    s.AddColumn("B", true);
    s.AddRow({0});
    s.Run();
    EXPECT_TRUE(s.solutions.empty());
}

TEST(DLXSolver, SecondaryColumnIsNeverChosenButUsedAtMostOnce) {
    RecordingSolver s;
    s.AddColumn("A", true);
    s.AddColumn("B", true);
    s.AddColumn("S", false);
    s.AddRow({0, 2}); // A S
    s.AddRow({1, 2}); // B S
    s.AddRow({0});    // A
    s.AddRow({1});    // B
    s.Run();
    // {A S}+{B}, {A}+{B S}, {A}+{B}; never {A S}+{B S}.
    ASSERT_EQ(s.solutions.size(), 3u);
    for (const std::string& text : s.solutions) {
        size_t first = text.find('S');
        EXPECT_TRUE(first == std::string::npos || text.find('S', first + 1) == std::string::npos)
            << text;
    }
}

TEST(DLXSolver, OutOfRangeNumbersAreIgnored) {
    RecordingSolver s;
    s.AddColumn("A", true);
    s.AddNode(5);
    s.AddNode(-1);
    EXPECT_EQ(s.RowCount(), 0);
    s.AddNode(0);
    s.RemoveRow(3);
    s.RestoreRow(-2);
    EXPECT_EQ(s.ColumnSize(0), 1);
    s.Run();
    EXPECT_EQ(s.solutions.size(), 1u);
}

TEST(DLXSolver, RemoveAndRestoreAreIdempotentAndKeepSizesTrue) {
    RecordingSolver s;
    BuildKnuthExample(s);
    auto check = [&] {
        for (int c = 0; c < s.ColumnCount(); ++c)
            EXPECT_EQ(s.ColumnSize(c), LinkedNodes(s, c)) << s.ColumnName(c);
    };
    s.RemoveRow(1);
    s.RemoveRow(1);
    check();
    EXPECT_EQ(s.ColumnSize(0), 1); // A keeps only "A D"
    s.RestoreRow(1);
    s.RestoreRow(1);
    s.RestoreRow(2); // present: nothing happens
    check();
    EXPECT_EQ(s.ColumnSize(0), 2);

    // Without row 3 ("A D") the only cover is gone.
    s.RemoveRow(3);
    s.Run();
    EXPECT_TRUE(s.solutions.empty());
    s.RestoreRow(3);
    s.Run();
    EXPECT_EQ(s.solutions.size(), 1u);
}

TEST(DLXSolver, RestoredRowMovesToTheTopOfItsColumns) {
    RecordingSolver s;
    s.AddColumn("A", true);
    s.AddColumn("x", false);
    s.AddColumn("y", false);
    s.AddRow({0, 1}); // row 0
    s.AddRow({0, 2}); // row 1, on top since it was added last
    s.stopAfter = 1;
    s.Run();
    EXPECT_EQ(s.solutions.back(), "A y #");

    s.RemoveRow(0);
    s.RestoreRow(0);
    s.Run();
    EXPECT_EQ(s.solutions.back(), "A x #");
    EXPECT_EQ(s.Node(s.ColumnHeader(0)).down, s.RowHead(0));
}

TEST(DLXSolver, SearchRestoresEveryLinkAndSize) {
    RecordingSolver s;
    BuildKnuthExample(s);
    s.RemoveRow(5);
    auto before = Snapshot(s);
    s.Run();
    EXPECT_EQ(Snapshot(s), before);

    s.stopAfter = 1; // stopped early, the matrix must still be whole
    s.RestoreRow(5);
    before = Snapshot(s);
    s.Run();
    EXPECT_EQ(Snapshot(s), before);
}

TEST(DLXSolver, RepeatedColumnInARowAddsNothing) {
    RecordingSolver s;
    s.AddColumn("A", true);
    s.AddColumn("B", true);
    s.AddRow({0, 1, 0, 1});
    EXPECT_EQ(s.ColumnSize(0), 1);
    EXPECT_EQ(s.ColumnSize(1), 1);
    s.Run();
    EXPECT_EQ(s.solutions, (std::vector<std::string>{"A B #"}));
}

// Random small matrices, random removals and restorations between searches, every solution
// or only the first one or two: the engine must find what the model finds, in the same
// order and with the same names, keep its sizes true during the search and leave every link
// as it found it.
TEST(DLXSolver, AgreesWithTheModelOnRandomMatrices) {
    std::mt19937 random(20240611);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int trial = 0; trial < 400; ++trial) {
        RecordingSolver s;
        model::ExactCoverModel m;
        const int columns = 1 + below(7);
        for (int c = 0; c < columns; ++c) {
            const bool primary = below(5) != 0;
            s.AddColumn("c" + std::to_string(c), primary);
            m.AddColumn("c" + std::to_string(c), primary);
        }
        const int rows = below(14);
        for (int r = 0; r < rows; ++r) {
            std::vector<int> numbers(1 + below(4));
            for (int& c : numbers) c = below(columns + 2) - 1; // now and then out of range
            s.AddRow(numbers);
            m.AddRow(numbers);
        }
        ASSERT_EQ(s.RowCount(), m.RowCount());
        for (int round = 0; round < 4; ++round) {
            for (int k = below(4); k > 0; --k) {
                const int row = below(m.RowCount() + 2) - 1;
                if (below(2) == 0) {
                    s.RemoveRow(row);
                    m.RemoveRow(row);
                } else {
                    s.RestoreRow(row);
                    m.RestoreRow(row);
                }
            }
            s.stopAfter = std::vector<int>{-1, 1, 2}[below(3)];
            s.solutions.clear();
            const auto before = Snapshot(s);
            s.Run();
            ASSERT_EQ(s.solutions, m.Solve(s.stopAfter)) << "trial " << trial;
            ASSERT_EQ(Snapshot(s), before) << "trial " << trial;
            ASSERT_EQ(s.wrongSizes, 0) << "trial " << trial;
            for (int c = 0; c < columns; ++c) ASSERT_EQ(s.ColumnSize(c), LinkedNodes(s, c));
        }
    }
}

// A 16 x 16 Sudoku as a generic matrix: 1024 columns and 16384 nodes, far more than the pool
// starts with. The first exact cover must be a valid grid, and the search must leave the
// grown pool's links as it found them.
TEST(DLXSolver, LargeMatrixGrowsThePoolAndStaysWhole) {
    RecordingSolver s;
    for (const char* kind : {"P", "R", "C", "B"})
        for (int i = 0; i < 256; ++i) s.AddColumn(kind + std::to_string(i), true);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            for (int d = 0; d < 16; ++d)
                s.AddRow({16 * y + x, 256 + 16 * y + d, 512 + 16 * x + d,
                          768 + 16 * (4 * (y / 4) + x / 4) + d});
    ASSERT_EQ(s.RowCount(), 4096);
    s.stopAfter = 1;
    const auto before = Snapshot(s);
    s.Run();
    ASSERT_EQ(s.solutions.size(), 1u);
    EXPECT_EQ(Snapshot(s), before);

    // Each chosen row names its cell, P<16 y + x>, and its digit d in R<16 y + d>.
    std::vector<int> grid(256, -1);
    std::istringstream words(s.solutions[0]);
    int cell = -1, digit = -1;
    for (std::string word; words >> word;) {
        if (word[0] == 'P') cell = std::stoi(word.substr(1));
        if (word[0] == 'R') digit = std::stoi(word.substr(1)) % 16;
        if (word == "|" || word == "#") {
            ASSERT_GE(cell, 0);
            grid[cell] = digit;
            cell = digit = -1;
        }
    }
    for (int u = 0; u < 16; ++u) {
        std::set<int> row, column, box;
        for (int k = 0; k < 16; ++k) {
            row.insert(grid[16 * u + k]);
            column.insert(grid[16 * k + u]);
            box.insert(grid[16 * (4 * (u / 4) + k / 4) + 4 * (u % 4) + k % 4]);
        }
        EXPECT_EQ(row.size(), 16u);
        EXPECT_EQ(column.size(), 16u);
        EXPECT_EQ(box.size(), 16u);
        EXPECT_EQ(row.count(-1), 0u);
    }
}

} // namespace
} // namespace zentile
