#include "model/Game.h"
#include "model/GameClock.h"
#include "model/GridLayout.h"
#include "model/PlayStatistics.h"
#include "model/PuzzleDatabase.h"
#include "model/RandomSource.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

namespace zentile {
namespace {

using test::FakeHost;

TEST(FormatElapsed, ShowsHoursOnlyFromOneHourAndDropsDays) {
    EXPECT_EQ(FormatElapsed(0), "   00:00");
    EXPECT_EQ(FormatElapsed(465), "   07:45");
    EXPECT_EQ(FormatElapsed(3599), "   59:59");
    EXPECT_EQ(FormatElapsed(3600), "01:00:00");
    EXPECT_EQ(FormatElapsed(3723), "01:02:03");
    EXPECT_EQ(FormatElapsed(25 * 3600), "01:00:00");
    EXPECT_EQ(FormatElapsed(86400 + 120), "   02:00");
    EXPECT_EQ(FormatElapsed(-5), "   00:00");
}

TEST(PenaltySeconds, WeighsEachKindOfHelp) {
    EXPECT_EQ(PenaltySeconds({.undos = 3, .hints = 2, .highlightUsed = true}), 315U);
    EXPECT_EQ(PenaltySeconds({.undos = 2, .hints = 1, .highlightUsed = true}), 190U);
    EXPECT_EQ(PenaltySeconds({.erasures = 1, .pencilToggles = 1, .branchUsed = true}), 45U);
    EXPECT_EQ(PenaltySeconds({.loadedGame = true}), 0U);
    EXPECT_EQ(PenaltySeconds({.hints = 0xFFFFFFFFU}), 0xFFFFFFFFU); // saturates
}

TEST(GameClock, PausedTimeIsNotCountedAndABackwardClockNeverGivesNegativeTime) {
    GameSession session;
    session.state = GameState::Playing;
    session.clock.Start(1000);
    EXPECT_EQ(session.clock.face, ClockFace::Live);
    EXPECT_EQ(session.ElapsedSeconds(1607), 607);
    EXPECT_TRUE(Pause(session, 1607));
    EXPECT_FALSE(Pause(session, 1608));
    EXPECT_EQ(session.ElapsedSeconds(1607 + 3600), 607);
    EXPECT_TRUE(Resume(session, 1607 + 3600));
    EXPECT_FALSE(Resume(session, 1607 + 3600));
    EXPECT_EQ(session.ElapsedSeconds(1607 + 3610), 617);
    // The wall clock is set back an hour.
    EXPECT_EQ(session.ElapsedSeconds(1607), 607);
    EXPECT_TRUE(TogglePause(session, 1000));
    EXPECT_EQ(session.state, GameState::Paused);
    EXPECT_EQ(session.ElapsedSeconds(0), 607);

    GameSession fresh;
    fresh.state = GameState::Playing;
    fresh.clock.Start(5000);
    EXPECT_EQ(fresh.ElapsedSeconds(4000), 0);
}

TEST(GridLayout, HitTestCoversExactlyTheNineByNineCells) {
    GridLayout layout{.cellWidth = 40, .cellHeight = 30, .gridLeft = 18, .gridTop = 18};
    EXPECT_EQ(layout.HitTest(18, 18), (CellPosition{0, 0}));
    EXPECT_EQ(layout.HitTest(18 + 9 * 40 - 1, 18 + 9 * 30 - 1), (CellPosition{8, 8}));
    EXPECT_EQ(layout.HitTest(18 + 40, 18 + 29), (CellPosition{1, 0}));
    EXPECT_FALSE(layout.HitTest(17, 20));
    EXPECT_FALSE(layout.HitTest(20, 17));
    EXPECT_FALSE(layout.HitTest(18 + 9 * 40, 20)); // the right border line
    EXPECT_FALSE(layout.HitTest(20, 18 + 9 * 30)); // the bottom border line
    EXPECT_FALSE(GridLayout{}.HitTest(0, 0));      // before the first paint
}

TEST(RandomSource, IsTheClassicGenerator) {
    RandomSource random;
    random.Seed(1);
    EXPECT_EQ(random.Draw(), 41);
    EXPECT_EQ(random.Draw(), 18467);
    EXPECT_EQ(random.Draw(), 6334);
    random.Seed(0xFFFFFFFFU);
    for (int i = 0; i < 1000; ++i) {
        const int32_t r = random.Draw();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
}

TEST(Initialise, SeedsFromTheClockAndEmptiesTheBoardWithoutStartingAGame) {
    FakeHost host;
    host.now = 12345;
    Game game;
    game.grid.At(3, 3).value = 5;
    Initialise(game, host);
    RandomSource expected;
    expected.Seed(12345);
    EXPECT_EQ(game.random.Draw(), expected.Draw());
    EXPECT_EQ(game.grid.At(3, 3).value, 0);
    EXPECT_EQ(game.session.state, GameState::NoGame);
    EXPECT_EQ(game.session.clock.face, ClockFace::Blank);
    EXPECT_EQ(game.symbols, kClassicSymbols);
}

TEST(StartNumberedGame, LaysOutTheDatabasePuzzleWithAFreshClockAndRecord) {
    FakeHost host;
    Game game;
    Initialise(game, host);
    game.session.level = 3;
    game.undoLog.Push(game.grid[0]);
    game.session.branchOpen = true;
    game.session.statistics.hints = 4;
    game.session.currentDigit = 6;
    game.session.hidePencilMarks = true;
    game.grid.At(2, 2).pencilMarks = 0xFF;
    host.now = 777;

    StartNumberedGame(game, host, 4242);

    PuzzleRecord record{};
    SymbolSet symbols = kClassicSymbols;
    LookupPuzzle(3, 4242, true, record, symbols);
    for (int32_t k = 0; k < Grid::cellCount; ++k) {
        const Cell& cell = game.grid[k];
        EXPECT_EQ(cell.given, record[k] != 0);
        EXPECT_EQ(cell.solution, record[81 + k]);
        EXPECT_EQ(cell.value, 0);
        EXPECT_EQ(cell.pencilMarks, 0U);
    }
    EXPECT_EQ(game.session.state, GameState::Playing);
    EXPECT_EQ(game.session.gameNumber, 4242U);
    EXPECT_EQ(game.session.level, 3);
    EXPECT_TRUE(game.undoLog.Empty());
    EXPECT_FALSE(game.session.branchOpen);
    EXPECT_EQ(game.session.statistics, PlayStatistics{});
    EXPECT_EQ(game.session.clock.runningSince, 777);
    EXPECT_EQ(game.session.clock.face, ClockFace::Live);
    // Kept from before the game.
    EXPECT_EQ(game.session.currentDigit, 6);
    EXPECT_TRUE(game.session.hidePencilMarks);
    ASSERT_EQ(host.symbolChanges.size(), 1U);
    EXPECT_EQ(host.symbolChanges[0], kClassicSymbols);
}

TEST(StartNumberedGame, AnOwnPuzzleLevelFallsBackToMediumAndTheLetterGameGetsItsWord) {
    FakeHost host;
    Game game;
    Initialise(game, host);
    game.session.level = kCustomLevel;
    game.options.NumberGame = false;
    StartNumberedGame(game, host, 77);
    EXPECT_EQ(game.session.level, 2);

    PuzzleRecord record{};
    SymbolSet letters = kClassicSymbols;
    LookupPuzzle(2, 77, false, record, letters);
    EXPECT_EQ(game.symbols, letters);
    EXPECT_NE(game.symbols, kClassicSymbols);
    ASSERT_EQ(host.symbolChanges.size(), 1U);
    EXPECT_EQ(host.symbolChanges[0], letters);

    game.session.level = -3; // a damaged stored level is treated like an own puzzle's
    StartNumberedGame(game, host, 77);
    EXPECT_EQ(game.session.level, 2);
}

} // namespace
} // namespace zentile
