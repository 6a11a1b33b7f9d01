#include "model/UndoLog.h"

#include <cassert>

namespace zentile {

void UndoLog::Push(const Cell& cell) {
    LogState state{cell.column, cell.row, cell};
    // A hint only ever lands on an empty cell, so under it there is no digit.
    if (state.previous.hinted) {
        state.previous.hinted = false;
        state.previous.value = 0;
    }
    records.push_back(state);
}

LogState UndoLog::Pop() {
    assert(!records.empty());
    LogState state = records.back();
    records.pop_back();
    return state;
}

} // namespace zentile
