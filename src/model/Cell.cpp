#include "model/Cell.h"

namespace zentile {

void Cell::Reset(int32_t column_, int32_t row_) {
    column = column_;
    row = row_;
    solution = 0;
    value = 0;
    pencilMarks = 0;
    given = false;
    inBranch = false;
}

void Cell::SetSolution(int32_t d) {
    solution = d;
    given = d != 0;
}

void Cell::ClearHint() {
    hinted = false;
    value = 0;
}

void Cell::Reveal() {
    value = solution;
}

void Cell::EndBranch(bool accept) {
    if (!inBranch) return;
    inBranch = false;
    if (!accept) value = 0;
}

} // namespace zentile
