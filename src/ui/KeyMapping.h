#pragma once

#include <QKeyEvent>
#include <QString>
#include <cstdint>

namespace zentile {

// A key code that matches no key the game knows and no symbol.
inline constexpr int32_t kUnknownKey = -1;

// What a key event's native scan code tells on this platform. On X11 and Wayland it is the XKB
// keycode, which names the key's place on the keyboard whatever layout is active; elsewhere the
// game does not read it.
enum class ScanCodes { Unread, Xkb };

// The scan codes of the platform Qt runs on, by its name ("xcb", "wayland", "wayland-egl").
ScanCodes ScanCodesOf(const QString& platformName);

// The game's code of a released key, read by what it types (its text, or its Qt key where the
// text is empty or a control character): "0".."9" and "A".."Z" whatever the case and whatever
// the key's place, the named keys of the game, and kUnknownKey for everything else. Where the
// scan code is read, any other key that is no named key is read by its place: the top row gives
// its digit (the unshifted "&" of a French keyboard is "1"), and a letter key that types a
// non-Latin letter gives the Latin letter of its place. The keypad's digits are keys of their
// own and enter nothing.
int32_t GameKeyCode(const QKeyEvent& event, ScanCodes scanCodes);

} // namespace zentile
