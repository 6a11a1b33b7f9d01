#include "play/CommandTable.h"
#include "support/PlayTable.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace zentile {
namespace {

using test::PlayTable;

// The window binds a handler to every command the core leaves open; here one doing nothing.
struct BoundTable : PlayTable {
    BoundTable() {
        for (const CommandRow& row : CommandTable()) {
            const bool bound = row.handler != nullptr || controller.commands.Bind(row.id, [] {});
            EXPECT_TRUE(bound) << row.id;
        }
    }
    std::set<CommandId> EnabledSet() {
        std::set<CommandId> enabled;
        for (const CommandRow& row : CommandTable())
            if (Enabled(row.id)) enabled.insert(row.id);
        return enabled;
    }
};

std::set<CommandId> Digits() {
    std::set<CommandId> digits;
    for (CommandId id = cmd::Erase; id <= cmd::Digit9; ++id) digits.insert(id);
    return digits;
}

std::set<CommandId> Union(std::set<CommandId> a, const std::set<CommandId>& b) {
    a.insert(b.begin(), b.end());
    return a;
}

const std::set<CommandId> kAlways = {
    cmd::GameNumber,   cmd::OpenGame,           cmd::SaveGame,     cmd::PrintCurrentPuzzle,
    cmd::PrintBooklet, cmd::Difficulty,         cmd::Options,      cmd::BestResults,
    cmd::Exit,         cmd::HighlightSelection, cmd::HelpContents, cmd::GoToWebsite,
    cmd::About,        cmd::RevealToggle};

TEST(CommandState, AtStartUpOnlyTheGameIndependentCommandsAreEnabled) {
    BoundTable t;
    EXPECT_EQ(t.EnabledSet(), Union(kAlways, {cmd::New, cmd::CreateGame}));
    for (const CommandRow& row : CommandTable()) EXPECT_FALSE(t.Checked(row.id)) << row.id;
}

TEST(CommandState, FollowsTheGameThroughItsStates) {
    BoundTable t;
    t.StartGame(100);
    const std::set<CommandId> playing =
        Union(Union(kAlways, Digits()),
              {cmd::New, cmd::CreateGame, cmd::ShowHint, cmd::SolvePuzzle, cmd::ShowMisplaced,
               cmd::HidePencilMarks, cmd::StartBranch, cmd::PauseGame});
    EXPECT_EQ(t.EnabledSet(), playing);

    Cell* empty = t.FirstEmpty();
    t.Select(empty->solution);
    t.Click(empty->column, empty->row);
    EXPECT_EQ(t.EnabledSet(), Union(playing, {cmd::Undo}));

    ASSERT_TRUE(t.Run(cmd::StartBranch));
    std::set<CommandId> inBranch = Union(playing, {cmd::AcceptBranch, cmd::RejectBranch});
    inBranch.erase(cmd::StartBranch);
    EXPECT_EQ(t.EnabledSet(), inBranch); // the log was emptied: no Undo

    ASSERT_TRUE(Pause(t.Session(), t.host.now));
    EXPECT_EQ(t.EnabledSet(), Union(kAlways, {cmd::New, cmd::PauseGame}));

    t.Session().state = GameState::Editing; // as the editor leaves it
    EXPECT_EQ(t.EnabledSet(),
              Union(Union(kAlways, Digits()), {cmd::SaveAndPlay, cmd::CancelEditMode}));
}

TEST(CommandState, CheckMarksShowOnlyWhileTheCommandIsEnabled) {
    BoundTable t;
    t.game.options.CheckGuess = true;
    t.Session().hidePencilMarks = true;
    t.Session().currentDigit = 4;
    EXPECT_FALSE(t.Checked(cmd::ShowMisplaced));
    EXPECT_FALSE(t.Checked(cmd::HidePencilMarks));
    EXPECT_FALSE(t.Checked(cmd::Erase + 4));

    t.StartGame(5);
    EXPECT_TRUE(t.Checked(cmd::ShowMisplaced));
    EXPECT_TRUE(t.Checked(cmd::HidePencilMarks));
    for (CommandId id : Digits()) EXPECT_EQ(t.Checked(id), id == cmd::Erase + 4) << id;
    t.Select(0);
    EXPECT_TRUE(t.Checked(cmd::Erase));
    EXPECT_FALSE(t.Checked(cmd::Erase + 4));

    t.game.options.CheckGuess = false;
    EXPECT_FALSE(t.Checked(cmd::ShowMisplaced));
    EXPECT_FALSE(t.Checked(cmd::HighlightSelection));
    t.game.options.HighlightSelection = true;
    EXPECT_TRUE(t.Checked(cmd::HighlightSelection));
    t.Session().state = GameState::NoGame;
    EXPECT_TRUE(t.Checked(cmd::HighlightSelection)); // always enabled, so always shown
}

TEST(CommandState, AskingHighlightSelectionsRuleMarksHighlightingAsUsed) {
    PlayTable t;
    t.StartGame(9);
    t.controller.commands.Query(cmd::HighlightSelection);
    EXPECT_FALSE(t.Session().statistics.highlightUsed);
    t.game.options.HighlightSelection = true;
    t.controller.commands.Query(cmd::Undo); // other rules have no such effect
    EXPECT_FALSE(t.Session().statistics.highlightUsed);
    t.controller.commands.Query(cmd::HighlightSelection);
    EXPECT_TRUE(t.Session().statistics.highlightUsed);
    t.game.options.HighlightSelection = false;
    t.controller.commands.Query(cmd::HighlightSelection);
    EXPECT_TRUE(t.Session().statistics.highlightUsed); // once used, used for the game
}

TEST(CommandDispatcher, CommandsWithoutAHandlerAreDisabledUntilTheWindowBindsOne) {
    PlayTable t;
    EXPECT_FALSE(t.Enabled(cmd::GameNumber));
    EXPECT_FALSE(t.Run(cmd::GameNumber));
    int runs = 0;
    EXPECT_TRUE(t.controller.commands.Bind(cmd::GameNumber, [&] { ++runs; }));
    EXPECT_TRUE(t.Run(cmd::GameNumber));
    EXPECT_EQ(runs, 1);
    // A bound command still obeys its rule.
    EXPECT_TRUE(t.controller.commands.Bind(cmd::SaveAndPlay, [&] { ++runs; }));
    EXPECT_FALSE(t.Run(cmd::SaveAndPlay));
    EXPECT_EQ(runs, 1);
    // The core's own handlers cannot be replaced, and unknown numbers are refused.
    EXPECT_FALSE(t.controller.commands.Bind(cmd::New, [&] { ++runs; }));
    EXPECT_FALSE(t.controller.commands.Bind(12345, [&] { ++runs; }));
    EXPECT_FALSE(t.Enabled(12345));
    EXPECT_FALSE(t.Run(12345));
}

TEST(CommandDispatcher, ADisabledCommandIsNotCarriedOut) {
    PlayTable t;
    EXPECT_FALSE(t.Run(cmd::Undo)); // Ctrl+Z with an empty log
    EXPECT_FALSE(t.Run(cmd::ShowHint));
    EXPECT_FALSE(t.Run(cmd::ShowMisplaced));
    EXPECT_TRUE(t.game.options.CheckGuess);
    EXPECT_EQ(t.Session().statistics.hints, 0U);
    EXPECT_FALSE(t.Select(3)); // digit buttons only in play or editing
    EXPECT_EQ(t.Session().currentDigit, -1);
    EXPECT_TRUE(t.Run(cmd::RevealToggle));
    EXPECT_TRUE(t.Session().revealSolutions);
}

TEST(CommandTable, EveryNumberOnceAndMenusAndToolbarPointIntoTheTable) {
    std::set<CommandId> ids;
    for (const CommandRow& row : CommandTable()) EXPECT_TRUE(ids.insert(row.id).second) << row.id;
    EXPECT_EQ(ids.size(), 37U);

    std::set<CommandId> inMenus;
    int depth = 0;
    for (const MenuItem& item : MenuBar()) {
        if (item.kind == MenuItemKind::BeginMenu) ++depth;
        if (item.kind == MenuItemKind::EndMenu) --depth;
        ASSERT_GE(depth, 0);
        if (item.kind != MenuItemKind::Command) continue;
        const CommandRow* row = FindCommand(item.id);
        ASSERT_NE(row, nullptr) << item.id;
        EXPECT_FALSE(row->menuText.Empty()) << item.id;
        EXPECT_TRUE(inMenus.insert(item.id).second) << item.id;
    }
    EXPECT_EQ(depth, 0);
    for (const CommandRow& row : CommandTable())
        EXPECT_EQ(inMenus.contains(row.id), !row.menuText.Empty()) << row.id;

    const auto toolbar = ToolbarButtons();
    ASSERT_EQ(toolbar.size(), 21U);
    for (int32_t k = 1; k <= 9; ++k) {
        // The symbol buttons sit at positions 12..20, separators counted.
        EXPECT_EQ(toolbar[11 + k], cmd::Erase + k);
        EXPECT_EQ(FindCommand(toolbar[11 + k])->toolbarImage, 7 + k);
    }
    for (const CommandRow& row : CommandTable()) {
        const bool onToolbar = std::find(toolbar.begin(), toolbar.end(), row.id) != toolbar.end();
        EXPECT_EQ(onToolbar, row.toolbarImage >= 0) << row.id;
    }
}

TEST(CommandTable, KeysPromptsAndTooltipsAsThePlayerSeesThem) {
    const CommandRow* misplaced = FindCommand(cmd::ShowMisplaced);
    EXPECT_EQ(misplaced->menuKeyText, "F5"); // shown F5, carried out by Ctrl+F5 only
    EXPECT_EQ(misplaced->shortcut, "Ctrl+F5");
    EXPECT_EQ(FindCommand(cmd::HidePencilMarks)->shortcut, "Ctrl+F8");
    EXPECT_EQ(FindCommand(cmd::RevealToggle)->shortcut, "Ctrl+Shift+D");
    EXPECT_TRUE(FindCommand(cmd::RevealToggle)->menuText.Empty());
    EXPECT_EQ(FindCommand(cmd::AcceptBranch)->prompt.English(), "Accept the  branch");
    EXPECT_EQ(FindCommand(cmd::HighlightSelection)->tooltip.English(), "Highlight number");
    EXPECT_EQ(FindCommand(cmd::Erase)->prompt.English(), "Erase the cell");
    for (CommandId id : {cmd::OpenGame, cmd::SaveGame, cmd::GoToWebsite, cmd::HelpContents})
        EXPECT_TRUE(FindCommand(id)->prompt.Empty()) << id;
    std::set<std::string> shortcuts;
    for (const CommandRow& row : CommandTable())
        if (!row.shortcut.empty()) {
            EXPECT_TRUE(shortcuts.insert(std::string(row.shortcut)).second) << row.shortcut;
        }
    EXPECT_EQ(shortcuts, (std::set<std::string>{"F1", "F2", "F3", "F4", "F6", "Ctrl+Z", "Ctrl+F5",
                                                "Ctrl+F8", "Ctrl+Shift+D", "Pause"}));
}

} // namespace
} // namespace zentile
