#pragma once

#include "model/PuzzleDatabase.h"
#include "model/SymbolSet.h"

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace zentile {

// The core's texts are UTF-8 views; every Qt label, caption and document name goes through here.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the game in the player's language, looked up in the context it was marked with;
// the English itself where no translation is loaded.
inline QString Translate(Text text) {
    return QCoreApplication::translate(text.context, text.english);
}

// A symbol of the game (the digits 1..9, 0 the eraser) as the window shows it; none outside.
inline QString SymbolText(const SymbolSet& symbols, int32_t digit) {
    if (digit < 0 || digit > 9) return {};
    return QString(QChar::fromLatin1(symbols[static_cast<std::size_t>(digit)]));
}

// A level's name as the player reads it; the settings keep the English.
inline QString LevelText(int32_t level) {
    if (level < 0 || level >= static_cast<int32_t>(LevelNames.size())) return {};
    return Translate(LevelNames[static_cast<std::size_t>(level)]);
}

} // namespace zentile
