#pragma once

#include "model/PuzzleDatabase.h"

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace zentile {

// The core's texts are UTF-8 views; every Qt label, caption and document name goes through here.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the game in the player's language: its context (where it is shown) and its English,
// as marked with ZENTILE_TEXT or QT_TRANSLATE_NOOP. The English itself where no translation is
// loaded.
inline QString Translate(const char* context, std::string_view english) {
    return QCoreApplication::translate(context, std::string(english).c_str());
}

// The contexts of the game's texts: where the window shows them.
namespace text_context {
inline constexpr char kCommands[] = "Commands"; // menus, status-bar prompts, tooltips
inline constexpr char kMessages[] = "Messages"; // message boxes
inline constexpr char kLevels[] = "Levels";
inline constexpr char kPrint[] = "Print";
inline constexpr char kWindow[] = "Window"; // the status bar and the grid
inline constexpr char kDialogs[] = "Dialogs";
} // namespace text_context

// A level's name as the player reads it; the settings keep the English.
inline QString LevelText(int32_t level) {
    if (level < 0 || level >= static_cast<int32_t>(LevelNames.size())) return {};
    return Translate(text_context::kLevels, LevelNames[static_cast<std::size_t>(level)]);
}

} // namespace zentile
