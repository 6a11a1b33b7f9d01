#pragma once

#include "model/Translatable.h"
#include "play/CommandIds.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace zentile {

class GameController;

// When a command may be carried out; a command without a handler is never enabled.
enum class EnableRule : uint8_t {
    Always,
    NotEditing,      // NoGame, Playing or Paused
    NoGameOrPlaying, // not while paused or editing
    Editing,
    Playing,
    PlayingWithUndo,  // Playing and the undo log holds a record
    PlayingNoBranch,  // Playing and no branch open
    PlayingInBranch,  // Playing and a branch open
    PlayingOrEditing, // the digit buttons
    InGame,           // Playing or Paused
};

// When an enabled command shows its check mark or pressed look; a disabled one never does.
enum class CheckRule : uint8_t {
    None,
    CheckGuess,
    HighlightSelection,
    HidePencilMarks,
    CurrentDigit, // the digit button whose digit is selected
};

using CommandHandler = void (*)(GameController& controller, CommandId id);

struct CommandRow {
    CommandId id;
    Text menuText;                // with "&" before the underlined letter; empty: no menu item
    std::string_view menuKeyText; // the key shown beside the menu item, after a tab
    std::string_view shortcut;    // the key that carries it out, e.g. "Ctrl+F5"; empty: none
    int8_t toolbarImage;          // index in the toolbar image strip; -1: no toolbar button
    Text prompt;                  // status-bar prompt; empty: none
    Text tooltip;                 // toolbar tooltip; empty: none
    EnableRule enabledRule;
    CheckRule checkedRule;
    CommandHandler handler; // nullptr: the window binds one (files, dialogs, printing, help ...)
};

// Every command, once.
std::span<const CommandRow> CommandTable();
// The row of a command number, or nullptr.
const CommandRow* FindCommand(CommandId id);

// The menu bar as a flat list: a menu opens with BeginMenu (its title), holds commands and
// separators and submenus, and closes with EndMenu.
enum class MenuItemKind : uint8_t { BeginMenu, EndMenu, Command, Separator };
struct MenuItem {
    MenuItemKind kind;
    CommandId id; // Command only
    Text title;   // BeginMenu only
};
std::span<const MenuItem> MenuBar();

// The toolbar buttons left to right; 0 stands for a separator.
std::span<const CommandId> ToolbarButtons();

} // namespace zentile
