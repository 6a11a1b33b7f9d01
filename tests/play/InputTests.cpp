#include "play/KeyCodes.h"
#include "support/PlayTable.h"

#include <gtest/gtest.h>

namespace zentile {
namespace {

using test::PlayTable;

// A running game with the keyboard cursor on an open cell.
struct Keyboard : PlayTable {
    Cell* open = nullptr;
    explicit Keyboard(bool letters = false) {
        game.options.NumberGame = !letters;
        StartGame(2718);
        open = FirstEmpty();
        Key(kKeyDown);
        Session().cursorColumn = open->column;
        Session().cursorRow = open->row;
    }
    int32_t Letter(int32_t d) const { return static_cast<unsigned char>(game.symbols[d]); }
};

TEST(Keys, LetterGameTypesLettersAndDigitKeysOnlyPickUp) {
    Keyboard t(true);
    ASSERT_GE(t.Letter(1), 'A');
    t.Key('0' + t.open->solution);
    EXPECT_EQ(t.open->value, 0);
    t.Key(t.Letter(t.open->solution));
    EXPECT_EQ(t.open->value, t.open->solution);
    // A letter key does not pick up; "1".."9" and Enter do, whatever the symbols are.
    EXPECT_EQ(t.Session().currentDigit, -1);
    t.Key('1');
    EXPECT_EQ(t.Session().currentDigit, t.open->solution);
    t.Session().currentDigit = -1;
    t.Key(kKeyEnter);
    EXPECT_EQ(t.Session().currentDigit, t.open->solution);
    // With the eraser selected nothing is picked up.
    t.Select(0);
    t.Key(kKeyEnter);
    EXPECT_EQ(t.Session().currentDigit, 0);
}

TEST(Keys, CtrlWithASymbolKeyTogglesItsPencilMarkUnlessItIsACommandsKey) {
    Keyboard t(true);
    t.game.symbols[1] = 'Z'; // Ctrl+Z is Undo
    t.game.symbols[2] = 'D'; // Ctrl+Shift+D shows the solutions
    t.Key('Z', {.ctrl = true});
    t.Key('D', {.ctrl = true, .shift = true});
    t.Key(kKeyDelete, {.ctrl = true});
    t.Key('D', {.ctrl = true}); // as a right click does
    EXPECT_EQ(t.open->value, 0);
    EXPECT_EQ(t.open->pencilMarks, 1U << 2);
    EXPECT_EQ(t.game.undoLog.Size(), 1U);
    // Moving the cursor with Ctrl held still moves it.
    const int32_t column = t.Session().cursorColumn;
    t.Key(kKeyRight, {.ctrl = true});
    EXPECT_EQ(t.Session().cursorColumn, (column + 1) % 9);
}

TEST(Keys, NavigationKeysAndTheFocusShowTheCursorAndPageKeysHideIt) {
    PlayTable t;
    t.StartGame(3);
    for (int32_t k : {int32_t{'5'}, int32_t{kKeyHome}, int32_t{kKeyEnd}, int32_t{kKeyDelete}}) {
        t.Key(k);
        EXPECT_EQ(t.Session().cursorColumn, -1) << k;
    }
    for (int32_t k : {kKeyUp, kKeyDown, kKeyLeft, kKeyRight, kKeyPageUp, kKeyPageDown}) {
        t.Key(k);
        EXPECT_EQ(t.Session().cursorColumn, 0) << k;
        EXPECT_EQ(t.Session().cursorRow, 0) << k;
        t.Key(k == kKeyPageUp ? kKeyPageDown : kKeyPageUp);
        EXPECT_EQ(t.Session().cursorColumn, -1) << k;
    }
    t.controller.input.FocusIn(); // shows the hidden cursor at the top left
    t.Key(kKeyDown);
    t.controller.input.FocusIn(); // leaves a shown one where it is
    EXPECT_EQ(t.Session().cursorRow, 1);
    // The numeric keypad and other keys have codes of their own and enter nothing.
    t.Key(0x65); // keypad 5
    EXPECT_TRUE(t.game.undoLog.Empty());
}

TEST(Keys, TypingOnAGivenCellLandsInItsHiddenValue) {
    PlayTable t;
    t.StartGame(90);
    Cell* given = nullptr;
    for (Cell& cell : t.game.grid)
        if (cell.given && !given) given = &cell;
    t.Key(kKeyDown);
    t.Session().cursorColumn = given->column;
    t.Session().cursorRow = given->row;
    t.Key('0' + given->solution % 9 + 1);
    EXPECT_EQ(given->value, given->solution % 9 + 1);
    EXPECT_EQ(given->ShownDigit(), given->solution);
    EXPECT_EQ(t.Session().currentDigit, given->solution); // picks up the shown digit
}

TEST(Input, NothingHappensWithoutAGameExceptTheReveal) {
    PlayTable t;
    t.Session().currentDigit = 4;
    t.Click(0, 0);
    t.RightClick(0, 0);
    t.Key(kKeyDown);
    t.Key('4');
    for (const Cell& cell : t.game.grid) {
        EXPECT_EQ(cell.value, 0);
        EXPECT_EQ(cell.pencilMarks, 0U);
    }
    EXPECT_EQ(t.Session().cursorColumn, -1);
    EXPECT_TRUE(t.game.undoLog.Empty());
}

TEST(Input, WhileEditingClicksAndKeysPlaceClues) {
    PlayTable t;
    t.Session().state = GameState::Editing; // as Create Game leaves it
    t.Select(6);
    t.Click(2, 3);
    EXPECT_TRUE(t.At(2, 3).given);
    EXPECT_EQ(t.At(2, 3).solution, 6);
    t.Key(kKeyRight); // from the clicked cell
    t.Key('8');
    EXPECT_EQ(t.At(3, 3).solution, 8);
    t.Key(kKeyDelete);
    EXPECT_FALSE(t.At(3, 3).given);
    t.Select(0);
    t.Click(2, 3);
    EXPECT_FALSE(t.At(2, 3).given);
    t.Select(5);
    t.RightClick(4, 4); // no pencil marks in the editor
    t.Key('5', {.ctrl = true});
    EXPECT_EQ(t.At(4, 4).pencilMarks, 0U);
    EXPECT_TRUE(t.game.undoLog.Empty());
    EXPECT_EQ(t.Session().statistics, PlayStatistics{});
    EXPECT_EQ(t.host.postedSolved, 0);
}

TEST(Input, ClicksOnTheBorderLinesBeyondTheLastCellAreOutside) {
    PlayTable t;
    t.StartGame(17);
    t.Select(0);
    const int32_t right = PlayTable::kGridOffset + 9 * PlayTable::kCellWidth;
    const int32_t bottom = PlayTable::kGridOffset + 9 * PlayTable::kCellHeight;
    t.controller.input.LeftButtonDown(right, PlayTable::Y(8));
    t.controller.input.LeftButtonDown(PlayTable::X(8), bottom);
    EXPECT_EQ(t.Session().statistics.erasures, 0U);
    t.controller.input.LeftButtonDown(right - 1, bottom - 1);
    EXPECT_EQ(t.Session().statistics.erasures, 1U); // cell (8, 8), given or not
}

} // namespace
} // namespace zentile
