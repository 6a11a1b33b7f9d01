#include "model/PuzzleDatabase.h"
#include "print/Booklet.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace zentile {
namespace {

constexpr std::array<bool, kDatabaseLevels> kAllLevels = {true, true, true, true, true};

TEST(Booklet, SelectedLevelsKeepTheirOrder) {
    EXPECT_EQ(SelectedLevels({false, true, false, true, true}), (std::vector<int32_t>{1, 3, 4}));
    EXPECT_TRUE(SelectedLevels({}).empty());
}

TEST(Booklet, ThreeDrawsMakeEachPuzzle) {
    // Seed 1 draws 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, ...
    RandomSource random;
    random.Seed(1);
    const std::vector<int32_t> all = SelectedLevels(kAllLevels);
    const BookletPuzzle first = DrawBookletPuzzle(random, all);
    EXPECT_EQ(first.gameNumber, 757147); // 41 * 18467
    EXPECT_EQ(first.level, 4);           // 6334 mod 5
    const BookletPuzzle second = DrawBookletPuzzle(random, all);
    EXPECT_EQ(second.gameNumber, 978500); // 26500 * 19169 = 507978500
    EXPECT_EQ(second.level, 4);           // 15724 mod 5
    const BookletPuzzle third = DrawBookletPuzzle(random, all);
    EXPECT_EQ(third.gameNumber, 971124); // 11478 * 29358 = 336971124
    EXPECT_EQ(third.level, 2);           // 26962 mod 5

    // With two levels checked the third draw picks between them.
    random.Seed(1);
    const std::vector<int32_t> two = {1, 3};
    EXPECT_EQ(DrawBookletPuzzle(random, two).level, 1); // 6334 is even
}

TEST(Booklet, NumbersStayBelowAMillionAndLevelsAmongTheChecked) {
    RandomSource random;
    random.Seed(20240601);
    const std::vector<int32_t> checked = {0, 2, 4};
    std::set<int32_t> levelsSeen;
    for (int i = 0; i < 2000; ++i) {
        const BookletPuzzle puzzle = DrawBookletPuzzle(random, checked);
        ASSERT_GE(puzzle.gameNumber, 0);
        ASSERT_LT(puzzle.gameNumber, 1000000);
        levelsSeen.insert(puzzle.level);
    }
    EXPECT_EQ(levelsSeen, (std::set<int32_t>{0, 2, 4}));
}

TEST(Booklet, OnlyHardCheckedGivesOnlyHardPuzzles) {
    RandomSource random;
    random.Seed(99);
    BookletChoice choice;
    choice.puzzleCount = 40;
    choice.levels = {false, false, false, true, false};
    const PrintJob job = MakeBookletJob(choice, random);
    ASSERT_EQ(job.Entries().size(), 40u);
    EXPECT_TRUE(job.PrintSolutions());
    for (const PrintEntry& entry : job.Entries()) EXPECT_EQ(entry.level, 3);
}

TEST(Booklet, EntriesHoldTheDatabaseRecordsOfTheirNumbers) {
    RandomSource random;
    random.Seed(7);
    BookletChoice choice;
    choice.puzzleCount = 13;
    choice.levels = kAllLevels;
    choice.printSolutions = false;
    const PrintJob job = MakeBookletJob(choice, random);
    ASSERT_EQ(job.Entries().size(), 13u);
    EXPECT_FALSE(job.PrintSolutions());
    for (const PrintEntry& entry : job.Entries()) {
        const PuzzleTable& table = PuzzleDatabase[static_cast<std::size_t>(entry.level)];
        EXPECT_EQ(entry.values,
                  table.Record(static_cast<uint32_t>(entry.gameNumber) % table.count));
        EXPECT_EQ(entry.symbols, kClassicSymbols);
    }
}

TEST(Booklet, LetterBookletSpellsEachPuzzlesOwnWord) {
    RandomSource random;
    random.Seed(3);
    BookletChoice choice;
    choice.puzzleCount = 6;
    choice.levels = kAllLevels;
    choice.classic = false;
    const PrintJob job = MakeBookletJob(choice, random);
    std::set<std::string> words;
    for (const PrintEntry& entry : job.Entries()) {
        std::string topRow;
        for (std::size_t column = 0; column < 9; ++column)
            topRow += entry.symbols[static_cast<std::size_t>(entry.values[81 + 9 * column])];
        EXPECT_EQ(topRow, WordList[static_cast<std::size_t>(entry.gameNumber) % kWordCount]);
        words.insert(topRow);
    }
    EXPECT_GT(words.size(), 1u); // each puzzle has its own word
}

TEST(Booklet, NoLevelCheckedMakesNoPuzzles) {
    RandomSource random;
    BookletChoice choice;
    choice.puzzleCount = 5;
    EXPECT_TRUE(MakeBookletJob(choice, random).Entries().empty());
}

} // namespace
} // namespace zentile
