#include "dialogs/DialogCommands.h"

#include "dialogs/DialogTexts.h"
#include "dialogs/DifficultyDlg.h"
#include "dialogs/GameNumberDlg.h"
#include "dialogs/OptionsDlg.h"
#include "model/Game.h"
#include "model/Host.h"
#include "play/GameController.h"
#include "store/StoreAndEditor.h"

#include <QDesktopServices>
#include <QPointer>
#include <QUrl>

namespace zentile {

namespace {

constexpr int32_t kMediumLevel = 2;

bool IsDatabaseLevel(int32_t level) {
    return level >= 0 && level < kDatabaseLevels;
}

} // namespace

void RunDifficulty(GameController& controller, StoreAndEditor& store, QWidget* parent) {
    int32_t& level = controller.game.session.level;
    // The dialog offers only the database levels; an own puzzle's level (or a stored level
    // out of range) gives way to Medium before it opens.
    if (!IsDatabaseLevel(level)) level = kMediumLevel;

    DifficultyDlg dialog(parent);
    dialog.selectedLevel = level;
    if (dialog.exec() != QDialog::Accepted) return;
    if (IsDatabaseLevel(dialog.selectedLevel)) level = dialog.selectedLevel;
    store.SaveOptions();
}

void RunGameNumber(GameController& controller, QWidget* parent) {
    GameNumberDlg dialog(parent);
    dialog.number = 1;
    if (dialog.exec() != QDialog::Accepted) return;
    StartNumberedGame(controller.game, controller.host, dialog.number);
    controller.host.Repaint();
}

void RunOptions(GameController& controller, StoreAndEditor& store, QWidget* parent) {
    GameOptions& options = controller.game.options;
    OptionsDlg dialog(parent);
    dialog.timed = options.TimedGame ? 1 : 0;
    dialog.gameType = options.NumberGame ? 0 : 1;
    if (dialog.exec() != QDialog::Accepted) return;
    options.TimedGame = dialog.timed != 0;
    options.NumberGame = dialog.gameType == 0;
    store.SaveOptions();
    controller.host.Repaint();
}

void GoToWebsite() {
    QDesktopServices::openUrl(QUrl(dialog_text::kWebsiteAddress));
}

void BindDialogCommands(GameController& controller, StoreAndEditor& store, QWidget* window) {
    const QPointer<QWidget> parent = window;
    CommandDispatcher& commands = controller.commands;
    commands.Bind(cmd::Difficulty,
                  [&controller, &store, parent] { RunDifficulty(controller, store, parent); });
    commands.Bind(cmd::GameNumber, [&controller, parent] { RunGameNumber(controller, parent); });
    commands.Bind(cmd::Options,
                  [&controller, &store, parent] { RunOptions(controller, store, parent); });
    commands.Bind(cmd::BestResults,
                  [&store, parent] { ShowBestResults(store.bestResults, parent); });
    commands.Bind(cmd::HelpContents, [parent] { ShowHelpContents(parent); });
    commands.Bind(cmd::GoToWebsite, [] { GoToWebsite(); });
    commands.Bind(cmd::About, [parent] { ShowAbout(parent); });
}

} // namespace zentile
