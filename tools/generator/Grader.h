#pragma once

#include "Houses.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zentile {

// The solving techniques a person uses, simplest first. The grader always takes the first
// technique in this order that makes progress.
enum class Technique : uint8_t {
    FullHouse,
    HiddenSingleBox,
    HiddenSingleRow,
    HiddenSingleColumn,
    NakedSingle,
    Pointing,
    Claiming,
    NakedPair,
    HiddenPair,
    NakedTriple,
    HiddenTriple,
    XWing,
    XYWing,
    XYZWing,
    Swordfish,
    NakedQuad,
    HiddenQuad,
    Jellyfish,
};
inline constexpr int kTechniqueCount = 18;

// Database levels 0..3 name the techniques they allow; level 4 is anything beyond them.
inline constexpr int kVeryHardLevel = 4;

struct TechniqueInfo {
    std::string_view name;
    int level;
};

inline constexpr std::array<TechniqueInfo, kTechniqueCount> kTechniques = {{
    {"Full house", 0},
    {"Hidden single (box)", 0},
    {"Hidden single (row)", 1},
    {"Hidden single (column)", 1},
    {"Naked single", 1},
    {"Pointing", 2},
    {"Claiming", 2},
    {"Naked pair", 2},
    {"Hidden pair", 2},
    {"Naked triple", 3},
    {"Hidden triple", 3},
    {"X-Wing", 3},
    {"XY-Wing", 3},
    {"XYZ-Wing", 3},
    {"Swordfish", 3},
    {"Naked quad", 3},
    {"Hidden quad", 3},
    {"Jellyfish", 3},
}};

// A set of techniques, bit i for technique i.
using TechniqueSet = uint32_t;

constexpr TechniqueSet Only(Technique t) {
    return TechniqueSet{1} << static_cast<int>(t);
}

// Every technique of the given level and the levels below it.
constexpr TechniqueSet TechniquesUpTo(int level) {
    TechniqueSet set = 0;
    for (int i = 0; i < kTechniqueCount; ++i)
        if (kTechniques[i].level <= level) set |= TechniqueSet{1} << i;
    return set;
}

// Among the eight open cells of a house, a naked quad is a hidden quad of the other four: the
// two find the same eliminations, so a puzzle that needs one of them is told apart by taking
// both away.
inline constexpr TechniqueSet kQuads = Only(Technique::NakedQuad) | Only(Technique::HiddenQuad);

struct Grading {
    bool solved = false;
    // The database level the puzzle belongs to: the level of the hardest technique used, or
    // kVeryHardLevel when the allowed techniques get stuck.
    int level = kVeryHardLevel;
    std::array<int, kTechniqueCount> steps{}; // how often each technique was applied
    Digits grid{};                            // the cells as far as the techniques filled them
};

// Solves a puzzle the way a person would, one step at a time, each step the simplest one
// available among the allowed techniques.
class Grader {
public:
    Grading Solve(const Digits& puzzle, TechniqueSet allowed = TechniquesUpTo(3));

private:
    bool Step(Technique technique);
    void Place(int cell, int digit);
    bool Eliminate(int cell, uint16_t digits);

    bool FullHouse();
    bool HiddenSingle(int firstHouse);
    bool NakedSingle();
    bool Pointing();
    bool Claiming();
    bool NakedSubset(int size);
    bool HiddenSubset(int size);
    bool Fish(int size);
    bool XYWing();
    bool XYZWing();

    std::array<uint16_t, kCells> candidates{}; // empty for a filled cell
    Digits value{};
    int empty = 0;
};

} // namespace zentile
