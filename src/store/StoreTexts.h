#pragma once

#include "model/Translatable.h"

#include <array>
#include <string_view>

namespace zentile {

// The saved game file: four lines, each ended by CR LF when written.
inline constexpr std::string_view kSavedGameVersionLine = "Ver: 2.1";
inline constexpr std::string_view kSavedGameEndLine = "Done";
inline constexpr std::string_view kSavedGameExtension = "ztg";
inline constexpr std::string_view kSavedGameFilter = "Zentile (*.ztg)";

inline constexpr Text kReadErrorMessage = ZENTILE_TEXT("Messages", "Error while reading the file");
inline constexpr Text kSaveErrorMessage = ZENTILE_TEXT("Messages", "Error while saving the file");
inline constexpr Text kOpenWithoutGuessesQuestion =
    ZENTILE_TEXT("Messages", "Do you want display the original game without the guesses?");

// The settings store: the options in one section, the best results in another.
inline constexpr std::string_view kOptionsSection = "Section";
inline constexpr std::string_view kBestResultsSection = "BestResults";
inline constexpr std::string_view kCompanyName = "Quantelo";
// The best results' keys, one per database level: fixed, whatever the levels are called on the
// screen, so that no rewording or translation ever loses a list.
inline constexpr std::array<std::string_view, 5> kBestResultsKeys = {"Very Easy", "Easy", "Medium",
                                                                     "Hard", "Very Hard"};

} // namespace zentile
