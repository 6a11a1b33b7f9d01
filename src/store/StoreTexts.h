#pragma once

#include <string_view>

namespace zentile {

// The saved game file: four lines, each ended by CR LF when written.
inline constexpr std::string_view kSavedGameVersionLine = "Ver: 2.1";
inline constexpr std::string_view kSavedGameEndLine = "Done";
inline constexpr std::string_view kSavedGameExtension = "ztg";
inline constexpr std::string_view kSavedGameFilter = "Zentile (*.ztg)";

inline constexpr std::string_view kReadErrorMessage = "Error while reading the file";
inline constexpr std::string_view kSaveErrorMessage = "Error while saving the file";
inline constexpr std::string_view kOpenWithoutGuessesQuestion =
    "Do you want display the original game without the guesses?";

// The settings store: the options in one section, the best results in another.
inline constexpr std::string_view kOptionsSection = "Section";
inline constexpr std::string_view kBestResultsSection = "BestResults";
inline constexpr std::string_view kCompanyName = "Quantelo";

} // namespace zentile
