#include "play/GameNumberText.h"

#include <gtest/gtest.h>
#include <string>

namespace zentile {
namespace {

using V = GameNumberVerdict;

struct Case {
    std::string text;
    V verdict;
    uint32_t number;
};

void ExpectVerdicts(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const GameNumberCheck check = CheckGameNumberText(c.text);
        EXPECT_EQ(check.verdict, c.verdict) << '"' << c.text << '"';
        EXPECT_EQ(check.number, c.number) << '"' << c.text << '"';
    }
}

TEST(GameNumberText, NumbersInRangeAreTakenWithBlanksSignAndTrailingText) {
    ExpectVerdicts({
        {"1", V::Valid, 1},
        {"1000000", V::Valid, 1000000},
        {" 42 ", V::Valid, 42},
        {"\t\t42", V::Valid, 42},
        {"12abc", V::Valid, 12},
        {"7 8", V::Valid, 7},
        {"3.9", V::Valid, 3},
        {"+5", V::Valid, 5},
        {"0000000000000000000000000000000000042", V::Valid, 42},
    });
}

TEST(GameNumberText, TextWithoutLeadingDigitsIsNotANumber) {
    ExpectVerdicts({
        {"", V::NotANumber, 0},
        {"   ", V::NotANumber, 0},
        {"abc", V::NotANumber, 0},
        {"a12", V::NotANumber, 0},
        {"-", V::NotANumber, 0},
        {"+", V::NotANumber, 0},
        {"- 5", V::NotANumber, 0}, // no blank between the sign and the digits
        {"--5", V::NotANumber, 0},
        {"\xC2\xA0"
         "5",
         V::NotANumber, 0}, // a no-break space is not a blank
    });
}

TEST(GameNumberText, ZeroMinusAndTooLargeAreOutOfRange) {
    ExpectVerdicts({
        {"0", V::OutOfRange, 0},
        {"-3", V::OutOfRange, 0},
        {"-0", V::OutOfRange, 0},
        {"1000001", V::OutOfRange, 0},
        {"4294967295", V::OutOfRange, 0},
        {"4294967296", V::OutOfRange, 0},           // 2^32 would wrap to 0
        {"4294967297", V::OutOfRange, 0},           // 2^32 + 1 would wrap to a valid 1
        {"18446744073709551617", V::OutOfRange, 0}, // 2^64 + 1 likewise
        {"99999999999", V::OutOfRange, 0},
        {std::string(200, '9'), V::OutOfRange, 0},
    });
}

TEST(GameNumberText, OnlyTheFirst63CharactersAreRead) {
    const std::string blanks(62, ' ');
    ExpectVerdicts({
        {blanks + "7", V::Valid, 7},
        {blanks + "71", V::Valid, 7},
        {std::string(63, ' ') + "7", V::NotANumber, 0},
        // The digits that make it too large lie beyond the limit.
        {std::string(57, '0') + "1000000" + "9", V::Valid, 100000},
    });
}

TEST(GameNumberText, NulBytesEndTheNumberLikeAnyOtherCharacter) {
    ExpectVerdicts({
        {std::string("12\0"
                     "3",
                     4),
         V::Valid, 12},
        {std::string("\0"
                     "12",
                     3),
         V::NotANumber, 0},
    });
}

TEST(GameNumberText, EachRefusalHasItsOwnMessage) {
    EXPECT_EQ(GameNumberMessage(V::NotANumber).English(), "Please enter a positive integer.");
    EXPECT_EQ(GameNumberMessage(V::OutOfRange).English(),
              "Please enter an integer between %1 and %2.");
    EXPECT_TRUE(GameNumberMessage(V::Valid).Empty());
}

} // namespace
} // namespace zentile
