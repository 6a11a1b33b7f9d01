#pragma once

#include "model/SymbolSet.h"
#include "model/Translatable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentile {

inline constexpr std::string_view kApplicationTitle = "Zentile";

// Every message box has an OK button except questions, which have Yes and No.
enum class MessageIcon { Information, Exclamation, Error };

// What the game's handlers need from the window system. The window implements it with Qt;
// tests use a scripted fake. Everything is called on the one user-interface thread.
class Host {
public:
    virtual ~Host() = default;

    // Wall-clock time in whole seconds since 1970-01-01 UTC.
    virtual int64_t Now() = 0;

    // A modal Yes/No question with the question icon, captioned with the application title.
    virtual bool AskYesNo(Text text) = 0;
    // A modal message box with an OK button; an empty caption is the application title.
    virtual void ShowMessageBox(Text text, MessageIcon icon, Text caption) = 0;
    void ShowMessage(Text text, MessageIcon icon) { ShowMessageBox(text, icon, {}); }

    // Numbered timers whose expiry comes back through the game controller's OnTimer. Starting
    // a running identifier restarts it.
    virtual void StartTimer(int32_t id, int32_t milliseconds, bool periodic) = 0;
    virtual void StopTimer(int32_t id) = 0;

    // The whole game view is to be drawn again from the model.
    virtual void Repaint() = 0;

    // Queues the "puzzle solved" message; the window hands it to the game controller's
    // OnPuzzleSolved after the current handler has returned.
    virtual void PostPuzzleSolved() = 0;

    // The symbol set has new symbols; the toolbar's nine symbol buttons follow them.
    virtual void SymbolsChanged(const SymbolSet& symbols) = 0;

    // The file dialogs of the saved game; nothing when the player cancels.
    virtual std::optional<std::string> AskOpenFileName() = 0;
    virtual std::optional<std::string> AskSaveFileName() = 0;
};

} // namespace zentile
