#include "model/Game.h"
#include "model/PuzzleDatabase.h"
#include "print/CurrentPuzzleJob.h"
#include "print/PrintTexts.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace zentile {
namespace {

PuzzleRecord RecordOf(int32_t level, uint32_t number) {
    PuzzleRecord record{};
    SymbolSet symbols = kClassicSymbols;
    LookupPuzzle(level, number, true, record, symbols);
    return record;
}

TEST(PrintCurrentPuzzle, RefusesGamesNotFromTheDatabaseWithoutAsking) {
    struct Case {
        const char* what;
        int32_t level;
        uint32_t gameNumber;
    };
    const Case cases[] = {
        {"empty board at start-up", 2, 0},
        {"own puzzle", 5, 0},
        {"own puzzle with a stale number", 5, 4711},
        {"game opened from a file", 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        game.session.level = game.session.boardLevel = c.level;
        game.session.gameNumber = c.gameNumber;
        test::FakeHost host;
        EXPECT_FALSE(MakeCurrentPuzzleJob(game, host).has_value());
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, kOnlyZentileGamesMessage.English());
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(host.messages[0].caption, "Zentile");
        EXPECT_TRUE(host.questions.empty());
    }
}

TEST(PrintCurrentPuzzle, PrintsTheDatabaseRecordAndAsksForTheSolution) {
    for (const bool wantSolution : {true, false}) {
        Game game;
        test::FakeHost host;
        game.session.level = 1;
        StartNumberedGame(game, host, 4711);
        host.answers = {wantSolution};

        const std::optional<PrintJob> job = MakeCurrentPuzzleJob(game, host);
        ASSERT_TRUE(job.has_value());
        EXPECT_EQ(host.questions,
                  (std::vector<std::string>{std::string(kPrintSolutionQuestion.English())}));
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(job->PrintSolutions(), wantSolution);
        ASSERT_EQ(job->Entries().size(), 1u);
        const PrintEntry& entry = job->Entries()[0];
        EXPECT_EQ(entry.level, 1);
        EXPECT_EQ(entry.gameNumber, 4711);
        EXPECT_EQ(entry.values, RecordOf(1, 4711));
        EXPECT_EQ(entry.symbols, kClassicSymbols);
    }
}

TEST(PrintCurrentPuzzle, PrintsTheLettersShownOnScreen) {
    Game game;
    test::FakeHost host;
    game.options.NumberGame = false;
    game.session.level = 0;
    StartNumberedGame(game, host, 1000000); // LIFEBOATS
    const SymbolSet shown = game.symbols;
    // Switching back to digits in the options affects the next game, not this printout.
    game.options.NumberGame = true;
    host.answers = {true};

    const std::optional<PrintJob> job = MakeCurrentPuzzleJob(game, host);
    ASSERT_TRUE(job.has_value());
    const PrintEntry& entry = job->Entries()[0];
    EXPECT_EQ(entry.symbols, shown);
    EXPECT_EQ(entry.values, RecordOf(0, 1000000));
    std::string topRow;
    for (std::size_t column = 0; column < 9; ++column)
        topRow += entry.symbols[static_cast<std::size_t>(entry.values[81 + 9 * column])];
    EXPECT_EQ(topRow, "LIFEBOATS");
}

TEST(PrintCurrentPuzzle, PrintsThePuzzleOnTheBoardAfterTheLevelWasChangedForTheNextGame) {
    Game game;
    test::FakeHost host;
    game.session.level = 3;
    StartNumberedGame(game, host, 500);
    game.session.level = 0; // Difficulty: Very Easy for the next game
    host.answers = {false};

    const std::optional<PrintJob> job = MakeCurrentPuzzleJob(game, host);
    ASSERT_TRUE(job.has_value());
    const PrintEntry& entry = job->Entries()[0];
    EXPECT_EQ(entry.level, 3);
    EXPECT_EQ(entry.values, RecordOf(3, 500));
    EXPECT_EQ(entry.gameNumber, 500);
    EXPECT_EQ(game.session.level, 0); // the next game's level is left alone
}

} // namespace
} // namespace zentile
