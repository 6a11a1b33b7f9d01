#include "store/SavedGameCommands.h"

#include "editor/PuzzleEditor.h"
#include "model/Game.h"
#include "model/Host.h"
#include "store/FileReplacement.h"
#include "store/SavedGameFile.h"
#include "store/StoreTexts.h"

namespace zentile {

void SavedGameCommands::Save() {
    const auto name = host.AskSaveFileName();
    if (!name) return;
    // The level of the puzzle on the board, whatever Difficulty chose for the next game.
    if (!ReplaceFileContents(*name, FormatSavedGame(game.grid, game.session.boardLevel)))
        host.ShowMessage(kSaveErrorMessage, MessageIcon::Error);
}

void SavedGameCommands::Open() {
    const auto name = host.AskOpenFileName();
    if (!name) return;
    const auto saved = ReadSavedGame(*name);
    if (!saved) {
        host.ShowMessage(kReadErrorMessage, MessageIcon::Error);
        host.Repaint();
        return;
    }
    // The editor's grid holds no entries to leave out.
    const bool withoutGuesses = !saved->editing && host.AskYesNo(kOpenWithoutGuessesQuestion);
    LoadSavedGame(game, host, *saved, !withoutGuesses);
    host.Repaint();
}

void LoadSavedGame(Game& game, Host& host, const SavedGame& saved, bool keepEntries) {
    if (saved.editing) {
        StartEditing(game, host);
        for (int32_t k = 0; k < Grid::cellCount; ++k)
            game.grid[k].SetSolution(saved.cells[k].solution);
        return;
    }
    StartPlay(game, host, saved.level, 0);
    game.session.statistics.loadedGame = keepEntries;
    for (int32_t k = 0; k < Grid::cellCount; ++k) {
        Cell& cell = game.grid[k];
        cell.Reset(k / Grid::rowCount, k % Grid::rowCount);
        cell.solution = saved.cells[k].solution;
        cell.value = keepEntries ? saved.cells[k].value : 0;
        cell.given = saved.cells[k].given;
    }
}

} // namespace zentile
