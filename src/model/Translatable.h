#pragma once

// Marks a text the player sees. The core keeps its English; the window shows it through
// Translate(context, text), and the context names where: "Commands" (menus, prompts, tooltips),
// "Messages" (message boxes), "Levels", "Print" and "Window" (status bar). lupdate gathers the
// marks as QT_TRANSLATE_NOOP (its -tr-function-alias), so the core needs no Qt for them.
#define ZENTILE_TEXT(context, text) text
