// The Game Number field's check on any text the player can type or paste. Every text gets one
// of the two messages or a game number in range, and the verdict agrees with a reading of the
// same rules done another way: by cutting the digits out as text rather than adding them up.

#include "FuzzCheck.h"
#include "play/GameNumberText.h"

#include <string>
#include <string_view>

namespace zentile {
namespace {

using fuzz::Require;

constexpr std::string_view kBlanks = " \t\n\v\f\r";
constexpr std::string_view kDigits = "0123456789";

GameNumberCheck ReadByText(std::string_view text) {
    text = text.substr(0, kGameNumberTextLimit);
    text.remove_prefix(std::min(text.find_first_not_of(kBlanks), text.size()));
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    std::string_view digits = text.substr(0, text.find_first_not_of(kDigits));
    if (digits.empty()) return {GameNumberVerdict::NotANumber, 0};
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    // Seven digits hold every game number; more is too large whatever they are.
    if (negative || digits.empty() || digits.size() > 7) return {GameNumberVerdict::OutOfRange, 0};
    const auto number = static_cast<uint32_t>(std::stoul(std::string(digits)));
    if (number < kLowestGameNumber || number > kHighestGameNumber)
        return {GameNumberVerdict::OutOfRange, 0};
    return {GameNumberVerdict::Valid, number};
}

} // namespace
} // namespace zentile

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace zentile;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const GameNumberCheck check = CheckGameNumberText(text);
    const bool valid = check.verdict == GameNumberVerdict::Valid;
    Require(valid == (check.number != 0), "a number only with a valid verdict");
    Require(!valid || (check.number >= kLowestGameNumber && check.number <= kHighestGameNumber),
            "a valid number is a game number");
    Require(valid == GameNumberMessage(check.verdict).Empty(), "a message for every refusal");

    const GameNumberCheck expected = ReadByText(text);
    Require(check.verdict == expected.verdict && check.number == expected.number,
            "the verdict agrees with the reading by text");
    return 0;
}
