#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentile {

struct DLXColumn;

// One 1-entry of the exact-cover matrix. Rows and columns are circular rings.
struct DLXNode {
    DLXNode* left = nullptr;
    DLXNode* right = nullptr;
    DLXNode* up = nullptr;
    DLXNode* down = nullptr;
    DLXColumn* column = nullptr;
};

// A column header: a node whose column link points to itself.
struct DLXColumn : DLXNode {
    int32_t size = 0;
    std::string name;
};

// General exact-cover engine (Algorithm X on dancing links). A derived class builds the
// matrix once, trims it between searches with RemoveRow/RestoreRow and receives each
// exact cover through OnSolution.
class CDLXSolver {
public:
    CDLXSolver();
    virtual ~CDLXSolver();
    CDLXSolver(const CDLXSolver&) = delete;
    CDLXSolver& operator=(const CDLXSolver&) = delete;

    // Called once per exact cover while the chosen rows are on the partial solution;
    // returning false stops the search.
    virtual bool OnSolution();

    void AddColumn(std::string name, bool primary);
    void BeginRow();
    void AddNode(int columnNumber);
    void RemoveRow(int rowNumber);
    void RestoreRow(int rowNumber);

    // Runs the search on the matrix as it stands. The caller prepares it with
    // ResetSearch (continue flag on, partial solution empty) before the outermost call.
    void Search();
    void ResetSearch();

    // Inside OnSolution: the column names of the first chosen row, then none once, the names
    // of the second row, then none, ...; after the last row's none, none for good.
    std::optional<std::string_view> NextSolutionName();

    int ColumnCount() const { return static_cast<int>(columns.size()); }
    int RowCount() const { return static_cast<int>(rows.size()); }
    const DLXColumn& Column(int columnNumber) const { return *columns[columnNumber]; }
    const DLXNode* RowHead(int rowNumber) const { return rows[rowNumber]; }
    bool ContinueSearch() const { return continueSearch; }

protected:
    DLXColumn root;

private:
    static void Cover(DLXColumn* col);
    static void Uncover(DLXColumn* col);
    DLXNode* NewNode();
    DLXColumn* NewColumn();

    std::vector<DLXColumn*> columns;
    std::vector<DLXNode*> rows;
    std::vector<DLXNode*> partialSolution;
    size_t cursorPosition = 0;
    DLXNode* cursorNode = nullptr;
    DLXNode* rowUnderConstruction = nullptr;
    bool continueSearch = true;

    // Storage owned by the engine: blocks that never move, so links stay valid as the
    // matrix grows. A matrix the size of Sudoku's fits in one block of each kind.
    template <typename T> struct Pool {
        static constexpr size_t blockSize = 4096;
        std::vector<std::unique_ptr<T[]>> blocks;
        size_t used = blockSize;
        T* Take();
    };
    Pool<DLXNode> nodePool;
    Pool<DLXColumn> columnPool;
};

} // namespace zentile
