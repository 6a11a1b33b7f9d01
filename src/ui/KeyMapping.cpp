#include "ui/KeyMapping.h"

#include "play/KeyCodes.h"

#include <QChar>
#include <array>
#include <string_view>
#include <utility>

namespace zentile {

namespace {

constexpr std::array<std::pair<int, int32_t>, 12> kNamedKeys = {{
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

// Cyrillic, Greek and other letters beyond ASCII; Latin layouts keep the letter they type, as
// the keys' virtual codes do.
bool IsNonLatinLetter(int qtKey) {
    return qtKey > 0x7F && qtKey <= 0x10FFFF && QChar::isLetter(static_cast<char32_t>(qtKey));
}

int32_t CodeOfPlace(const QKeyEvent& event) {
    const uint32_t keycode = event.nativeScanCode();
    if (keycode == 0 || event.modifiers().testFlag(Qt::KeypadModifier)) return kUnknownKey;
    if (const int32_t digit = KeyAt(kDigitRow, keycode); digit != kUnknownKey) return digit;
    if (!IsNonLatinLetter(event.key())) return kUnknownKey;
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
    if (scanCodes == ScanCodes::Xkb)
        if (const int32_t code = CodeOfPlace(event); code != kUnknownKey) return code;
    const int qtKey = event.key();
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return event.modifiers().testFlag(Qt::KeypadModifier) ? kUnknownKey : qtKey;
    // Qt's letter keys carry the capital's code, as the game's symbols do.
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
    for (const auto& [key, code] : kNamedKeys)
        if (key == qtKey) return code;
    // Punctuation shares codes with the named keys ("%" is Left's), so it must not pass through.
    return kUnknownKey;
}

} // namespace zentile
