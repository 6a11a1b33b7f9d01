#pragma once

// A model of the exact-cover engine's rules on plain vectors, written without dancing links
// so that the two can be checked against each other: the same solutions, in the same order,
// with the same names read back. It keeps only what the rules say: each column's rows from
// top to bottom, each row's columns in ring order, which rows are removed, and Algorithm X
// choosing the leftmost of the smallest primary columns.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace zentile::model {

class ExactCoverModel {
public:
    void AddColumn(std::string name, bool primary) {
        names.push_back(std::move(name));
        primaries.push_back(primary);
        orders.emplace_back();
    }

    // Out-of-range and repeated column numbers add nothing; a row without a valid column is
    // not created. The ring runs first, last added, ..., second added.
    void AddRow(const std::vector<int>& columnNumbers) {
        std::vector<int> added;
        for (int c : columnNumbers)
            if (c >= 0 && c < static_cast<int>(names.size()) &&
                std::find(added.begin(), added.end(), c) == added.end())
                added.push_back(c);
        if (added.empty()) return;
        std::vector<int> ring{added[0]};
        ring.insert(ring.end(), added.rbegin(), added.rend() - 1);
        const int row = static_cast<int>(rings.size());
        rings.push_back(ring);
        removed.push_back(false);
        for (int c : added) orders[c].insert(orders[c].begin(), row);
    }

    int RowCount() const { return static_cast<int>(rings.size()); }

    void RemoveRow(int row) {
        if (row < 0 || row >= RowCount() || removed[row]) return;
        removed[row] = true;
        for (int c : rings[row])
            orders[c].erase(std::find(orders[c].begin(), orders[c].end(), row));
    }

    // A restored row goes to the top of each of its columns.
    void RestoreRow(int row) {
        if (row < 0 || row >= RowCount() || !removed[row]) return;
        removed[row] = false;
        for (int c : rings[row]) orders[c].insert(orders[c].begin(), row);
    }

    // Every solution up to stopAfter (all of them when negative), each written as the engine's
    // reader writes it: a row's names from the chosen column rightwards, "| " between rows,
    // "#" at the end.
    std::vector<std::string> Solve(int stopAfter) {
        solutions.clear();
        limit = stopAfter;
        covered.assign(names.size(), false);
        path.clear();
        Search();
        return solutions;
    }

private:
    bool Active(int row) const {
        return std::none_of(rings[row].begin(), rings[row].end(),
                            [&](int c) { return covered[c]; });
    }

    // Returns false once the solutions wanted have been found.
    bool Search() {
        int best = -1;
        std::size_t bestSize = 0;
        for (std::size_t c = 0; c < names.size(); ++c) {
            if (!primaries[c] || covered[c]) continue;
            const auto size = static_cast<std::size_t>(std::count_if(
                orders[c].begin(), orders[c].end(), [&](int r) { return Active(r); }));
            if (best < 0 || size < bestSize) {
                best = static_cast<int>(c);
                bestSize = size;
            }
        }
        if (best < 0) {
            solutions.push_back(Text());
            return limit < 0 || static_cast<int>(solutions.size()) < limit;
        }
        std::vector<int> candidates;
        for (int r : orders[best])
            if (Active(r)) candidates.push_back(r);
        for (int r : candidates) {
            for (int c : rings[r]) covered[c] = true;
            path.emplace_back(r, best);
            const bool goOn = Search();
            path.pop_back();
            for (int c : rings[r]) covered[c] = false;
            if (!goOn) return false;
        }
        return true;
    }

    std::string Text() const {
        std::string text;
        for (std::size_t k = 0; k < path.size(); ++k) {
            if (k > 0) text += "| ";
            const std::vector<int>& ring = rings[path[k].first];
            const auto start = std::find(ring.begin(), ring.end(), path[k].second) - ring.begin();
            for (std::size_t i = 0; i < ring.size(); ++i)
                text += names[ring[(start + i) % ring.size()]] + " ";
        }
        return text + "#";
    }

    std::vector<std::string> names;
    std::vector<bool> primaries;
    std::vector<std::vector<int>> orders; // by column: its rows from top to bottom
    std::vector<std::vector<int>> rings;  // by row: its columns in ring order
    std::vector<bool> removed;
    std::vector<bool> covered;
    std::vector<std::pair<int, int>> path; // chosen row and the column it was chosen for
    std::vector<std::string> solutions;
    int limit = -1;
};

} // namespace zentile::model
