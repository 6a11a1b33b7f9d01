#include "StoreFixture.h"
#include "store/Settings.h"
#include "store/StoreTexts.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zentile::test {
namespace {

TEST(Settings, EmptyStoreGivesATimedClassicMediumGameThatMarksMisplacedEntries) {
    Game game;
    game.options = {false, true, true, false, false};
    game.session.level = 4;
    MemorySettingsStore store;
    LoadSettings(game, store);
    EXPECT_EQ(game.options, GameOptions{});
    EXPECT_TRUE(game.options.CheckGuess);
    EXPECT_FALSE(game.options.HighlightSelection);
    EXPECT_TRUE(game.options.TimedGame);
    EXPECT_TRUE(game.options.NumberGame);
    EXPECT_EQ(game.session.level, 2);
    EXPECT_EQ(store.writes, 0U);
}

TEST(Settings, SavesOnlyTheOptionsThatDifferFromTheStoredAndReadsThemBack) {
    Game game;
    game.options.HighlightSelection = true;
    game.session.level = 5;
    game.options.CheckGuess = false;
    MemorySettingsStore store;
    StoredOptions stored;
    EXPECT_TRUE(SaveSettings(game, store, stored));
    EXPECT_EQ(store.writes, 3U);
    EXPECT_EQ(store.ReadString(kOptionsSection, "HighlightSelection", ""), "true");
    EXPECT_EQ(store.ReadInt(kOptionsSection, "GameLevel", 0), 5);
    EXPECT_EQ(store.Find(kOptionsSection, "TimedGame"), nullptr);

    Game next;
    LoadSettings(next, store);
    EXPECT_EQ(next.options, game.options);
    EXPECT_EQ(next.session.level, 5);
}

TEST(Settings, OnlyTheExactTextTrueIsTrue) {
    for (const char* text : {"TRUE", "True", "1", " true", "true ", "yes", ""}) {
        SCOPED_TRACE(text);
        MemorySettingsStore store;
        store.WriteString(kOptionsSection, "TimedGame", text);
        store.WriteString(kOptionsSection, "CheckGuess", "true");
        Game game;
        LoadSettings(game, store);
        EXPECT_FALSE(game.options.TimedGame);
        EXPECT_TRUE(game.options.CheckGuess);
    }
}

TEST(Settings, LevelOutsideTheSixLevelsLoadsAsMedium) {
    struct Case {
        MemorySettingsStore::Value stored;
        int32_t level;
    };
    const Case cases[] = {{0, 0},       {4, 4},  {5, 5},   {6, 2},       {-1, 2},
                          {INT_MIN, 2}, {99, 2}, {"3", 3}, {"three", 2}, {"7", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        MemorySettingsStore store;
        if (const auto* number = std::get_if<int32_t>(&c.stored))
            store.WriteInt(kOptionsSection, "GameLevel", *number);
        else
            store.WriteString(kOptionsSection, "GameLevel", std::get<std::string>(c.stored));
        Game game;
        LoadSettings(game, store);
        EXPECT_EQ(game.session.level, c.level);
    }
}

// The options are saved whenever a command changes one, with the level as it stands.
class OptionSaving : public StoreFixture {};

TEST_F(OptionSaving, EveryCommandThatChangesAnOptionSavesThatOptionAlone) {
    game.session.level = 5; // an own puzzle's level goes with the next save
    game.session.state = GameState::Playing;
    ASSERT_TRUE(Run(cmd::HighlightSelection));
    EXPECT_EQ(store.ReadString(kOptionsSection, "HighlightSelection", ""), "true");
    EXPECT_EQ(store.ReadInt(kOptionsSection, "GameLevel", -7), 5);
    EXPECT_EQ(store.writes, 2U);

    ASSERT_TRUE(Run(cmd::ShowMisplaced));
    EXPECT_EQ(store.ReadString(kOptionsSection, "CheckGuess", ""), "false");
    ASSERT_TRUE(Run(cmd::HidePencilMarks));
    wiring.SaveOptions();
    EXPECT_EQ(store.writes, 3U);
}

TEST_F(OptionSaving, AFailedWriteLeavesTheOptionsInForce) {
    game.session.state = GameState::Playing;
    store.failWrites = true;
    ASSERT_TRUE(Run(cmd::HighlightSelection));
    EXPECT_TRUE(game.options.HighlightSelection);
    EXPECT_EQ(store.Find(kOptionsSection, "HighlightSelection"), nullptr);
}

TEST_F(OptionSaving, StoredStateLoadsTheOptionsAndThenTheBestResults) {
    store.WriteString(kOptionsSection, "NumberGame", "false");
    store.WriteInt(kOptionsSection, "GameLevel", 0);
    wiring.LoadStoredState();
    EXPECT_FALSE(game.options.NumberGame);
    EXPECT_EQ(game.session.level, 0);
    // The first run writes the five empty best-results lists.
    for (std::string_view name : {"Very Easy", "Easy", "Medium", "Hard", "Very Hard"})
        EXPECT_NE(store.Find(kBestResultsSection, name), nullptr) << name;
}

} // namespace
} // namespace zentile::test
