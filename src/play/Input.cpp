#include "play/Input.h"

#include "model/CellOperations.h"
#include "model/Game.h"
#include "model/Host.h"
#include "play/CommandTable.h"

#include <algorithm>
#include <string>

namespace zentile {

namespace {

bool IsNavigationKey(int32_t k) {
    return k == kKeyUp || k == kKeyDown || k == kKeyLeft || k == kKeyRight || k == kKeyPageUp ||
           k == kKeyPageDown;
}

// Whether the key with Ctrl (and Shift) held runs a command, as Ctrl+Z does.
bool IsCommandKey(int32_t k, KeyModifiers held) {
    std::string chord = held.shift ? "Ctrl+Shift+" : "Ctrl+";
    chord += static_cast<char>(k);
    return std::ranges::any_of(CommandTable(),
                               [&chord](const CommandRow& row) { return row.shortcut == chord; });
}

} // namespace

bool Input::ResumeIfPaused() {
    if (!Resume(game.session, host.Now())) return false;
    host.Repaint();
    return true;
}

void Input::Enter(Cell& cell, int32_t d) {
    if (game.session.state == GameState::Playing)
        SetValue(game, host, cell, d);
    else
        cell.SetSolution(d);
}

void Input::LeftButtonDown(int32_t x, int32_t y) {
    const auto position = game.layout.HitTest(x, y);
    if (!position || ResumeIfPaused()) return;
    GameSession& session = game.session;
    if (session.state != GameState::Playing && session.state != GameState::Editing) return;
    Cell& cell = game.grid.At(position->column, position->row);
    // The keyboard goes on from the clicked cell.
    session.cursorColumn = position->column;
    session.cursorRow = position->row;
    // Clicking a filled cell with a digit (or nothing) selected picks its digit up.
    if (const int32_t shown = cell.ShownDigit(); session.currentDigit != 0 && shown != 0)
        session.currentDigit = shown;
    else if (session.currentDigit != -1)
        Enter(cell, session.currentDigit);
    host.Repaint();
}

void Input::RightButtonDown(int32_t x, int32_t y) {
    GameSession& session = game.session;
    if (session.state != GameState::Playing) return;
    const auto position = game.layout.HitTest(x, y);
    if (!position || session.currentDigit < 1 || session.currentDigit > 9) return;
    TogglePencilMark(game, game.grid.At(position->column, position->row), session.currentDigit);
    host.Repaint();
}

void Input::KeyReleased(int32_t k, KeyModifiers held) {
    // The key's press has paused the game or let it continue.
    if (k == kKeyPause) return;
    if (ResumeIfPaused()) return;
    GameSession& session = game.session;
    if (session.state != GameState::Playing && session.state != GameState::Editing) return;
    if (session.cursorColumn == -1) {
        if (IsNavigationKey(k)) {
            session.cursorColumn = 0;
            session.cursorRow = 0;
        }
        host.Repaint();
        return;
    }

    constexpr int32_t columns = Grid::columnCount;
    constexpr int32_t rows = Grid::rowCount;
    int32_t digit = -1;
    switch (k) {
    case kKeyPageUp:
    case kKeyPageDown:
    case kKeyHome:
    case kKeyEnd:
        session.cursorColumn = -1;
        host.Repaint();
        return;
    case kKeyLeft:
        session.cursorColumn = (session.cursorColumn + columns - 1) % columns;
        break;
    case kKeyRight:
        session.cursorColumn = (session.cursorColumn + 1) % columns;
        break;
    case kKeyUp:
        session.cursorRow = (session.cursorRow + rows - 1) % rows;
        break;
    case kKeyDown:
        session.cursorRow = (session.cursorRow + 1) % rows;
        break;
    case kKeyDelete:
    case kKeyBackspace:
        digit = 0;
        break;
    default:
        for (int32_t d = 1; d <= 9 && digit == -1; ++d)
            if (static_cast<unsigned char>(game.symbols[d]) == k) digit = d;
        break;
    }

    Cell& cell = game.grid.At(session.cursorColumn, session.cursorRow);
    if (digit >= 0 && !held.ctrl)
        Enter(cell, digit);
    else if (digit > 0 && session.state == GameState::Playing && !IsCommandKey(k, held))
        TogglePencilMark(game, cell, digit); // as a right click does
    if (k == kKeyEnter || (k >= '1' && k <= '9')) {
        if (const int32_t shown = cell.ShownDigit(); shown != 0 && session.currentDigit != 0)
            session.currentDigit = shown;
    }
    host.Repaint();
}

void Input::FocusIn() {
    GameSession& session = game.session;
    if (session.cursorColumn != -1) return;
    session.cursorColumn = 0;
    session.cursorRow = 0;
    host.Repaint();
}

void Input::DigitButton(CommandId id) {
    if (!cmd::IsDigitButton(id)) return;
    game.session.currentDigit = cmd::DigitOf(id);
    host.Repaint();
}

} // namespace zentile
