// Shows every dialog of the game with real content and saves a picture of each, for looking
// at them without a desktop: dialog-shots <folder>. Run it under xvfb-run for the look of a
// real X display. Nothing is stored outside the program's memory.
#include "ModalScript.h"
#include "dialogs/BestResultsPage.h"
#include "dialogs/DialogCommands.h"
#include "dialogs/DifficultyDlg.h"
#include "dialogs/GameNumberDlg.h"
#include "dialogs/OptionsDlg.h"
#include "model/CellOperations.h"
#include "model/Game.h"
#include "play/GameController.h"
#include "solver/SudokuSolver.h"
#include "store/MemorySettingsStore.h"
#include "store/StoreAndEditor.h"
#include "support/FakeHost.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <cstdio>

namespace zentile {
namespace {

QDir out;

void Grab(QWidget& widget, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = out.filePath(name + ".png");
    if (!widget.grab().save(path)) std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
    std::printf("%s %dx%d\n", qPrintable(path), widget.width(), widget.height());
}

// Plays a timed game to the end as the player would, with some help on the way.
void SolveTimedGame(GameController& controller, test::FakeHost& host, int32_t level,
                    uint32_t number, int64_t seconds) {
    Game& game = controller.game;
    game.session.level = level;
    StartNumberedGame(game, host, number);
    host.now += seconds;
    Cell* first = nullptr;
    for (Cell& cell : game.grid)
        if (!cell.given && first == nullptr) first = &cell;
    SetValue(game, host, *first, first->solution % 9 + 1);
    controller.commands.Execute(cmd::Undo);
    for (Cell& cell : game.grid)
        if (!cell.given && cell.value == 0) SetValue(game, host, cell, cell.solution);
    while (host.TakePosted()) controller.OnPuzzleSolved();
}

int Run(const QString& folder) {
    out = QDir(folder);
    out.mkpath(".");

    test::FakeHost host;
    Game game;
    GameController controller(game, host);
    MemorySettingsStore store;
    CSudokuSolver solver;
    StoreAndEditor wiring(controller, store, solver);
    Initialise(game, host);
    wiring.LoadStoredState();
    game.session.level = 3;

    test::ModalScript script(20000);
    script
        .On<DifficultyDlg>([](DifficultyDlg& dialog) {
            Grab(dialog, "difficulty");
            dialog.reject();
        })
        .On<GameNumberDlg>([](GameNumberDlg& dialog) {
            Grab(dialog, "game-number");
            dialog.Field()->setText("abc");
            dialog.accept();
        })
        .On<QMessageBox>([](QMessageBox& box) {
            Grab(box, "game-number-refused");
            box.accept();
        })
        .On<GameNumberDlg>([](GameNumberDlg& dialog) {
            Grab(dialog, "game-number-after-refusal");
            dialog.Field()->setText("4242");
            dialog.accept();
        })
        .On<OptionsDlg>([](OptionsDlg& dialog) {
            Grab(dialog, "options");
            dialog.reject();
        })
        .On<CBestResultsSheet>([](CBestResultsSheet& sheet) {
            Grab(sheet, "best-results-very-easy");
            sheet.Tabs()->setCurrentIndex(1);
            Grab(sheet, "best-results-easy");
            sheet.ResetButton()->click();
        })
        .On<QMessageBox>([](QMessageBox& box) {
            Grab(box, "best-results-reset-question");
            box.button(QMessageBox::No)->click();
        })
        .On<CBestResultsSheet>([](CBestResultsSheet& sheet) { sheet.accept(); })
        .On<CAboutDlg>([](CAboutDlg& about) {
            Grab(about, "about");
            about.accept();
        })
        .On<QFileDialog>([&](QFileDialog& dialog) {
            dialog.setDirectory(out.path());
            Grab(dialog, "save-game");
            dialog.reject();
        });

    RunDifficulty(controller, wiring, nullptr);
    RunGameNumber(controller, nullptr);
    RunOptions(controller, wiring, nullptr);
    // Three timed games of "Easy", each with a wrong digit taken back (an undo).
    SolveTimedGame(controller, host, 1, 77, 300);
    SolveTimedGame(controller, host, 1, 78, 3725);
    SolveTimedGame(controller, host, 1, 79, 290);
    ShowBestResults(wiring.bestResults, nullptr);
    ShowAbout(nullptr);
    AskSaveGameFile(nullptr);

    ShowHelpContents(nullptr);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(widget)) {
            QTest::qWait(200);
            Grab(*help, "help-contents");
            help->Browser()->setSource(QUrl("assistance.html"));
            Grab(*help, "help-assistance");
            help->close();
        }

    if (!script.Finished()) {
        std::fprintf(stderr, "%s\n", script.Failures().constData());
        return 1;
    }
    return 0;
}

} // namespace
} // namespace zentile

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return zentile::Run(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots"));
}
