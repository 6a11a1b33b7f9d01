#include "solver/DLXSolver.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace zentile {
namespace {

// Records every exact cover as the names read back through NextSolutionName, with "|" for
// each end-of-row none and "#" for the final none.
class RecordingSolver : public CDLXSolver {
public:
    std::vector<std::string> solutions;
    int stopAfter = -1;

    bool OnSolution() override {
        std::string text;
        for (int guard = 0; guard < 1000; ++guard) {
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

int LinkedNodes(const RecordingSolver& s, int column) {
    const DLXLink header = s.ColumnHeader(column);
    int count = 0;
    for (DLXLink n = s.Node(header).down; n != header; n = s.Node(n).down) ++count;
    return count;
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

} // namespace
} // namespace zentile
