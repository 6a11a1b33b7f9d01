#include "model/PuzzleDatabase.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace zentile {
namespace {

struct LookupCase {
    uint32_t gameNumber;
    std::array<uint32_t, kDatabaseLevels> records;
    uint32_t word;
    std::string_view wordText;
};

// The numbers at the edges: zero, one past the smallest table, a large number and the largest
// unsigned value, whose remainders must come from unsigned arithmetic.
constexpr LookupCase kCases[] = {
    {0, {0, 0, 0, 0, 0}, 0, "SYNDICATE"},
    {124, {0, 124, 124, 124, 124}, 124, "PROVINCES"},
    {430, {58, 430, 430, 430, 430}, 0, "SYNDICATE"},
    {1000000, {64, 1312, 708, 1436, 133}, 250, "LIFEBOATS"},
    {4294967295u, {3, 783, 1858, 879, 36}, 15, "OWNERSHIP"},
};

TEST(PuzzleLookup, GameNumberSelectsRecordByModulus) {
    for (const LookupCase& c : kCases) {
        for (int level = 0; level < kDatabaseLevels; ++level) {
            SCOPED_TRACE("game " + std::to_string(c.gameNumber) + ", level " +
                         std::to_string(level));
            PuzzleRecord record{};
            SymbolSet symbols{};
            LookupPuzzle(level, c.gameNumber, true, record, symbols);
            EXPECT_EQ(record, PuzzleDatabase[level].Record(c.records[level]));
            EXPECT_EQ(symbols, kClassicSymbols);
        }
    }
}

TEST(PuzzleLookup, LetterGameSpellsTheNumbersWordAlongTheSolvedTopRow) {
    for (const LookupCase& c : kCases) {
        ASSERT_EQ(WordList[c.word], c.wordText);
        for (int level = 0; level < kDatabaseLevels; ++level) {
            SCOPED_TRACE("game " + std::to_string(c.gameNumber) + ", level " +
                         std::to_string(level));
            PuzzleRecord record{};
            SymbolSet symbols{};
            symbols.fill('#');
            LookupPuzzle(level, c.gameNumber, false, record, symbols);
            EXPECT_EQ(record, PuzzleDatabase[level].Record(c.records[level]));
            EXPECT_EQ(symbols[0], '#') << "the letter game leaves symbol 0 alone";
            std::string topRow;
            for (int column = 0; column < 9; ++column)
                topRow += symbols[static_cast<std::size_t>(record[81 + 9 * column])];
            EXPECT_EQ(topRow, c.wordText);
            std::string letters(symbols.begin() + 1, symbols.end());
            std::string expected(c.wordText);
            std::sort(letters.begin(), letters.end());
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(letters, expected) << "every digit gets one of the word's letters";
        }
    }
}

TEST(PuzzleLookup, RepeatedLookupsAreIdentical) {
    for (bool classic : {true, false}) {
        for (uint32_t number : {7u, 1000000u, 4294967295u}) {
            for (int level = 0; level < kDatabaseLevels; ++level) {
                PuzzleRecord first{};
                PuzzleRecord second{};
                SymbolSet firstSymbols = kClassicSymbols;
                SymbolSet secondSymbols = kClassicSymbols;
                LookupPuzzle(level, number, classic, first, firstSymbols);
                LookupPuzzle(level, number, classic, second, secondSymbols);
                EXPECT_EQ(first, second);
                EXPECT_EQ(firstSymbols, secondSymbols);
            }
        }
    }
}

TEST(PuzzleLookup, LevelOutsideTheTablesReadsMediumInstead) {
    PuzzleRecord medium{};
    SymbolSet mediumSymbols{};
    LookupPuzzle(2, 1000000, false, medium, mediumSymbols);
    for (int32_t level : {-1, 5, 99}) {
        PuzzleRecord record{};
        SymbolSet symbols{};
        LookupPuzzle(level, 1000000, false, record, symbols);
        EXPECT_EQ(record, medium) << level;
        EXPECT_EQ(symbols, mediumSymbols) << level;
    }
}

TEST(PuzzleLookup, TablesAndNamesHaveTheirFixedSizes) {
    uint32_t total = 0;
    for (int level = 0; level < kDatabaseLevels; ++level) {
        EXPECT_EQ(PuzzleDatabase[level].count, kLevelRecordCounts[level]);
        total += PuzzleDatabase[level].count;
    }
    EXPECT_EQ(total, 6907u);
    EXPECT_EQ(LevelNames[0].English(), "Very Easy");
    EXPECT_EQ(LevelNames[4].English(), "Very Hard");
    EXPECT_EQ(LevelNames[5].English(), "Custom");
}

TEST(WordList, WordsAreNineDifferentCapitals) {
    for (std::string_view word : WordList) {
        ASSERT_EQ(word.size(), 9u);
        std::string letters(word);
        std::sort(letters.begin(), letters.end());
        EXPECT_TRUE(std::all_of(letters.begin(), letters.end(), [](char ch) {
            return ch >= 'A' && ch <= 'Z';
        })) << word;
        EXPECT_EQ(std::adjacent_find(letters.begin(), letters.end()), letters.end()) << word;
    }
    EXPECT_EQ(WordList[0], "SYNDICATE");
    EXPECT_EQ(WordList[99], "UNETHICAL");
    EXPECT_EQ(WordList[429], "ORDINATES");
}

} // namespace
} // namespace zentile
