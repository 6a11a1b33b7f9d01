#pragma once

#include "editor/PuzzleEditor.h"
#include "store/BestResults.h"
#include "store/SavedGameCommands.h"
#include "store/Settings.h"

namespace zentile {

class GameController;
class SettingsStore;
class CSudokuSolver;

// The saved game file, the stored options, the best results and the puzzle editor, wired
// into the game controller: their commands are bound in its command table, a solved timed
// game goes to the best results, and every option change is saved. The application makes
// one right after the controller and keeps it as long; the store and the solver must live
// as long too.
class StoreAndEditor {
public:
    StoreAndEditor(GameController& controller, SettingsStore& store, CSudokuSolver& solver);
    StoreAndEditor(const StoreAndEditor&) = delete;
    StoreAndEditor& operator=(const StoreAndEditor&) = delete;

    // Once, as the game view is created: the options, then the best results.
    void LoadStoredState();
    // Writes the options this copy changed, and with them any results not stored yet; the
    // option commands and the Difficulty and Options dialogs call it.
    void SaveOptions();

    BestResultsTable bestResults;
    SavedGameCommands savedGame;
    PuzzleEditor editor;

private:
    GameController& controller;
    SettingsStore& store;
    StoredOptions storedOptions;
};

} // namespace zentile
