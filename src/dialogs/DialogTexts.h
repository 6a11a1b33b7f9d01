#pragma once

namespace zentile::dialog_text {

// The dialogs' own texts, shown to the player.
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "Cancel";

inline constexpr char kDifficultyTitle[] = "Difficulty";
inline constexpr char kDifficultyPrompt[] = "Select the difficulty of the game:";

inline constexpr char kGameNumberTitle[] = "Game Number";
inline constexpr char kGameNumberPrompt[] = "Enter the number of the game you want to play:";
inline constexpr char kGameNumberNote[] =
    "You can enter any number. Note that the number applies to the current game level.";

inline constexpr char kOptionsTitle[] = "Options";
inline constexpr char kGameTypeGroup[] = "Game Type";
inline constexpr char kClassicGame[] = "Classic Game";
inline constexpr char kClassicGameNote[] = "Classic Sudoku Game with numbers from 1 to 9";
inline constexpr char kLetterGame[] = "Letter Game";
inline constexpr char kLetterGameNote[] =
    "Game with letters. The first line of the puzzle  is always a valid word.";
inline constexpr char kTimedGame[] = "Timed Game";
inline constexpr char kTimedGameNote[] = "Display the time on the status bar";

inline constexpr char kBestResultsTitle[] = "Best Results";
inline constexpr char kResetResults[] = "Reset Results";
inline constexpr char kResetQuestion[] = "Are you sure you want to reset the best results list?";

inline constexpr char kAboutTitle[] = "About Zentile";
inline constexpr char kVersionLabel[] = "Version:";
inline constexpr char kFeedbackLine[] = "Feedback or questions can be sent to:";
inline constexpr char kFeedbackAddress[] = "feedback@zentile.example";

inline constexpr char kWebsiteAddress[] = "https://www.zentile.example/";

inline constexpr char kHelpTitle[] = "Zentile Help";
inline constexpr char kHelpFailed[] = "Failed to launch help.";
inline constexpr char kHelpBack[] = "Back";
inline constexpr char kHelpForward[] = "Forward";
inline constexpr char kHelpHome[] = "Contents";

inline constexpr char kReplaceQuestion[] = "%1 already exists.\nDo you want to replace it?";

} // namespace zentile::dialog_text
