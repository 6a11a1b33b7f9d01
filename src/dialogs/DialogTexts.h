#pragma once

#include "ui/QtText.h"

#include <QtGlobal>

namespace zentile::dialog_text {

// The dialogs' own texts, shown to the player through Translate("Dialogs", ...).
inline constexpr char kDifficultyTitle[] = QT_TRANSLATE_NOOP("Dialogs", "Difficulty");
inline constexpr char kDifficultyPrompt[] =
    QT_TRANSLATE_NOOP("Dialogs", "Select the difficulty of the game:");

inline constexpr char kGameNumberTitle[] = QT_TRANSLATE_NOOP("Dialogs", "Game Number");
inline constexpr char kGameNumberPrompt[] =
    QT_TRANSLATE_NOOP("Dialogs", "Enter the number of the game you want to play:");
inline constexpr char kGameNumberNote[] = QT_TRANSLATE_NOOP(
    "Dialogs", "You can enter any number. Note that the number applies to the current game level.");

inline constexpr char kOptionsTitle[] = QT_TRANSLATE_NOOP("Dialogs", "Options");
inline constexpr char kGameTypeGroup[] = QT_TRANSLATE_NOOP("Dialogs", "Game Type");
inline constexpr char kClassicGame[] = QT_TRANSLATE_NOOP("Dialogs", "Classic Game");
inline constexpr char kClassicGameNote[] =
    QT_TRANSLATE_NOOP("Dialogs", "Classic Sudoku Game with numbers from 1 to 9");
inline constexpr char kLetterGame[] = QT_TRANSLATE_NOOP("Dialogs", "Letter Game");
inline constexpr char kLetterGameNote[] = QT_TRANSLATE_NOOP(
    "Dialogs", "Game with letters. The first line of the puzzle  is always a valid word.");
inline constexpr char kTimedGame[] = QT_TRANSLATE_NOOP("Dialogs", "Timed Game");
inline constexpr char kTimedGameNote[] =
    QT_TRANSLATE_NOOP("Dialogs", "Display the time on the status bar");

inline constexpr char kBestResultsTitle[] = QT_TRANSLATE_NOOP("Dialogs", "Best Results");
// The name a screen reader gives a level's table, with the level.
inline constexpr char kBestResultsName[] = QT_TRANSLATE_NOOP("Dialogs", "Best Results: %1");
inline constexpr char kResetResults[] = QT_TRANSLATE_NOOP("Dialogs", "Reset Results");
inline constexpr char kResetQuestion[] =
    QT_TRANSLATE_NOOP("Dialogs", "Are you sure you want to reset the best results list?");
inline constexpr char kResetFailed[] = QT_TRANSLATE_NOOP(
    "Dialogs", "The best results list could not be reset. Please try again later.");

inline constexpr char kAboutTitle[] = QT_TRANSLATE_NOOP("Dialogs", "About Zentile");
inline constexpr char kVersionLabel[] = QT_TRANSLATE_NOOP("Dialogs", "Version:");
inline constexpr char kFeedbackLine[] =
    QT_TRANSLATE_NOOP("Dialogs", "Feedback or questions can be sent to:");
inline constexpr char kFeedbackAddress[] = "feedback@zentile.example";

inline constexpr char kWebsiteAddress[] = "https://www.zentile.example/";

inline constexpr char kHelpTitle[] = QT_TRANSLATE_NOOP("Dialogs", "Zentile Help");
// The folder of the manual in the player's language, by its language code, as Qt's own
// translations carry the layout direction: each translation says which manual goes with it.
//: The code of this language, the name of its folder of the manual (de, fr); "en" for none.
inline constexpr char kManualLanguage[] = QT_TRANSLATE_NOOP("Dialogs", "en");
inline constexpr char kHelpFailed[] = QT_TRANSLATE_NOOP("Dialogs", "Failed to launch help.");
inline constexpr char kHelpBack[] = QT_TRANSLATE_NOOP("Dialogs", "Back");
inline constexpr char kHelpForward[] = QT_TRANSLATE_NOOP("Dialogs", "Forward");
inline constexpr char kHelpHome[] = QT_TRANSLATE_NOOP("Dialogs", "Contents");

inline constexpr char kReplaceQuestion[] =
    QT_TRANSLATE_NOOP("Dialogs", "%1 already exists.\nDo you want to replace it?");

// The Best Results table's headings, over two lines.
inline constexpr char kOriginalHeading[] = QT_TRANSLATE_NOOP("Dialogs", "Original");
inline constexpr char kOriginalHeading2[] = QT_TRANSLATE_NOOP("Dialogs", "Time");
inline constexpr char kPenaltyHeading[] = QT_TRANSLATE_NOOP("Dialogs", "Penalty");
inline constexpr char kPenaltyHeading2[] = QT_TRANSLATE_NOOP("Dialogs", "(secs)");
inline constexpr char kTotalHeading[] = QT_TRANSLATE_NOOP("Dialogs", "Total Time");

// A dialog's text in the player's language.
inline QString Text(const char* english) {
    return Translate(text_context::kDialogs, english);
}

} // namespace zentile::dialog_text
