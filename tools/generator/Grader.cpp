#include "Grader.h"

#include <bit>
#include <vector>

namespace zentile {

namespace {

// The 9-bit masks with 2, 3 and 4 bits set: the positions or digits a subset or fish may take.
struct SubsetMasks {
    std::array<std::array<uint16_t, 126>, 5> masks{};
    std::array<int, 5> count{};
};

constexpr SubsetMasks MakeSubsetMasks() {
    SubsetMasks s;
    for (uint16_t mask = 0; mask < 512; ++mask) {
        int n = std::popcount(mask);
        if (n >= 2 && n <= 4) s.masks[n][s.count[n]++] = mask;
    }
    return s;
}

constexpr SubsetMasks kSubsets = MakeSubsetMasks();

constexpr uint16_t Without(uint16_t set, uint16_t removed) {
    return static_cast<uint16_t>(set & ~removed);
}

} // namespace

void Grader::Place(int cell, int digit) {
    uint16_t bit = Bit(digit);
    value[cell] = static_cast<uint8_t>(digit);
    candidates[cell] = 0;
    --empty;
    for (uint8_t peer : kHouseTables.peers[cell]) candidates[peer] = Without(candidates[peer], bit);
}

bool Grader::Eliminate(int cell, uint16_t digits) {
    if (!(candidates[cell] & digits)) return false;
    candidates[cell] = Without(candidates[cell], digits);
    return true;
}

bool Grader::FullHouse() {
    for (const auto& house : kHouseTables.cells) {
        int last = -1;
        int open = 0;
        uint16_t placed = 0;
        for (uint8_t cell : house) {
            if (value[cell]) {
                placed |= Bit(value[cell]);
            } else {
                last = cell;
                ++open;
            }
        }
        if (open == 1) {
            Place(last, std::countr_zero(Without(kAllDigits, placed)) + 1);
            return true;
        }
    }
    return false;
}

bool Grader::HiddenSingle(int firstHouse) {
    for (int h = firstHouse; h < firstHouse + 9; ++h) {
        const auto& house = kHouseTables.cells[h];
        uint16_t once = 0;
        uint16_t twice = 0;
        for (uint8_t cell : house) {
            twice |= once & candidates[cell];
            once |= candidates[cell];
        }
        uint16_t single = Without(once, twice);
        if (!single) continue;
        uint16_t bit = single & static_cast<uint16_t>(-single);
        for (uint8_t cell : house) {
            if (candidates[cell] & bit) {
                Place(cell, std::countr_zero(bit) + 1);
                return true;
            }
        }
    }
    return false;
}

bool Grader::NakedSingle() {
    for (int cell = 0; cell < kCells; ++cell) {
        if (std::has_single_bit(candidates[cell])) {
            Place(cell, std::countr_zero(candidates[cell]) + 1);
            return true;
        }
    }
    return false;
}

bool Grader::Pointing() {
    // A digit confined to one row or column within a box is taken from the rest of that line.
    for (int box = 18; box < 27; ++box) {
        for (int digit = 1; digit <= 9; ++digit) {
            uint16_t bit = Bit(digit);
            uint16_t rows = 0;
            uint16_t columns = 0;
            for (uint8_t cell : kHouseTables.cells[box]) {
                if (candidates[cell] & bit) {
                    rows |= static_cast<uint16_t>(1u << RowOf(cell));
                    columns |= static_cast<uint16_t>(1u << ColumnOf(cell));
                }
            }
            if (!rows) continue;
            bool progress = false;
            if (std::has_single_bit(rows)) {
                for (uint8_t cell : kHouseTables.cells[std::countr_zero(rows)])
                    if (BoxOf(cell) != box - 18) progress |= Eliminate(cell, bit);
            }
            if (std::has_single_bit(columns)) {
                for (uint8_t cell : kHouseTables.cells[9 + std::countr_zero(columns)])
                    if (BoxOf(cell) != box - 18) progress |= Eliminate(cell, bit);
            }
            if (progress) return true;
        }
    }
    return false;
}

bool Grader::Claiming() {
    // A digit confined to one box within a row or column is taken from the rest of that box.
    for (int line = 0; line < 18; ++line) {
        for (int digit = 1; digit <= 9; ++digit) {
            uint16_t bit = Bit(digit);
            uint16_t boxes = 0;
            for (uint8_t cell : kHouseTables.cells[line])
                if (candidates[cell] & bit) boxes |= static_cast<uint16_t>(1u << BoxOf(cell));
            if (!std::has_single_bit(boxes)) continue;
            bool progress = false;
            for (uint8_t cell : kHouseTables.cells[18 + std::countr_zero(boxes)])
                if (kHouseTables.housesOf[cell][line < 9 ? 0 : 1] != line)
                    progress |= Eliminate(cell, bit);
            if (progress) return true;
        }
    }
    return false;
}

bool Grader::NakedSubset(int size) {
    // `size` cells of a house holding only `size` digits between them: the digits go there.
    for (const auto& house : kHouseTables.cells) {
        uint16_t open = 0;
        for (int i = 0; i < 9; ++i)
            if (candidates[house[i]]) open |= static_cast<uint16_t>(1u << i);
        if (std::popcount(open) <= size) continue;
        for (int m = 0; m < kSubsets.count[size]; ++m) {
            uint16_t mask = kSubsets.masks[size][m];
            if (mask & ~open) continue;
            uint16_t digits = 0;
            for (int i = 0; i < 9; ++i)
                if (mask & (1u << i)) digits |= candidates[house[i]];
            if (std::popcount(digits) != size) continue;
            bool progress = false;
            for (int i = 0; i < 9; ++i)
                if (!(mask & (1u << i))) progress |= Eliminate(house[i], digits);
            if (progress) return true;
        }
    }
    return false;
}

bool Grader::HiddenSubset(int size) {
    // `size` digits of a house with only `size` cells between them: those cells hold nothing else.
    for (const auto& house : kHouseTables.cells) {
        std::array<uint16_t, 9> positions{};
        uint16_t open = 0;
        for (int i = 0; i < 9; ++i) {
            for (uint16_t c = candidates[house[i]]; c; c &= static_cast<uint16_t>(c - 1))
                positions[std::countr_zero(c)] |= static_cast<uint16_t>(1u << i);
        }
        for (int d = 0; d < 9; ++d)
            if (positions[d]) open |= static_cast<uint16_t>(1u << d);
        if (std::popcount(open) <= size) continue;
        for (int m = 0; m < kSubsets.count[size]; ++m) {
            uint16_t digits = kSubsets.masks[size][m];
            if (digits & ~open) continue;
            uint16_t cells = 0;
            for (int d = 0; d < 9; ++d)
                if (digits & (1u << d)) cells |= positions[d];
            if (std::popcount(cells) != size) continue;
            bool progress = false;
            for (int i = 0; i < 9; ++i)
                if (cells & (1u << i)) progress |= Eliminate(house[i], Without(kAllDigits, digits));
            if (progress) return true;
        }
    }
    return false;
}

bool Grader::Fish(int size) {
    // A digit whose places in `size` rows lie in `size` columns (or the other way round) is
    // taken from the rest of those columns.
    for (int digit = 1; digit <= 9; ++digit) {
        uint16_t bit = Bit(digit);
        for (int base = 0; base < 18; base += 9) {
            std::array<uint16_t, 9> positions{};
            uint16_t lines = 0;
            for (int line = 0; line < 9; ++line) {
                const auto& house = kHouseTables.cells[base + line];
                for (int i = 0; i < 9; ++i)
                    if (candidates[house[i]] & bit)
                        positions[line] |= static_cast<uint16_t>(1u << i);
                int n = std::popcount(positions[line]);
                if (n >= 2 && n <= size) lines |= static_cast<uint16_t>(1u << line);
            }
            for (int m = 0; m < kSubsets.count[size]; ++m) {
                uint16_t chosen = kSubsets.masks[size][m];
                if (chosen & ~lines) continue;
                uint16_t cover = 0;
                for (int line = 0; line < 9; ++line)
                    if (chosen & (1u << line)) cover |= positions[line];
                if (std::popcount(cover) != size) continue;
                bool progress = false;
                int coverBase = base == 0 ? 9 : 0;
                for (int i = 0; i < 9; ++i) {
                    if (!(cover & (1u << i))) continue;
                    const auto& house = kHouseTables.cells[coverBase + i];
                    for (int j = 0; j < 9; ++j)
                        if (!(chosen & (1u << j))) progress |= Eliminate(house[j], bit);
                }
                if (progress) return true;
            }
        }
    }
    return false;
}

bool Grader::XYWing() {
    // Pivot {x,y} sees pincers {x,z} and {y,z}: whichever the pivot takes, one pincer is z.
    for (int pivot = 0; pivot < kCells; ++pivot) {
        uint16_t xy = candidates[pivot];
        if (std::popcount(xy) != 2) continue;
        for (uint8_t a : kHouseTables.peers[pivot]) {
            uint16_t xz = candidates[a];
            if (std::popcount(xz) != 2 || std::popcount(static_cast<uint16_t>(xz & xy)) != 1)
                continue;
            uint16_t z = Without(xz, xy);
            uint16_t yz = static_cast<uint16_t>(Without(xy, xz) | z);
            for (uint8_t b : kHouseTables.peers[pivot]) {
                if (candidates[b] != yz) continue;
                bool progress = false;
                for (uint8_t cell : kHouseTables.peers[a])
                    if (cell != b && Sees(cell, b)) progress |= Eliminate(cell, z);
                if (progress) return true;
            }
        }
    }
    return false;
}

bool Grader::XYZWing() {
    // Pivot {x,y,z} sees pincers {x,z} and {y,z}: a cell seeing all three cannot be z.
    for (int pivot = 0; pivot < kCells; ++pivot) {
        uint16_t xyz = candidates[pivot];
        if (std::popcount(xyz) != 3) continue;
        for (uint8_t a : kHouseTables.peers[pivot]) {
            uint16_t xz = candidates[a];
            if (std::popcount(xz) != 2 || (xz & ~xyz)) continue;
            for (uint8_t b : kHouseTables.peers[pivot]) {
                uint16_t yz = candidates[b];
                if (b <= a || std::popcount(yz) != 2 || (yz & ~xyz) || (xz | yz) != xyz) continue;
                uint16_t z = xz & yz;
                bool progress = false;
                for (uint8_t cell : kHouseTables.peers[pivot])
                    if (cell != a && cell != b && Sees(cell, a) && Sees(cell, b))
                        progress |= Eliminate(cell, z);
                if (progress) return true;
            }
        }
    }
    return false;
}

bool Grader::Step(Technique technique) {
    switch (technique) {
    case Technique::FullHouse:
        return FullHouse();
    case Technique::HiddenSingleBox:
        return HiddenSingle(18);
    case Technique::HiddenSingleRow:
        return HiddenSingle(0);
    case Technique::HiddenSingleColumn:
        return HiddenSingle(9);
    case Technique::NakedSingle:
        return NakedSingle();
    case Technique::Pointing:
        return Pointing();
    case Technique::Claiming:
        return Claiming();
    case Technique::NakedPair:
        return NakedSubset(2);
    case Technique::HiddenPair:
        return HiddenSubset(2);
    case Technique::NakedTriple:
        return NakedSubset(3);
    case Technique::HiddenTriple:
        return HiddenSubset(3);
    case Technique::XWing:
        return Fish(2);
    case Technique::XYWing:
        return XYWing();
    case Technique::XYZWing:
        return XYZWing();
    case Technique::NakedQuad:
        return NakedSubset(4);
    case Technique::HiddenQuad:
        return HiddenSubset(4);
    case Technique::Swordfish:
        return Fish(3);
    case Technique::Jellyfish:
        return Fish(4);
    }
    return false;
}

Grading Grader::Solve(const Digits& puzzle, TechniqueSet allowed) {
    candidates.fill(kAllDigits);
    value.fill(0);
    empty = kCells;
    for (int cell = 0; cell < kCells; ++cell)
        if (puzzle[cell]) Place(cell, puzzle[cell]);

    Grading grading;
    int hardest = 0;
    while (empty > 0) {
        int t = 0;
        for (; t < kTechniqueCount; ++t) {
            if ((allowed & (TechniqueSet{1} << t)) && Step(static_cast<Technique>(t))) break;
        }
        if (t == kTechniqueCount) break;
        ++grading.steps[t];
        if (kTechniques[t].level > hardest) hardest = kTechniques[t].level;
    }
    grading.solved = empty == 0;
    grading.level = grading.solved ? hardest : kVeryHardLevel;
    grading.grid = value;
    return grading;
}

} // namespace zentile
