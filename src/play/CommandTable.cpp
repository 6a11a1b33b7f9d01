#include "play/CommandTable.h"

#include "play/GameController.h"

#include <algorithm>
#include <array>

namespace zentile {

namespace {

using enum EnableRule;
using CR = CheckRule;

constexpr CommandHandler kNoHandler = nullptr;

constexpr CommandRow DigitRow(int32_t d) {
    return {static_cast<CommandId>(cmd::Erase + d),
            "",
            "",
            "",
            static_cast<int8_t>(7 + d),
            d == 0 ? "Erase the cell" : "",
            d == 0 ? "Erase" : "",
            PlayingOrEditing,
            CR::CurrentDigit,
            [](GameController& c, CommandId id) { c.input.DigitButton(id); }};
}

// id, menu text, key shown in the menu, key that runs it, toolbar image, prompt, tooltip,
// enabled when, checked when, handler.
constexpr std::array kCommands = {
    CommandRow{cmd::New, "&New...", "F2", "F2", 0, "Create a new game", "New", NotEditing, CR::None,
               [](GameController& c, CommandId) { c.session.New(); }},
    CommandRow{cmd::GameNumber, "&Game Number...", "", "", -1, "Creates a game given a seed number",
               "", Always, CR::None, kNoHandler},
    CommandRow{cmd::OpenGame, "&Open Game...", "", "", -1, "", "", Always, CR::None, kNoHandler},
    CommandRow{cmd::SaveGame, "&Save Game...", "", "", -1, "", "", Always, CR::None, kNoHandler},
    CommandRow{cmd::PrintCurrentPuzzle, "&Current Puzzle...", "", "", -1,
               "Prints the current puzzle", "", Always, CR::None, kNoHandler},
    CommandRow{cmd::PrintBooklet, "&Booklet...", "", "", -1, "Prints a number of puzzles", "",
               Always, CR::None, kNoHandler},
    CommandRow{cmd::Difficulty, "&Difficulty...", "", "", -1,
               "Change the difficulty level of the game", "", Always, CR::None, kNoHandler},
    CommandRow{cmd::Options, "O&ptions...", "", "", -1, "Display games options", "", Always,
               CR::None, kNoHandler},
    CommandRow{cmd::BestResults, "&Best Results...", "", "", -1, "Display the best results", "",
               Always, CR::None, kNoHandler},
    CommandRow{cmd::Exit, "E&xit", "", "", -1, "Quit the application; prompts to save documents",
               "Exit", Always, CR::None, kNoHandler},
    CommandRow{cmd::CreateGame, "&Create Game", "", "", -1, "Create your own game", "",
               NoGameOrPlaying, CR::None, kNoHandler},
    CommandRow{cmd::SaveAndPlay, "&Save and Play", "", "", -1, "Play the game you created", "",
               Editing, CR::None, kNoHandler},
    CommandRow{cmd::CancelEditMode, "C&ancel Edit Mode", "", "", -1, "Cancel Edit mode", "",
               Editing, CR::None, kNoHandler},
    CommandRow{cmd::Undo, "&Undo", "Ctrl+Z", "Ctrl+Z", 6, "Undo the last action", "Undo",
               PlayingWithUndo, CR::None, [](GameController& c, CommandId) { c.undo.Undo(); }},
    CommandRow{cmd::ShowHint, "Show &Hint", "F3", "F3", 1, "Display a hint", "Hint", Playing,
               CR::None, [](GameController& c, CommandId) { c.assistance.Hint(); }},
    CommandRow{cmd::SolvePuzzle, "Solve &Puzzle", "F4", "F4", -1,
               "Display the solution of the puzzle", "", Playing, CR::None,
               [](GameController& c, CommandId) { c.assistance.Solve(); }},
    // The menu shows F5 and F8, but only Ctrl+F5 and Ctrl+F8 carry these two out.
    CommandRow{cmd::ShowMisplaced, "Show &Misplaced", "F5", "Ctrl+F5", -1, "Mark wrong entries", "",
               Playing, CR::CheckGuess,
               [](GameController& c, CommandId) { c.assistance.ToggleShowMisplaced(); }},
    CommandRow{cmd::HighlightSelection, "Highlight &Selection", "F6", "F6", 2,
               "Highlight selected number on grid", "Highlight number", Always,
               CR::HighlightSelection,
               [](GameController& c, CommandId) { c.assistance.ToggleHighlightSelection(); }},
    CommandRow{cmd::HidePencilMarks, "Hide Pen&cil Marks", "F8", "Ctrl+F8", -1,
               "Hide the pencil marks", "", Playing, CR::HidePencilMarks,
               [](GameController& c, CommandId) { c.assistance.ToggleHidePencilMarks(); }},
    CommandRow{cmd::StartBranch, "Start &Branch", "", "", 3, "Start a branch", "Start Branch",
               PlayingNoBranch, CR::None,
               [](GameController& c, CommandId) { c.undo.StartBranch(); }},
    CommandRow{cmd::AcceptBranch, "&Accept Branch", "", "", 4, "Accept the  branch",
               "Accept Branch", PlayingInBranch, CR::None,
               [](GameController& c, CommandId) { c.undo.AcceptBranch(); }},
    CommandRow{cmd::RejectBranch, "&Reject Branch", "", "", 5, "Reject the branch", "Reject Branch",
               PlayingInBranch, CR::None,
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
    CommandRow{cmd::HelpContents, "&Contents...", "", "", -1, "", "", Always, CR::None, kNoHandler},
    CommandRow{cmd::GoToWebsite, "Go to Quantelo &Website", "", "", -1, "", "", Always, CR::None,
               kNoHandler},
    CommandRow{cmd::About, "&About...", "", "", -1,
               "Display program information, version number and copyright", "About", Always,
               CR::None, kNoHandler},
    // A hidden switch: a key, no menu item, no button.
    CommandRow{cmd::RevealToggle, "", "", "Ctrl+Shift+D", -1, "", "", Always, CR::None,
               [](GameController& c, CommandId) { c.assistance.ToggleRevealSolutions(); }},
};

constexpr MenuItem Begin(std::string_view title) {
    return {MenuItemKind::BeginMenu, 0, title};
}
constexpr MenuItem End() {
    return {MenuItemKind::EndMenu, 0, ""};
}
constexpr MenuItem Item(CommandId id) {
    return {MenuItemKind::Command, id, ""};
}
constexpr MenuItem Separator() {
    return {MenuItemKind::Separator, 0, ""};
}

constexpr std::array kMenuBar = {
    Begin("&File"),
    Item(cmd::New),
    Item(cmd::GameNumber),
    Separator(),
    Item(cmd::OpenGame),
    Item(cmd::SaveGame),
    Begin("P&rint"),
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
    Begin(" &Edit Game"),
    Item(cmd::CreateGame),
    Item(cmd::SaveAndPlay),
    Item(cmd::CancelEditMode),
    End(),
    Begin("&Actions"),
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
    Begin("&Help"),
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
