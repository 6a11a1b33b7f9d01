#pragma once

#include "model/Translatable.h"

#include <string_view>

namespace zentile {

// The saved game file: four lines, each ended by CR LF when written.
inline constexpr std::string_view kSavedGameVersionLine = "Ver: 2.1";
inline constexpr std::string_view kSavedGameEndLine = "Done";
inline constexpr std::string_view kSavedGameExtension = "ztg";
inline constexpr std::string_view kSavedGameFilter = "Zentile (*.ztg)";

inline constexpr std::string_view kReadErrorMessage =
    ZENTILE_TEXT("Messages", "Error while reading the file");
inline constexpr std::string_view kSaveErrorMessage =
    ZENTILE_TEXT("Messages", "Error while saving the file");
inline constexpr std::string_view kOpenWithoutGuessesQuestion =
    ZENTILE_TEXT("Messages", "Do you want display the original game without the guesses?");

// The settings store: the options in one section, the best results in another.
inline constexpr std::string_view kOptionsSection = "Section";
inline constexpr std::string_view kBestResultsSection = "BestResults";
inline constexpr std::string_view kCompanyName = "Quantelo";

} // namespace zentile
