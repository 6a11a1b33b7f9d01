#pragma once

#include "ui/QtText.h"

namespace zentile::dialog_text {

// The dialogs' own texts.
inline constexpr Text kDifficultyTitle = ZENTILE_TEXT("Dialogs", "Difficulty");
inline constexpr Text kDifficultyPrompt =
    ZENTILE_TEXT("Dialogs", "Select the difficulty of the game:");

inline constexpr Text kGameNumberTitle = ZENTILE_TEXT("Dialogs", "Game Number");
inline constexpr Text kGameNumberPrompt =
    ZENTILE_TEXT("Dialogs", "Enter the number of the game you want to play:");
inline constexpr Text kGameNumberNote = ZENTILE_TEXT(
    "Dialogs", "You can enter any number. Note that the number applies to the current game level.");

inline constexpr Text kOptionsTitle = ZENTILE_TEXT("Dialogs", "Options");
inline constexpr Text kGameTypeGroup = ZENTILE_TEXT("Dialogs", "Game Type");
inline constexpr Text kClassicGame = ZENTILE_TEXT("Dialogs", "Classic Game");
inline constexpr Text kClassicGameNote =
    ZENTILE_TEXT("Dialogs", "Classic Sudoku Game with numbers from 1 to 9");
inline constexpr Text kLetterGame = ZENTILE_TEXT("Dialogs", "Letter Game");
inline constexpr Text kLetterGameNote = ZENTILE_TEXT(
    "Dialogs", "Game with letters. The first line of the puzzle  is always a valid word.");
inline constexpr Text kTimedGame = ZENTILE_TEXT("Dialogs", "Timed Game");
inline constexpr Text kTimedGameNote =
    ZENTILE_TEXT("Dialogs", "Display the time on the status bar");

inline constexpr Text kBestResultsTitle = ZENTILE_TEXT("Dialogs", "Best Results");
// The name a screen reader gives a level's table, with the level.
inline constexpr Text kBestResultsName = ZENTILE_TEXT("Dialogs", "Best Results: %1");
inline constexpr Text kResetResults = ZENTILE_TEXT("Dialogs", "Reset Results");
inline constexpr Text kResetQuestion =
    ZENTILE_TEXT("Dialogs", "Are you sure you want to reset the best results list?");
inline constexpr Text kResetFailed =
    ZENTILE_TEXT("Dialogs", "The best results list could not be reset. Please try again later.");

inline constexpr Text kAboutTitle = ZENTILE_TEXT("Dialogs", "About Zentile");
inline constexpr Text kVersionLabel = ZENTILE_TEXT("Dialogs", "Version:");
inline constexpr Text kFeedbackLine =
    ZENTILE_TEXT("Dialogs", "Feedback or questions can be sent to:");
inline constexpr char kFeedbackAddress[] = "feedback@zentile.example";

inline constexpr char kWebsiteAddress[] = "https://www.zentile.example/";

inline constexpr Text kHelpTitle = ZENTILE_TEXT("Dialogs", "Zentile Help");
// The folder of the manual in the player's language, by its language code, as Qt's own
// translations carry the layout direction: each translation says which manual goes with it.
//: The code of this language, the name of its folder of the manual (de, fr); "en" for none.
inline constexpr Text kManualLanguage = ZENTILE_TEXT("Dialogs", "en");
inline constexpr Text kHelpFailed = ZENTILE_TEXT("Dialogs", "Failed to launch help.");
inline constexpr Text kHelpBack = ZENTILE_TEXT("Dialogs", "Back");
inline constexpr Text kHelpForward = ZENTILE_TEXT("Dialogs", "Forward");
inline constexpr Text kHelpHome = ZENTILE_TEXT("Dialogs", "Contents");

inline constexpr Text kReplaceQuestion =
    ZENTILE_TEXT("Dialogs", "%1 already exists.\nDo you want to replace it?");

// The Best Results table's headings, over two lines.
inline constexpr Text kOriginalHeading = ZENTILE_TEXT("Dialogs", "Original");
inline constexpr Text kOriginalHeading2 = ZENTILE_TEXT("Dialogs", "Time");
inline constexpr Text kPenaltyHeading = ZENTILE_TEXT("Dialogs", "Penalty");
inline constexpr Text kPenaltyHeading2 = ZENTILE_TEXT("Dialogs", "(secs)");
inline constexpr Text kTotalHeading = ZENTILE_TEXT("Dialogs", "Total Time");

} // namespace zentile::dialog_text
