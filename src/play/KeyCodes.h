#pragma once

#include <cstdint>

namespace zentile {

// Key codes as the game's input sees them: the keys "0".."9" and "A".."Z" have the code of
// their character; the named keys below lie outside those ranges. The window maps its
// toolkit's keys onto these; any other key may be passed as a code of its own that matches none.
enum KeyCode : int32_t {
    kKeyBackspace = 0x08,
    kKeyEnter = 0x0D,
    kKeyPause = 0x13,
    kKeyPageUp = 0x21,
    kKeyPageDown = 0x22,
    kKeyEnd = 0x23,
    kKeyHome = 0x24,
    kKeyLeft = 0x25,
    kKeyUp = 0x26,
    kKeyRight = 0x27,
    kKeyDown = 0x28,
    kKeyDelete = 0x2E,
};

// The modifier keys held with a key: those held when it went down, or at its release.
struct KeyModifiers {
    bool ctrl = false;
    bool shift = false;
};

} // namespace zentile
