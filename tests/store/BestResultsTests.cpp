#include "StoreFixture.h"
#include "store/BestResults.h"
#include "store/StoreTexts.h"
#include "store/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace zentile::test {
namespace {

using Bytes = std::vector<uint8_t>;

// 300 seconds with a penalty of 190, and an empty slot, as stored.
const Bytes kExampleRecord = {0x2C, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xBE, 0x00,
                              0x00, 0x00, 0xEA, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
const Bytes kEmptySlot = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
                          0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

Bytes Image(const std::vector<Bytes>& filled) {
    Bytes image;
    for (std::size_t slot = 0; slot < kResultSlots; ++slot) {
        const Bytes& record = slot < filled.size() ? filled[slot] : kEmptySlot;
        image.insert(image.end(), record.begin(), record.end());
    }
    return image;
}

const Bytes& EmptyImage() {
    static const Bytes image = Image({});
    return image;
}

// The table's rule; the window puts the headings above it in the player's language.
constexpr std::string_view kHeading =
    "\t -----------------------------------------------------------------\n";

class BestResultsTest : public ::testing::Test {
protected:
    MemorySettingsStore store;
    BestResultsTable table{store};

    Bytes Stored(int32_t level) {
        return store.ReadBinary(kBestResultsSection, kBestResultsKeys[level]).value_or(Bytes{});
    }
    // A result without help: its total is its time.
    void Insert(int64_t seconds, int32_t level = 2) { table.InsertResult(seconds, level, {}); }
    std::vector<int64_t> Totals(int32_t level = 2) {
        std::vector<int64_t> totals;
        for (const ResultRecord& record : table.List(level))
            if (!record.Empty()) totals.push_back(record.totalTime);
        return totals;
    }
};

TEST_F(BestResultsTest, ExampleRecordIsStoredAsTheGoldenBytes) {
    ASSERT_EQ(std::count(kHeading.begin(), kHeading.end(), '-'), 65);
    table.LoadBestResults();
    const PlayStatistics help{.undos = 2, .hints = 1, .highlightUsed = true};
    table.InsertResult(300, 3, help);

    EXPECT_EQ(table.List(3)[0], (ResultRecord{300, 190, 490}));
    EXPECT_EQ(Stored(3), Image({kExampleRecord}));
    ASSERT_EQ(Stored(3).size(), 200U);
    for (int32_t level : {0, 1, 2, 4}) EXPECT_EQ(Stored(level), EmptyImage()) << level;
    EXPECT_EQ(table.FormatBestResults(3),
              std::string(kHeading) + "1\t   05:00\t\t190\t\t   08:10\n");
}

TEST_F(BestResultsTest, FirstRunWritesFiveEmptyListsAndShowsOnlyTheHeadings) {
    table.LoadBestResults();
    EXPECT_EQ(store.writes, 5U);
    for (int32_t level = 0; level < kDatabaseLevels; ++level) {
        EXPECT_EQ(Stored(level), EmptyImage()) << level;
        EXPECT_EQ(table.FormatBestResults(level), kHeading);
    }
}

TEST_F(BestResultsTest, OneDamagedValueEmptiesAllFiveLists) {
    const Bytes good = Image({kExampleRecord});
    Bytes gap = Image({kExampleRecord});
    std::copy(kExampleRecord.begin(), kExampleRecord.end(),
              gap.begin() + 40); // slot 2, after an empty slot 1
    Bytes descending = Image({kExampleRecord, kExampleRecord});
    descending[20] = 0x2D; // slot 1: 301 seconds, still total 490
    const Bytes fast = {0x64, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x64, 0, 0, 0, 0, 0, 0, 0};
    const Bytes outOfOrder = Image({kExampleRecord, fast}); // 490, then 100
    Bytes negativePenalty = Image({kExampleRecord});
    negativePenalty[8] = 0xFE; // -2 seconds
    struct Case {
        const char* what;
        Bytes hard;
    };
    const Case cases[] = {
        {"199 bytes", Bytes(good.begin(), good.end() - 1)},
        {"201 bytes",
         [&] {
             Bytes b = good;
             b.push_back(0);
             return b;
         }()},
        {"nothing", {}},
        {"a filled slot after an empty one", gap},
        {"total not time plus penalty", descending},
        {"totals out of order", outOfOrder},
        {"penalty below zero", negativePenalty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemorySettingsStore damaged;
        for (int32_t level = 0; level < kDatabaseLevels; ++level)
            damaged.WriteBinary(kBestResultsSection, kBestResultsKeys[level], good);
        damaged.WriteBinary(kBestResultsSection, "Hard", c.hard);
        const std::size_t writes = damaged.writes;

        BestResultsTable loaded(damaged);
        loaded.LoadBestResults();
        for (int32_t level = 0; level < kDatabaseLevels; ++level) {
            EXPECT_TRUE(loaded.List(level)[0].Empty()) << level;
            EXPECT_EQ(damaged.ReadBinary(kBestResultsSection, kBestResultsKeys[level]),
                      EmptyImage());
        }
        EXPECT_EQ(damaged.writes, writes + 5);
    }

    // A missing last value, or one stored as text, is damage just the same.
    MemorySettingsStore text;
    for (int32_t level = 0; level < 4; ++level)
        text.WriteBinary(kBestResultsSection, kBestResultsKeys[level], good);
    text.WriteString(kBestResultsSection, "Very Hard", "?");
    BestResultsTable loaded(text);
    loaded.LoadBestResults();
    EXPECT_TRUE(loaded.List(0)[0].Empty());
    EXPECT_EQ(text.ReadBinary(kBestResultsSection, "Very Hard"), EmptyImage());
}

TEST_F(BestResultsTest, SavedResultsReloadIntoAFreshTableUnchangedAndUnwritten) {
    const Bytes hour = [] {
        // 1 hour 2 minutes 5 seconds, no penalty: 3725 = 0x0E8D.
        Bytes b(20, 0);
        b[0] = 0x8D, b[1] = 0x0E, b[12] = 0x8D, b[13] = 0x0E;
        return b;
    }();
    table.LoadBestResults();
    table.InsertResult(3725, 0, {});
    table.InsertResult(90000, 0, {.hints = 1});
    table.InsertResult(300, 0, {.undos = 2, .hints = 1, .highlightUsed = true});
    for (int32_t s = 10; s <= 130; s += 10) Insert(s, 4);
    Insert(45, 1);
    EXPECT_EQ(Stored(0).size(), 200U);
    EXPECT_TRUE(std::equal(hour.begin(), hour.end(), Stored(0).begin() + 20));
    // 25 hours are stored as they are and shown without the day.
    EXPECT_EQ(table.List(0)[2].originalTime, 90000);
    EXPECT_EQ(table.FormatBestResults(0), std::string(kHeading) +
                                              "1\t   05:00\t\t190\t\t   08:10\n"
                                              "2\t01:02:05\t\t0\t\t01:02:05\n"
                                              "3\t01:00:00\t\t120\t\t01:02:00\n");

    const std::size_t writes = store.writes;
    BestResultsTable reloaded(store);
    reloaded.LoadBestResults();
    EXPECT_EQ(store.writes, writes);
    for (int32_t level = 0; level < kDatabaseLevels; ++level) {
        EXPECT_EQ(reloaded.List(level), table.List(level)) << level;
        EXPECT_EQ(reloaded.FormatBestResults(level), table.FormatBestResults(level));
    }
    EXPECT_EQ(Totals(4), (std::vector<int64_t>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST_F(BestResultsTest, ANewResultRanksAfterEveryEqualTotal) {
    for (int64_t total : {100, 200, 300, 400, 500, 600}) Insert(total);
    table.InsertResult(395, 2, {.undos = 1}); // 395 + 5 = 400, as slot 3
    const ResultList& list = table.List(2);
    EXPECT_EQ(list[3], (ResultRecord{400, 0, 400}));
    EXPECT_EQ(list[4], (ResultRecord{395, 5, 400}));
    EXPECT_EQ(Totals(), (std::vector<int64_t>{100, 200, 300, 400, 400, 500, 600}));
    EXPECT_EQ(Stored(2).size(), 200U);

    // Into an empty list, whatever the time.
    Insert(1'000'000, 1);
    EXPECT_EQ(Totals(1), std::vector<int64_t>{1'000'000});
}

TEST_F(BestResultsTest, AFullListTakesOnlyABetterTotal) {
    for (int64_t total = 150; total <= 600; total += 50) Insert(total);
    const std::size_t writes = store.writes;
    const ResultList full = table.List(2);

    Insert(600);
    EXPECT_EQ(table.List(2), full);
    EXPECT_EQ(store.writes, writes);

    Insert(599);
    EXPECT_EQ(Totals(), (std::vector<int64_t>{150, 200, 250, 300, 350, 400, 450, 500, 550, 599}));
    Insert(1);
    EXPECT_EQ(Totals(), (std::vector<int64_t>{1, 150, 200, 250, 300, 350, 400, 450, 500, 550}));
    EXPECT_EQ(store.writes, writes + 2); // the one level that changed
}

TEST_F(BestResultsTest, GamesThatAreNotRankedChangeNothing) {
    table.InsertResult(100, 2, {.loadedGame = true});
    table.InsertResult(100, 5, {});
    table.InsertResult(100, -1, {});
    EXPECT_EQ(store.writes, 0U);
    for (int32_t level = 0; level < kDatabaseLevels; ++level) EXPECT_TRUE(Totals(level).empty());
}

TEST_F(BestResultsTest, ResetEmptiesEveryListAndAFailedWriteKeepsTheTableInMemory) {
    Insert(50, 0);
    Insert(60, 4);
    table.ResetBestResults();
    for (int32_t level = 0; level < kDatabaseLevels; ++level) {
        EXPECT_TRUE(Totals(level).empty());
        EXPECT_EQ(Stored(level), EmptyImage());
    }
    store.failWrites = true;
    Insert(70, 3);
    EXPECT_EQ(Totals(3), std::vector<int64_t>{70});
    EXPECT_EQ(Stored(3), EmptyImage());

    // The next change stores the result kept in memory too, once.
    store.failWrites = false;
    Insert(80, 3);
    EXPECT_EQ(Totals(3), (std::vector<int64_t>{70, 80}));
    BestResultsTable next(store);
    next.LoadBestResults();
    EXPECT_EQ(next.List(3), table.List(3));
}

// Two copies of the game running at once, over one store: each result goes into the list as it
// is stored at that moment, and a reset empties what is stored then.
TEST_F(BestResultsTest, TwoCopiesKeepEachOthersResults) {
    BestResultsTable other(store);
    table.LoadBestResults();
    other.LoadBestResults();
    Insert(100);
    other.InsertResult(200, 2, {});
    other.InsertResult(95, 2, {.undos = 1});        // 100, after this copy's 100
    EXPECT_EQ(Totals(), std::vector<int64_t>{100}); // until this copy's next change
    EXPECT_EQ(other.List(2)[1], (ResultRecord{95, 5, 100}));
    Insert(150);
    EXPECT_EQ(Totals(), (std::vector<int64_t>{100, 100, 150, 200}));
    EXPECT_EQ(table.List(2)[0], (ResultRecord{100, 0, 100}));
    EXPECT_EQ(DecodeResultList(Stored(2)), table.List(2));

    other.ResetBestResults();
    Insert(300);
    EXPECT_EQ(Totals(), std::vector<int64_t>{300});
    EXPECT_EQ(DecodeResultList(Stored(2)), table.List(2));
}

TEST(ResultImage, IsLittleEndianAndPackedOnAnyMachine) {
    ResultList list;
    list[0] = {0x0102030405060708, 0x0A0B0C0D, 0x0102030405060708 + 0x0A0B0C0D};
    const ResultListImage image = EncodeResultList(list);
    const Bytes first(image.begin(), image.begin() + 20);
    EXPECT_EQ(first, (Bytes{0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, 0x0D, 0x0C,
                            0x0B, 0x0A, 0x15, 0x13, 0x11, 0x0F, 0x04, 0x03, 0x02, 0x01}));
    EXPECT_EQ(DecodeResultList(image), list);
}

// The results of games played through the controller.
class ResultsOfPlay : public StoreFixture {
protected:
    // Fills in every missing digit and lets the "puzzle solved" message arrive.
    void Finish() {
        for (Cell& cell : game.grid)
            if (!cell.given && cell.value != cell.solution) {
                if (cell.value != 0) SetValue(game, host, cell, 0);
                SetValue(game, host, cell, cell.solution);
            }
        while (host.TakePosted()) controller.OnPuzzleSolved();
    }
};

TEST_F(ResultsOfPlay, ASolvedTimedGameEntersWithItsPenalty) {
    wiring.LoadStoredState();
    game.session.level = 1;
    StartNumberedGame(game, host, 5);
    const auto empty = std::find_if(game.grid.begin(), game.grid.end(),
                                    [](const Cell& cell) { return !cell.given; });
    SetValue(game, host, *empty, empty->solution % 9 + 1);
    ASSERT_TRUE(Run(cmd::Undo));
    host.now += 321;
    Finish();
    EXPECT_EQ(game.session.state, GameState::NoGame);
    EXPECT_EQ(wiring.bestResults.List(1)[0], (ResultRecord{321, 5, 326}));
    EXPECT_EQ(store.ReadBinary(kBestResultsSection, "Easy"),
              Image({{0x41, 0x01, 0, 0, 0, 0, 0, 0, 0x05, 0, 0, 0, 0x46, 0x01, 0, 0, 0, 0, 0, 0}}));
}

TEST_F(ResultsOfPlay, OnlyATimedGameWithoutStoredEntriesEnters) {
    wiring.LoadStoredState();
    TempFolder folder;
    game.session.level = 0;
    StartNumberedGame(game, host, 8);
    Save(folder / "game.ztg");

    host.answers = {false}; // with the entries: a loaded game
    Open(folder / "game.ztg");
    Finish();
    EXPECT_TRUE(wiring.bestResults.List(0)[0].Empty());

    game.options.TimedGame = false;
    StartNumberedGame(game, host, 8);
    Finish();
    EXPECT_TRUE(wiring.bestResults.List(0)[0].Empty());

    game.options.TimedGame = true;
    host.answers = {true}; // the bare puzzle is ranked like any other game
    Open(folder / "game.ztg");
    host.now += 90;
    Finish();
    EXPECT_EQ(wiring.bestResults.List(0)[0], (ResultRecord{90, 0, 90}));
}

} // namespace
} // namespace zentile::test
