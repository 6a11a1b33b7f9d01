#include "play/CommandTable.h"

#include "model/Translatable.h"
#include "play/GameController.h"

#include <algorithm>
#include <array>

namespace zentile {

namespace {

using enum EnableRule;
using CR = CheckRule;

constexpr CommandHandler kNoHandler = nullptr;
constexpr Text kNoText{};

constexpr CommandRow DigitRow(int32_t d) {
    return {static_cast<CommandId>(cmd::Erase + d),
            kNoText,
            "",
            "",
            static_cast<int8_t>(7 + d),
            d == 0 ? ZENTILE_TEXT("Commands", "Erase the cell") : kNoText,
            d == 0 ? ZENTILE_TEXT("Commands", "Erase") : kNoText,
            PlayingOrEditing,
            CR::CurrentDigit,
            [](GameController& c, CommandId id) { c.input.DigitButton(id); }};
}

// id, menu text, key shown in the menu, key that runs it, toolbar image, prompt, tooltip,
// enabled when, checked when, handler.
constexpr std::array kCommands = {
    CommandRow{cmd::New, ZENTILE_TEXT("Commands", "&New..."), "F2", "F2", 0,
               ZENTILE_TEXT("Commands", "Create a new game"), ZENTILE_TEXT("Commands", "New"),
               NotEditing, CR::None, [](GameController& c, CommandId) { c.session.New(); }},
    CommandRow{cmd::GameNumber, ZENTILE_TEXT("Commands", "&Game Number..."), "", "", -1,
               ZENTILE_TEXT("Commands", "Creates a game given a seed number"), kNoText, Always,
               CR::None, kNoHandler},
    CommandRow{cmd::OpenGame, ZENTILE_TEXT("Commands", "&Open Game..."), "", "", -1, kNoText,
               kNoText, Always, CR::None, kNoHandler},
    CommandRow{cmd::SaveGame, ZENTILE_TEXT("Commands", "&Save Game..."), "", "", -1, kNoText,
               kNoText, Always, CR::None, kNoHandler},
    CommandRow{cmd::PrintCurrentPuzzle, ZENTILE_TEXT("Commands", "&Current Puzzle..."), "", "", -1,
               ZENTILE_TEXT("Commands", "Prints the current puzzle"), kNoText, Always, CR::None,
               kNoHandler},
    CommandRow{cmd::PrintBooklet, ZENTILE_TEXT("Commands", "&Booklet..."), "", "", -1,
               ZENTILE_TEXT("Commands", "Prints a number of puzzles"), kNoText, Always, CR::None,
               kNoHandler},
    CommandRow{cmd::Difficulty, ZENTILE_TEXT("Commands", "&Difficulty..."), "", "", -1,
               ZENTILE_TEXT("Commands", "Change the difficulty level of the game"), kNoText, Always,
               CR::None, kNoHandler},
    CommandRow{cmd::Options, ZENTILE_TEXT("Commands", "O&ptions..."), "", "", -1,
               ZENTILE_TEXT("Commands", "Display games options"), kNoText, Always, CR::None,
               kNoHandler},
    CommandRow{cmd::BestResults, ZENTILE_TEXT("Commands", "&Best Results..."), "", "", -1,
               ZENTILE_TEXT("Commands", "Display the best results"), kNoText, Always, CR::None,
               kNoHandler},
    CommandRow{cmd::Exit, ZENTILE_TEXT("Commands", "E&xit"), "", "", -1,
               ZENTILE_TEXT("Commands", "Quit Zentile"), ZENTILE_TEXT("Commands", "Exit"), Always,
               CR::None, kNoHandler},
    CommandRow{cmd::CreateGame, ZENTILE_TEXT("Commands", "&Create Game"), "", "", -1,
               ZENTILE_TEXT("Commands", "Create your own game"), kNoText, NoGameOrPlaying, CR::None,
               kNoHandler},
    CommandRow{cmd::SaveAndPlay, ZENTILE_TEXT("Commands", "&Save and Play"), "", "", -1,
               ZENTILE_TEXT("Commands", "Play the game you created"), kNoText, Editing, CR::None,
               kNoHandler},
    CommandRow{cmd::CancelEditMode, ZENTILE_TEXT("Commands", "C&ancel Edit Mode"), "", "", -1,
               ZENTILE_TEXT("Commands", "Cancel Edit mode"), kNoText, Editing, CR::None,
               kNoHandler},
    CommandRow{cmd::Undo, ZENTILE_TEXT("Commands", "&Undo"), "Ctrl+Z", "Ctrl+Z", 6,
               ZENTILE_TEXT("Commands", "Undo the last action"), ZENTILE_TEXT("Commands", "Undo"),
               PlayingWithUndo, CR::None, [](GameController& c, CommandId) { c.undo.Undo(); }},
    CommandRow{cmd::ShowHint, ZENTILE_TEXT("Commands", "Show &Hint"), "F3", "F3", 1,
               ZENTILE_TEXT("Commands", "Display a hint"), ZENTILE_TEXT("Commands", "Hint"),
               Playing, CR::None, [](GameController& c, CommandId) { c.assistance.Hint(); }},
    CommandRow{cmd::SolvePuzzle, ZENTILE_TEXT("Commands", "Solve &Puzzle"), "F4", "F4", -1,
               ZENTILE_TEXT("Commands", "Display the solution of the puzzle"), kNoText, Playing,
               CR::None, [](GameController& c, CommandId) { c.assistance.Solve(); }},
    // The menu shows F5 and F8, but only Ctrl+F5 and Ctrl+F8 carry these two out.
    CommandRow{cmd::ShowMisplaced, ZENTILE_TEXT("Commands", "Show &Misplaced"), "F5", "Ctrl+F5", -1,
               ZENTILE_TEXT("Commands", "Mark wrong entries"), kNoText, Playing, CR::CheckGuess,
               [](GameController& c, CommandId) { c.assistance.ToggleShowMisplaced(); }},
    CommandRow{cmd::HighlightSelection, ZENTILE_TEXT("Commands", "Highlight &Selection"), "F6",
               "F6", 2, ZENTILE_TEXT("Commands", "Highlight selected number on grid"),
               ZENTILE_TEXT("Commands", "Highlight number"), Always, CR::HighlightSelection,
               [](GameController& c, CommandId) { c.assistance.ToggleHighlightSelection(); }},
    CommandRow{cmd::HidePencilMarks, ZENTILE_TEXT("Commands", "Hide Pen&cil Marks"), "F8",
               "Ctrl+F8", -1, ZENTILE_TEXT("Commands", "Hide the pencil marks"), kNoText, Playing,
               CR::HidePencilMarks,
               [](GameController& c, CommandId) { c.assistance.ToggleHidePencilMarks(); }},
    CommandRow{cmd::StartBranch, ZENTILE_TEXT("Commands", "Start &Branch"), "", "", 3,
               ZENTILE_TEXT("Commands", "Start a branch"), ZENTILE_TEXT("Commands", "Start Branch"),
               PlayingNoBranch, CR::None,
               [](GameController& c, CommandId) { c.undo.StartBranch(); }},
    CommandRow{cmd::AcceptBranch, ZENTILE_TEXT("Commands", "&Accept Branch"), "", "", 4,
               ZENTILE_TEXT("Commands", "Accept the  branch"),
               ZENTILE_TEXT("Commands", "Accept Branch"), PlayingInBranch, CR::None,
               [](GameController& c, CommandId) { c.undo.AcceptBranch(); }},
    CommandRow{cmd::RejectBranch, ZENTILE_TEXT("Commands", "&Reject Branch"), "", "", 5,
               ZENTILE_TEXT("Commands", "Reject the branch"),
               ZENTILE_TEXT("Commands", "Reject Branch"), PlayingInBranch, CR::None,
               [](GameController& c, CommandId) { c.undo.RejectBranch(); }},
    DigitRow(0),
    DigitRow(1),
    DigitRow(2),
    DigitRow(3),
    DigitRow(4),
    DigitRow(5),
    DigitRow(6),
    DigitRow(7),
    DigitRow(8),
    DigitRow(9),
    CommandRow{cmd::HelpContents, ZENTILE_TEXT("Commands", "&Contents..."), "F1", "F1", -1, kNoText,
               kNoText, Always, CR::None, kNoHandler},
    CommandRow{cmd::GoToWebsite, ZENTILE_TEXT("Commands", "Go to Quantelo &Website"), "", "", -1,
               kNoText, kNoText, Always, CR::None, kNoHandler},
    CommandRow{
        cmd::About, ZENTILE_TEXT("Commands", "&About..."), "", "", -1,
        ZENTILE_TEXT("Commands", "Display program information, version number and copyright"),
        ZENTILE_TEXT("Commands", "About"), Always, CR::None, kNoHandler},
    // A hidden switch: a key, no menu item, no button.
    CommandRow{cmd::RevealToggle, kNoText, "", "Ctrl+Shift+D", -1, kNoText, kNoText, Always,
               CR::None,
               [](GameController& c, CommandId) { c.assistance.ToggleRevealSolutions(); }},
    // The click on the time pane, and its key.
    CommandRow{cmd::PauseGame, kNoText, "", "Pause", -1, kNoText, kNoText, InGame, CR::None,
               [](GameController& c, CommandId) { c.session.PauseOrContinue(); }},
};

constexpr MenuItem Begin(Text title) {
    return {MenuItemKind::BeginMenu, 0, title};
}
constexpr MenuItem End() {
    return {MenuItemKind::EndMenu, 0, kNoText};
}
constexpr MenuItem Item(CommandId id) {
    return {MenuItemKind::Command, id, kNoText};
}
constexpr MenuItem Separator() {
    return {MenuItemKind::Separator, 0, kNoText};
}

constexpr std::array kMenuBar = {
    Begin(ZENTILE_TEXT("Commands", "&File")),
    Item(cmd::New),
    Item(cmd::GameNumber),
    Separator(),
    Item(cmd::OpenGame),
    Item(cmd::SaveGame),
    Begin(ZENTILE_TEXT("Commands", "P&rint")),
    Item(cmd::PrintCurrentPuzzle),
    Item(cmd::PrintBooklet),
    End(),
    Separator(),
    Item(cmd::Difficulty),
    Item(cmd::Options),
    Item(cmd::BestResults),
    Separator(),
    Item(cmd::Exit),
    End(),
    Begin(ZENTILE_TEXT("Commands", "&Edit Game")),
    Item(cmd::CreateGame),
    Item(cmd::SaveAndPlay),
    Item(cmd::CancelEditMode),
    End(),
    Begin(ZENTILE_TEXT("Commands", "&Actions")),
    Item(cmd::Undo),
    Separator(),
    Item(cmd::ShowHint),
    Item(cmd::SolvePuzzle),
    Separator(),
    Item(cmd::ShowMisplaced),
    Item(cmd::HighlightSelection),
    Item(cmd::HidePencilMarks),
    Separator(),
    Item(cmd::StartBranch),
    Item(cmd::AcceptBranch),
    Item(cmd::RejectBranch),
    End(),
    Begin(ZENTILE_TEXT("Commands", "&Help")),
    Item(cmd::HelpContents),
    Separator(),
    Item(cmd::GoToWebsite),
    Separator(),
    Item(cmd::About),
    End(),
};

// New | Hint, Highlight | three branch buttons | Undo | eraser and the nine symbol buttons.
constexpr CommandId kSeparator = 0;
constexpr std::array<CommandId, 21> kToolbar = {
    cmd::New,       kSeparator,       cmd::ShowHint,     cmd::HighlightSelection,
    kSeparator,     cmd::StartBranch, cmd::AcceptBranch, cmd::RejectBranch,
    kSeparator,     cmd::Undo,        kSeparator,        cmd::Erase,
    cmd::Erase + 1, cmd::Erase + 2,   cmd::Erase + 3,    cmd::Erase + 4,
    cmd::Erase + 5, cmd::Erase + 6,   cmd::Erase + 7,    cmd::Erase + 8,
    cmd::Digit9};

} // namespace

std::span<const CommandRow> CommandTable() {
    return kCommands;
}

const CommandRow* FindCommand(CommandId id) {
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [id](const CommandRow& row) { return row.id == id; });
    return it == kCommands.end() ? nullptr : &*it;
}

std::span<const MenuItem> MenuBar() {
    return kMenuBar;
}
std::span<const CommandId> ToolbarButtons() {
    return kToolbar;
}

} // namespace zentile
