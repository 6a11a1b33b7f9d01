#include "StoreFixture.h"
#include "model/Hints.h"
#include "store/GameSnapshot.h"
#include "store/SavedGameFile.h"
#include "store/StoreTexts.h"
#include "store/TempFolder.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <streambuf>
#include <utility>

namespace zentile::test {
namespace {

const std::filesystem::path kKnownGridFile =
    std::filesystem::path(ZENTILE_TEST_DATA_DIR) / "saved" / "known-grid.ztg";

// The grid of known-grid.ztg: a full solution, every fifth cell in a diagonal pattern a
// clue, some entries, one of them wrong, and a typed digit hidden under the clue (0, 0).
void FillKnownGrid(Grid& grid) {
    for (Cell& cell : grid) {
        const int32_t c = cell.column;
        const int32_t r = cell.row;
        cell.solution = (3 * (r % 3) + r / 3 + c) % 9 + 1;
        cell.given = (c + 2 * r) % 5 == 0;
        if (!cell.given && (c * r) % 7 == 1) cell.value = cell.solution;
    }
    grid.At(4, 4).value = 2;
    grid.At(0, 0).value = 5;
}

// A string literal with the zero bytes in it.
template <std::size_t N> std::string Bytes(const char (&bytes)[N]) {
    return std::string(bytes, N - 1);
}

class SavedGameFileTest : public StoreFixture {
protected:
    TempFolder folder;
};

TEST_F(SavedGameFileTest, KnownGridIsSavedAsTheGoldenBytesEveryTime) {
    FillKnownGrid(game.grid);
    game.session.boardLevel = 3;
    const std::string golden = ReadFile(kKnownGridFile);
    // Spot checks that do not depend on the writer: the clue (0,0) with its hidden 5 and the
    // empty non-clue (0,1) whose solution is 4.
    ASSERT_EQ(golden.substr(0, 16), "Ver: 2.1\r\n151400");
    EXPECT_EQ(FormatSavedGame(game.grid, 3), golden);

    const std::string before = GameSnapshot(game);
    Save(folder / "first.ztg");
    Save(folder / "first.ztg");
    Save(folder / "second.ztg");
    EXPECT_EQ(ReadFile(folder / "first.ztg"), golden);
    EXPECT_EQ(ReadFile(folder / "second.ztg"), golden);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(GameSnapshot(game), before);
}

TEST_F(SavedGameFileTest, HintOnScreenIsNotSavedAsAnEntry) {
    FillKnownGrid(game.grid);
    Cell& cell = game.grid.At(2, 5);
    ASSERT_FALSE(cell.given);
    ASSERT_EQ(cell.value, 0);
    ShowHint(game, cell);
    const std::string text = FormatSavedGame(game.grid, 3);
    const std::size_t at = 10 + 3 * (2 * 9 + 5);
    EXPECT_EQ(text.substr(at, 3), std::to_string(cell.solution) + "00");
}

TEST_F(SavedGameFileTest, OpenedWithTheGuessesRestoresEveryCellAsALoadedGame) {
    StartGameWithPlay(/*level=*/1);
    ASSERT_TRUE(Run(cmd::AcceptBranch));
    Save(folder / "game.ztg");
    const Game saved = game;

    game.session.level = 4;
    StartNumberedGame(game, host, 77);
    host.now += 1000;
    const SymbolSet lettersBefore = game.symbols;
    host.answers = {false};
    const auto repaints = host.repaints;
    Open(folder / "game.ztg");

    EXPECT_EQ(host.questions.back(), kOpenWithoutGuessesQuestion.English());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_GT(host.repaints, repaints);
    for (int32_t k = 0; k < Grid::cellCount; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(game.grid[k].solution, saved.grid[k].solution);
        EXPECT_EQ(game.grid[k].value, saved.grid[k].hinted ? 0 : saved.grid[k].value);
        EXPECT_EQ(game.grid[k].given, saved.grid[k].given);
        EXPECT_EQ(game.grid[k].pencilMarks, 0U);
        EXPECT_FALSE(game.grid[k].hinted);
    }
    const GameSession& session = game.session;
    EXPECT_EQ(session.level, 1);
    EXPECT_EQ(session.gameNumber, 0U);
    EXPECT_EQ(session.state, GameState::Playing);
    EXPECT_EQ(session.clock.elapsedBefore, 0);
    EXPECT_EQ(session.clock.runningSince, host.now);
    EXPECT_EQ(session.clock.face, ClockFace::Live);
    EXPECT_FALSE(session.branchOpen);
    EXPECT_TRUE(game.undoLog.Empty());
    EXPECT_EQ(session.statistics, (PlayStatistics{.loadedGame = true}));
    // The letters of the game before stay: the file does not hold the symbols.
    EXPECT_EQ(game.symbols, lettersBefore);
}

// The level of the next game, chosen in Difficulty, is not the saved game's.
TEST_F(SavedGameFileTest, SavedWithTheLevelOfTheGameOnTheBoard) {
    game.session.level = 0;
    StartNumberedGame(game, host, 8);
    game.session.level = 3;
    Save(folder / "game.ztg");
    EXPECT_EQ(ReadFile(folder / "game.ztg").substr(10 + 243 + 2), "0\r\nDone\r\n");
}

TEST_F(SavedGameFileTest, OpenedWithoutTheGuessesKeepsOnlyThePuzzle) {
    StartGameWithPlay();
    const auto hinted = std::find_if(game.grid.begin(), game.grid.end(),
                                     [](const Cell& cell) { return cell.hinted; });
    ASSERT_NE(hinted, game.grid.end());
    const int32_t hintTimer = HintTimerId(hinted->column, hinted->row);
    ASSERT_TRUE(host.TimerRunning(hintTimer));

    host.answers = {true};
    Open(kKnownGridFile);
    Game known;
    FillKnownGrid(known.grid);
    for (int32_t k = 0; k < Grid::cellCount; ++k) {
        EXPECT_EQ(game.grid[k].solution, known.grid[k].solution);
        EXPECT_EQ(game.grid[k].given, known.grid[k].given);
        EXPECT_EQ(game.grid[k].value, 0);
    }
    EXPECT_EQ(game.session.level, 3);
    EXPECT_FALSE(game.session.statistics.loadedGame);
    // The hint of the board before must not reach into the loaded puzzle.
    EXPECT_FALSE(host.TimerRunning(hintTimer));
}

TEST_F(SavedGameFileTest, OpenAcceptsEveryLineEndAndIgnoresWhatTheFormatLeavesOpen) {
    const std::string cells = ReadFile(kKnownGridFile).substr(10, 243);
    struct Case {
        const char* what;
        std::string text;
        int32_t level;
    };
    const Case cases[] = {
        {"bare line feeds", "Ver: 2.1\n" + cells + "\n3\nDone\n", 3},
        {"no end on the last line", "Ver: 2.1\r\n" + cells + "\r\n3\r\nDone", 3},
        {"mixed line ends", "Ver: 2.1\n" + cells + "\r\n0\nDone\r\n", 0},
        {"level followed by more", "Ver: 2.1\r\n" + cells + "\r\n37\r\nDone\r\n", 3},
        {"own puzzle", "Ver: 2.1\r\n" + cells + "\r\n5\r\nDone\r\n", 5},
        {"anything after the end mark",
         "Ver: 2.1\r\n" + cells + "\r\n4\r\nDone\r\nmore\r\n" + std::string(5000, '\0'), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(folder / "game.ztg", c.text);
        game.session.level = 2;
        host.answers = {false};
        Open(folder / "game.ztg");
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(game.session.level, c.level);
        EXPECT_EQ(game.grid.At(4, 4).value, 2);
    }
}

// Every way a file can be wrong. Each must leave the game exactly as it was.
TEST_F(SavedGameFileTest, MalformedFileLeavesTheGameUntouched) {
    const std::string good = ReadFile(kKnownGridFile);
    const std::string cells = good.substr(10, 243);
    const auto file = [&](std::string_view version, std::string_view line2, std::string_view level,
                          std::string_view end) {
        return std::string(version) + "\r\n" + std::string(line2) + "\r\n" + std::string(level) +
               "\r\n" + std::string(end) + "\r\n";
    };
    const auto withCell = [&](std::size_t at, char c) {
        std::string changed = cells;
        changed[at] = c;
        return changed;
    };
    // Two cells' solution digits exchanged: (0,0) with (0,1) breaks two rows, (0,0) with
    // (1,0) two columns, and each unit keeps its digits otherwise.
    const auto swapped = [&](std::size_t first, std::size_t second) {
        std::string changed = cells;
        std::swap(changed[3 * first], changed[3 * second]);
        return changed;
    };
    // Rows and columns as in a solved grid, but the boxes repeat digits.
    std::string latinSquare;
    for (int32_t k = 0; k < Grid::cellCount; ++k)
        latinSquare += std::to_string((k / 9 + k % 9) % 9 + 1) + "00";
    const std::string noSolutions(243, '0');
    const std::string oneBareClue = "001" + noSolutions.substr(3);
    const std::string editorEntry = "000050" + noSolutions.substr(6);
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"other version", file("Ver: 2.0", cells, "3", "Done")},
        {"lower-case version mark", file("ver: 2.1", cells, "3", "Done")},
        {"blank after the version", file("Ver: 2.1 ", cells, "3", "Done")},
        {"blank before the version", file(" Ver: 2.1", cells, "3", "Done")},
        {"empty first line", file("", cells, "3", "Done")},
        {"stray carriage return", file("Ver:\r 2.1", cells, "3", "Done")},
        {"242 cell characters", file("Ver: 2.1", cells.substr(1), "3", "Done")},
        {"244 cell characters", file("Ver: 2.1", cells + "0", "3", "Done")},
        {"empty cell line", file("Ver: 2.1", "", "3", "Done")},
        {"bad solution at the start", file("Ver: 2.1", withCell(0, 'x'), "3", "Done")},
        {"bad entry in the middle", file("Ver: 2.1", withCell(121, ':'), "3", "Done")},
        {"bad given flag at the end", file("Ver: 2.1", withCell(242, '2'), "3", "Done")},
        {"blank as an entry", file("Ver: 2.1", withCell(4, ' '), "3", "Done")},
        {"digit below zero", file("Ver: 2.1", withCell(3, '/'), "3", "Done")},
        {"a solution missing", file("Ver: 2.1", withCell(3, '0'), "3", "Done")},
        {"no solution at all", file("Ver: 2.1", noSolutions, "3", "Done")},
        {"a digit twice in a row", file("Ver: 2.1", swapped(0, 1), "3", "Done")},
        {"a digit twice in a column", file("Ver: 2.1", swapped(0, 9), "1", "Done")},
        {"a digit twice in a box", file("Ver: 2.1", latinSquare, "0", "Done")},
        {"own puzzle with a solution missing", file("Ver: 2.1", withCell(3, '0'), "5", "Done")},
        {"a clue without its digit in the editor", file("Ver: 2.1", oneBareClue, "5", "Done")},
        {"an entry in the editor", file("Ver: 2.1", editorEntry, "5", "Done")},
        {"level 6", file("Ver: 2.1", cells, "6", "Done")},
        {"level x", file("Ver: 2.1", cells, "x", "Done")},
        {"negative level", file("Ver: 2.1", cells, "-1", "Done")},
        {"blank before the level", file("Ver: 2.1", cells, " 3", "Done")},
        {"empty level line", file("Ver: 2.1", cells, "", "Done")},
        {"lower-case end mark", file("Ver: 2.1", cells, "3", "done")},
        {"blank after the end mark", file("Ver: 2.1", cells, "3", "Done ")},
        {"other end mark", file("Ver: 2.1", cells, "3", "End")},
        {"empty end line", file("Ver: 2.1", cells, "3", "")},
        {"empty file", ""},
        {"one line", "Ver: 2.1\r\n"},
        {"two lines", "Ver: 2.1\r\n" + cells + "\r\n"},
        {"three lines", "Ver: 2.1\r\n" + cells + "\r\n3\r\n"},
        {"long first line", file(std::string(10000, 'V'), cells, "3", "Done")},
        {"long cell line", file("Ver: 2.1", cells + std::string(300, '0'), "3", "Done")},
        {"long tail on the level line",
         file("Ver: 2.1", cells, "3" + std::string(400, ' '), "Done")},
        {"zero byte in the cells", file("Ver: 2.1", withCell(100, '\0'), "3", "Done")},
        {"byte above ASCII in the cells", file("Ver: 2.1", withCell(100, '\xE9'), "3", "Done")},
        {"tab after the level", file("Ver: 2.1", cells, "3\t", "Done")},
        {"binary data", Bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR") + std::string(600, '\x7f')},
        {"text in another encoding", Bytes("\xFF\xFEV\0e\0r\0:\0 \0"
                                           "2\0.\0"
                                           "1\0\r\0\n\0")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game fresh;
        game = fresh;
        host.messages.clear();
        host.questions.clear();
        StartGameWithPlay();
        WriteFile(folder / "bad.ztg", c.text);
        const std::string before = GameSnapshot(game);
        const auto repaints = host.repaints;

        Open(folder / "bad.ztg");

        EXPECT_EQ(GameSnapshot(game), before);
        EXPECT_TRUE(host.questions.empty());
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].text, kReadErrorMessage.English());
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(host.messages[0].caption, kApplicationTitle);
        EXPECT_GT(host.repaints, repaints);
    }
}

TEST_F(SavedGameFileTest, WhatIsNoFileAtAllLeavesTheGameUntouched) {
    StartGameWithPlay();
    const std::string before = GameSnapshot(game);
    std::filesystem::create_directory(folder / "folder.ztg");
    for (const auto& path :
         {folder / "missing.ztg", folder / "folder.ztg", std::filesystem::path("/dev/zero")}) {
        SCOPED_TRACE(path);
        host.messages.clear();
        Open(path);
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].text, kReadErrorMessage.English());
        EXPECT_EQ(GameSnapshot(game), before);
    }
    // A cancelled dialog: no message, no change.
    host.messages.clear();
    ASSERT_TRUE(Run(cmd::OpenGame));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(GameSnapshot(game), before);
}

// An endless stream of one character, counting what was taken from it.
class EndlessBuffer : public std::streambuf {
public:
    explicit EndlessBuffer(char c) { buffer.fill(c); }
    std::size_t taken = 0;

protected:
    int_type underflow() override {
        taken += buffer.size();
        setg(buffer.data(), buffer.data(), buffer.data() + buffer.size());
        return traits_type::to_int_type(buffer[0]);
    }

private:
    std::array<char, 64> buffer{};
};

TEST(SavedGameReading, StopsAtTheFirstOverlongOrBinaryLine) {
    for (const char c : {'V', '\0', '\xFF'}) {
        SCOPED_TRACE(int(c));
        EndlessBuffer endless(c);
        std::istream in(&endless);
        EXPECT_FALSE(ParseSavedGame(in).has_value());
        EXPECT_LE(endless.taken, kMaxSavedLineLength + 64);
    }
}

TEST(SavedGameReading, RejectsAHugeFileOfZerosWithoutReadingIt) {
    TempFolder folder;
    const auto path = folder / "huge.ztg";
    WriteFile(path, "");
    std::filesystem::resize_file(path, std::uintmax_t{1} << 32); // sparse: takes no disk space
    EXPECT_FALSE(ReadSavedGame(path).has_value());
}

} // namespace
} // namespace zentile::test
