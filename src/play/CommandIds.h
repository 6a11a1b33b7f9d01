#pragma once

#include <cstdint>

namespace zentile {

// The numbers shared by the menu, the toolbar, the key table, the prompts and the command
// table. About, Exit and Help Contents keep the platform's standard numbers.
using CommandId = uint16_t;

namespace cmd {
inline constexpr CommandId New = 32771;
inline constexpr CommandId ShowHint = 32772;
inline constexpr CommandId HighlightSelection = 32774;
inline constexpr CommandId StartBranch = 32775;
inline constexpr CommandId AcceptBranch = 32776;
inline constexpr CommandId RejectBranch = 32777;
inline constexpr CommandId Undo = 32778;
inline constexpr CommandId Erase = 32779; // digit buttons: Erase + d selects digit d (0..9)
inline constexpr CommandId Digit1 = 32780;
inline constexpr CommandId Digit9 = 32788;
inline constexpr CommandId ShowMisplaced = 32811;
inline constexpr CommandId SolvePuzzle = 32819;
inline constexpr CommandId HidePencilMarks = 32820;
inline constexpr CommandId Difficulty = 32821;
inline constexpr CommandId GoToWebsite = 32823;
inline constexpr CommandId OpenGame = 32830;
inline constexpr CommandId SaveGame = 32831;
inline constexpr CommandId BestResults = 32833;
inline constexpr CommandId RevealToggle = 32834;
inline constexpr CommandId CreateGame = 32840;
inline constexpr CommandId SaveAndPlay = 32842;
inline constexpr CommandId CancelEditMode = 32844;
inline constexpr CommandId PrintCurrentPuzzle = 32846;
inline constexpr CommandId PrintBooklet = 32847;
inline constexpr CommandId GameNumber = 32849;
inline constexpr CommandId Options = 32850;
inline constexpr CommandId PauseGame = 32851;
inline constexpr CommandId About = 57664;
inline constexpr CommandId Exit = 57665;
inline constexpr CommandId HelpContents = 57670;

inline constexpr bool IsDigitButton(CommandId id) {
    return id >= Erase && id <= Digit9;
}
inline constexpr int32_t DigitOf(CommandId id) {
    return id - Erase;
}
} // namespace cmd

} // namespace zentile
