#include "store/SavedGameCommands.h"

#include "model/Game.h"
#include "model/Hints.h"
#include "model/Host.h"
#include "store/FileReplacement.h"
#include "store/SavedGameFile.h"
#include "store/StoreTexts.h"

namespace zentile {

void SavedGameCommands::Save() {
    const auto name = host.AskSaveFileName();
    if (!name) return;
    if (!ReplaceFileContents(*name, FormatSavedGame(game.grid, game.session.level)))
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
    const bool withoutGuesses = host.AskYesNo(kOpenWithoutGuessesQuestion);
    LoadSavedGame(game, host, *saved, !withoutGuesses);
    host.Repaint();
}

void LoadSavedGame(Game& game, Host& host, const SavedGame& saved, bool keepEntries) {
    GameSession& session = game.session;
    EndPendingHints(game, host);
    ClearPlayRecord(game);
    session.statistics.loadedGame = keepEntries;
    session.gameNumber = 0;
    session.level = saved.level;
    session.state = GameState::Playing;
    session.clock.Start(host.Now());
    for (int32_t k = 0; k < Grid::cellCount; ++k) {
        Cell& cell = game.grid[k];
        cell.Reset(k / Grid::rowCount, k % Grid::rowCount);
        cell.solution = saved.cells[k].solution;
        cell.value = keepEntries ? saved.cells[k].value : 0;
        cell.given = saved.cells[k].given;
    }
}

} // namespace zentile
