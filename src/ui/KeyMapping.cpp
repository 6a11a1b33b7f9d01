#include "ui/KeyMapping.h"

#include "play/KeyCodes.h"

#include <array>
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

} // namespace

int32_t GameKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return modifiers.testFlag(Qt::KeypadModifier) ? kUnknownKey : qtKey;
    // Qt's letter keys carry the capital's code, as the game's symbols do.
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
    for (const auto& [key, code] : kNamedKeys)
        if (key == qtKey) return code;
    // Punctuation shares codes with the named keys ("%" is Left's), so it must not pass through.
    return kUnknownKey;
}

} // namespace zentile
