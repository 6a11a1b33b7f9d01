#pragma once

#include "model/Translatable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zentile {

// The game numbers a player may type into the Game Number dialog.
inline constexpr uint32_t kLowestGameNumber = 1;
inline constexpr uint32_t kHighestGameNumber = 1000000;
// Only this many characters of the field are read; the rest is ignored.
inline constexpr std::size_t kGameNumberTextLimit = 63;

inline constexpr Text kNotANumberMessage =
    ZENTILE_TEXT("Messages", "Please enter a positive integer.");
//: %1 and %2 are the lowest and the highest game number; %L1 and %L2 write them as numbers
//: are written in your language.
inline constexpr Text kGameNumberRangeMessage =
    ZENTILE_TEXT("Messages", "Please enter an integer between %1 and %2.");

enum class GameNumberVerdict { Valid, NotANumber, OutOfRange };

struct GameNumberCheck {
    GameNumberVerdict verdict = GameNumberVerdict::NotANumber;
    uint32_t number = 0; // the game number when Valid, else 0
};

// Reads the Game Number field: blanks before the number are skipped, a sign may precede the
// digits, and whatever follows the digits is ignored ("12abc" is 12). No digits at all is
// NotANumber; a minus sign, or a value below 1 or above 1000000 (however many digits) is
// OutOfRange. Any bytes are accepted.
GameNumberCheck CheckGameNumberText(std::string_view text);

// What the player is told about a verdict; empty for a valid number.
Text GameNumberMessage(GameNumberVerdict verdict);

} // namespace zentile
