#pragma once

#include <cstdint>

namespace zentile {

// One square of the grid, plain data: the undo log copies it whole and back.
struct Cell {
    int32_t column = 0;
    int32_t row = 0;
    // The square as last painted; written by the painter, read by nothing in the game rules.
    int32_t width = 0;
    int32_t height = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t solution = 0;     // 1..9; 0 while not set (fresh cell, empty editor cell)
    int32_t value = 0;        // the player's entry 1..9; 0 = empty
    bool given = false;       // a clue: its digit is `solution`, `value` is hidden
    bool inBranch = false;    // the value was last set while a branch was open
    uint32_t pencilMarks = 0; // bit d = pencil mark d (1..9)
    bool hinted = false;      // showing a hint at this moment

    // The digit the cell shows: the solution of a given cell, else the entry; 0 = none.
    int32_t ShownDigit() const { return given ? solution : value; }

    // Empties the cell for a new puzzle at (column, row). `hinted` and the pixel square stay.
    void Reset(int32_t column, int32_t row);
    // Editor: the typed clue (0 removes it).
    void SetSolution(int32_t d);
    // The end of a hint's display time.
    void ClearHint();
    // Solve: every cell shows its solution.
    void Reveal();
    // Accepting keeps the branch's entries; rejecting empties the cells entered in it.
    void EndBranch(bool accept);

    bool HasPencilMark(int32_t d) const { return (pencilMarks >> d) & 1U; }
};

} // namespace zentile
