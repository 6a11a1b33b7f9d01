#pragma once

#include <string_view>

namespace zentile {

// A text the player sees, marked with ZENTILE_TEXT(context, english). The context says where it
// is shown: "Commands" (menus, prompts, tooltips), "Messages" (message boxes), "Levels", "Print",
// "Dialogs" and "Window" (status bar and grid). It travels with the English, so the one function
// that translates a text (Translate, in the window) takes both from here. lupdate gathers the
// marks as QT_TRANSLATE_NOOP (its -tr-function-alias), so the core needs no Qt for them.
struct Text {
    const char* context = "";
    const char* english = ""; // a string literal: it lives as long as the program

    constexpr std::string_view English() const { return english; }
    constexpr bool Empty() const { return english[0] == '\0'; }
};

} // namespace zentile

#define ZENTILE_TEXT(context, english) (::zentile::Text{context, english})
