#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentile {

// A link is the position of a node in the engine's pool, in bytes from its start. Positions
// instead of pointers halve the size of a node, which keeps the whole Sudoku matrix close to
// the first-level cache; counted in bytes, following one is still a single load.
using DLXLink = uint32_t;

// The links of one 1-entry of the exact-cover matrix. Rows and columns are circular rings.
// A column header is a node whose column link points to itself.
struct DLXNode {
    DLXLink left = 0;
    DLXLink right = 0;
    DLXLink up = 0;
    DLXLink down = 0;
    DLXLink column = 0;
    bool operator==(const DLXNode&) const = default;
};

// The pool's words seen as nodes: a node is five words (left, right, up, down, column), a
// column header two more (size, column number).
class DLXNodes {
public:
    static constexpr std::size_t nodeWords = 5;
    static constexpr std::size_t headerWords = 7;

    explicit DLXNodes(DLXLink* words) : w(words) {}
    DLXLink& Left(std::size_t node) const { return Word(node, 0); }
    DLXLink& Right(std::size_t node) const { return Word(node, 1); }
    DLXLink& Up(std::size_t node) const { return Word(node, 2); }
    DLXLink& Down(std::size_t node) const { return Word(node, 3); }
    DLXLink& Column(std::size_t node) const { return Word(node, 4); }
    int32_t& Size(std::size_t header) const { return reinterpret_cast<int32_t&>(Word(header, 5)); }
    DLXLink& Number(std::size_t header) const { return Word(header, 6); }

private:
    DLXLink& Word(std::size_t node, std::size_t field) const {
        return *reinterpret_cast<DLXLink*>(reinterpret_cast<char*>(w) + node +
                                           field * sizeof(DLXLink));
    }

    DLXLink* w;
};

// General exact-cover engine (Algorithm X on dancing links). A derived class builds the
// matrix once, trims it between searches with RemoveRow/RestoreRow and receives each
// exact cover through OnSolution.
class CDLXSolver {
public:
    // The root header: its left/right ring holds the primary columns not yet covered.
    static constexpr DLXLink root = 0;

    CDLXSolver();
    virtual ~CDLXSolver();
    CDLXSolver(const CDLXSolver&) = delete;
    CDLXSolver& operator=(const CDLXSolver&) = delete;

    // Called once per exact cover while the chosen rows are on the partial solution;
    // returning false stops the search.
    virtual bool OnSolution();

    void AddColumn(std::string name, bool primary);
    void BeginRow();
    // A column number out of range, or one the row already has, adds nothing.
    void AddNode(int columnNumber);
    void RemoveRow(int rowNumber);
    void RestoreRow(int rowNumber);
    // RestoreRow for every row number in ascending order; only removed rows cost anything.
    // Rows whose bit is set in stayRemoved (one bit per row number) are left out: a caller
    // about to remove them again would leave the matrix exactly as without the round trip,
    // since a restored row goes to the top and removing it takes nothing else along.
    void RestoreAllRows(const std::vector<uint64_t>& stayRemoved = {});

    // Runs the search on the matrix as it stands. The caller prepares it with
    // ResetSearch (continue flag on, partial solution empty) before the outermost call.
    void Search();
    void ResetSearch();

    // Inside OnSolution: the column names of the first chosen row, then none once, the names
    // of the second row, then none, ...; after the last row's none, none for good. Inline, as
    // a caller reads every name of every solution through it.
    std::optional<std::string_view> NextSolutionName() {
        if (cursorNode) {
            DLXNodes n = Nodes();
            const std::string_view name = names[n.Number(n.Column(*cursorNode))];
            cursorNode = n.Right(*cursorNode);
            if (*cursorNode == partialSolution[cursorPosition]) cursorNode.reset();
            return name;
        }
        if (cursorPosition >= partialSolution.size()) return std::nullopt;
        ++cursorPosition;
        if (cursorPosition < partialSolution.size()) cursorNode = partialSolution[cursorPosition];
        return std::nullopt;
    }

    int ColumnCount() const { return static_cast<int>(columns.size()); }
    int RowCount() const { return static_cast<int>(rows.size()); }
    DLXLink ColumnHeader(int columnNumber) const { return columns[columnNumber]; }
    int ColumnNumber(DLXLink header) const { return static_cast<int>(Nodes().Number(header)); }
    const std::string& ColumnName(int columnNumber) const { return names[columnNumber]; }
    int32_t ColumnSize(int columnNumber) const;
    DLXLink RowHead(int rowNumber) const { return rows[rowNumber]; }
    DLXNode Node(DLXLink link) const;
    bool ContinueSearch() const { return continueSearch; }

private:
    // Added to the size of a column that the search must not choose: a covered one, a
    // secondary one. True sizes stay far below half of it.
    static constexpr int32_t hiddenBias = 1 << 29;

    DLXNodes Nodes() { return DLXNodes(pool.data()); }
    DLXNodes Nodes() const { return DLXNodes(const_cast<DLXLink*>(pool.data())); }
    DLXLink NewNode(std::size_t words);
    void Report();
    DLXLink ChooseColumn();
    void Recount();
    void Cover(std::size_t col);
    void Uncover(std::size_t col);
    void MarkShort(DLXLink number) { shortColumns[number / 64] |= uint64_t{1} << (number % 64); }

    // The root, then headers and nodes in creation order; built once.
    std::vector<DLXLink> pool;
    std::vector<DLXLink> columns; // header by column number
    std::vector<std::string> names;
    std::vector<DLXLink> rows;         // first node by row number
    std::vector<uint64_t> removedRows; // one bit per row number
    std::vector<DLXLink> partialSolution;
    std::size_t cursorPosition = 0;
    std::optional<DLXLink> cursorNode;
    std::optional<DLXLink> rowUnderConstruction;
    bool continueSearch = true;

    // Primary columns not covered that hold no node: while there is one, the branch has no
    // exact cover and the smallest-column rule would choose it and try nothing.
    int32_t emptyColumns = 0;
    // One bit per column number, set for every primary column not covered that holds at most
    // one node, and possibly for others: a bit is cleared only when the search finds it stale.
    std::vector<uint64_t> shortColumns;
    // Set by every change to the matrix between searches; the next search counts afresh.
    bool countsStale = true;
};

} // namespace zentile
