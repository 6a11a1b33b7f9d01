#include "ui/KeyMapping.h"

#include "play/KeyCodes.h"

#include <QChar>
#include <QList>
#include <array>
#include <string_view>
#include <utility>

namespace zentile {

namespace {

constexpr std::array<std::pair<int, int32_t>, 13> kNamedKeys = {{
    {Qt::Key_Backspace, kKeyBackspace},
    {Qt::Key_Return, kKeyEnter},
    {Qt::Key_Enter, kKeyEnter},
    {Qt::Key_PageUp, kKeyPageUp},
    {Qt::Key_PageDown, kKeyPageDown},
    {Qt::Key_End, kKeyEnd},
    {Qt::Key_Home, kKeyHome},
    {Qt::Key_Left, kKeyLeft},
    {Qt::Key_Up, kKeyUp},
    {Qt::Key_Right, kKeyRight},
    {Qt::Key_Down, kKeyDown},
    {Qt::Key_Delete, kKeyDelete},
    {Qt::Key_Pause, kKeyPause},
}};

// XKB keycodes (the evdev code plus 8) of the keys' places on a standard keyboard: the top
// row's digits, then the three rows of letters, each listed from the left.
struct KeyRow {
    uint32_t firstKeycode;
    std::string_view keys;
};
constexpr KeyRow kDigitRow{10, "1234567890"};
constexpr std::array<KeyRow, 3> kLetterRows = {{
    {24, "QWERTYUIOP"},
    {38, "ASDFGHJKL"},
    {52, "ZXCVBNM"},
}};

int32_t KeyAt(const KeyRow& row, uint32_t keycode) {
    if (keycode < row.firstKeycode || keycode - row.firstKeycode >= row.keys.size())
        return kUnknownKey;
    return row.keys[keycode - row.firstKeycode];
}

// Cyrillic, Greek and other letters beyond ASCII.
bool IsNonLatinLetter(char32_t typed) {
    return typed > 0x7F && typed <= 0x10FFFF && QChar::isLetter(typed);
}

// What the key types: the one character of its text, else its Qt key. Named keys type nothing
// or a control character, and with Ctrl held xkbcommon turns "a" into U+0001 and "2" into NUL.
// Qt's key for a letter is the capital's code.
char32_t Typed(const QKeyEvent& event) {
    const QList<uint> text = event.text().toUcs4();
    if (text.size() == 1 && QChar::isPrint(text[0])) return text[0];
    return static_cast<char32_t>(event.key());
}

int32_t CodeOfPlace(const QKeyEvent& event, char32_t typed) {
    const uint32_t keycode = event.nativeScanCode();
    if (keycode == 0) return kUnknownKey;
    if (const int32_t digit = KeyAt(kDigitRow, keycode); digit != kUnknownKey) return digit;
    if (!IsNonLatinLetter(typed)) return kUnknownKey;
    for (const KeyRow& row : kLetterRows)
        if (const int32_t letter = KeyAt(row, keycode); letter != kUnknownKey) return letter;
    return kUnknownKey;
}

} // namespace

ScanCodes ScanCodesOf(const QString& platformName) {
    // Qt on X11 and on Wayland reads the keyboard through xkbcommon.
    if (platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland")))
        return ScanCodes::Xkb;
    return ScanCodes::Unread;
}

int32_t GameKeyCode(const QKeyEvent& event, ScanCodes scanCodes) {
    const char32_t typed = Typed(event);
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (typed >= '0' && typed <= '9') return keypad ? kUnknownKey : int32_t(typed);
    if (typed >= 'A' && typed <= 'Z') return int32_t(typed);
    if (typed >= 'a' && typed <= 'z') return int32_t(typed - 'a' + 'A');
    for (const auto& [key, code] : kNamedKeys)
        if (key == event.key()) return code;
    if (scanCodes == ScanCodes::Xkb && !keypad) return CodeOfPlace(event, typed);
    // Punctuation shares codes with the named keys ("%" is Left's), so it must not pass through.
    return kUnknownKey;
}

} // namespace zentile
