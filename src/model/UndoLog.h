#pragma once

#include "model/Cell.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zentile {

// One logged change: the cell as it was before it.
struct LogState {
    int32_t column = 0;
    int32_t row = 0;
    Cell previous;
};

// The stack of cell copies that Undo takes back, newest first. Unbounded; emptied whenever a
// game starts or ends and by the branch commands, so it only holds records during a game.
class UndoLog {
public:
    // Records the cell before a change. A hint on screen is not part of what is recorded: the
    // copy holds the cell as it is under the hint (no digit, no disc), so that taking the
    // record back can never bring back a hint whose time is over.
    void Push(const Cell& cell);
    // Takes the newest record off. The log must not be empty.
    LogState Pop();
    void Clear() { records.clear(); }

    bool Empty() const { return records.empty(); }
    std::size_t Size() const { return records.size(); }
    // The newest record. The log must not be empty.
    const LogState& Front() const { return records.back(); }

private:
    std::vector<LogState> records; // the front of the log is the back of the vector
};

} // namespace zentile
