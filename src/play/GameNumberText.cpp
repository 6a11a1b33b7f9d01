#include "play/GameNumberText.h"

namespace zentile {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

GameNumberCheck CheckGameNumberText(std::string_view text) {
    text = text.substr(0, kGameNumberTextLimit);
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (at == text.size() || !IsDigit(text[at])) return {GameNumberVerdict::NotANumber, 0};

    // Past the highest game number the value only has to stay out of range, so it stops
    // growing there instead of wrapping round to something that would pass.
    uint64_t value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = value * 10 + static_cast<uint64_t>(text[at] - '0');
        if (value > kHighestGameNumber) value = uint64_t{kHighestGameNumber} + 1;
    }
    if (negative || value < kLowestGameNumber || value > kHighestGameNumber)
        return {GameNumberVerdict::OutOfRange, 0};
    return {GameNumberVerdict::Valid, static_cast<uint32_t>(value)};
}

Text GameNumberMessage(GameNumberVerdict verdict) {
    switch (verdict) {
    case GameNumberVerdict::NotANumber:
        return kNotANumberMessage;
    case GameNumberVerdict::OutOfRange:
        return kGameNumberRangeMessage;
    case GameNumberVerdict::Valid:
        break;
    }
    return {};
}

} // namespace zentile
