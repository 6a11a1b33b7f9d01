#include "store/StoreAndEditor.h"

#include "model/GameSession.h"
#include "play/GameController.h"
#include "store/Settings.h"

namespace zentile {

StoreAndEditor::StoreAndEditor(GameController& controller, SettingsStore& store,
                               CSudokuSolver& solver)
    : bestResults(store), savedGame(controller.game, controller.host),
      editor(controller.game, controller.host, solver), controller(controller), store(store) {
    CommandDispatcher& commands = controller.commands;
    commands.Bind(cmd::OpenGame, [this] { savedGame.Open(); });
    commands.Bind(cmd::SaveGame, [this] { savedGame.Save(); });
    commands.Bind(cmd::CreateGame, [this] { editor.CreateGame(); });
    commands.Bind(cmd::SaveAndPlay, [this] { editor.SaveAndPlay(); });
    commands.Bind(cmd::CancelEditMode, [this] { editor.CancelEditMode(); });
    controller.hooks.gameResult = [this](const GameResult& result) {
        bestResults.InsertResult(result.elapsedSeconds, result.level, result.statistics);
    };
    controller.hooks.saveOptions = [this] { SaveOptions(); };
}

void StoreAndEditor::LoadStoredState() {
    storedOptions = LoadSettings(controller.game, store);
    bestResults.LoadBestResults();
}

void StoreAndEditor::SaveOptions() {
    // Results the store could not take before go with the options, when it takes them.
    if (SaveSettings(controller.game, store, storedOptions)) bestResults.SaveBestResults();
}

} // namespace zentile
