// game-shots <folder>: starts the real game with the dialogs bound into its command table,
// solves a timed game with the mouse rules, opens every dialog through the window's commands
// and saves a picture of the screen each time. Run it under xvfb-run. The settings, the home
// folder and the file dialog's memory go to a temporary folder, never the user's.
#include "ModalScript.h"
#include "dialogs/DialogCommands.h"
#include "dialogs/DifficultyDlg.h"
#include "dialogs/GameNumberDlg.h"
#include "dialogs/OptionsDlg.h"
#include "model/Game.h"
#include "play/GameController.h"
#include "print/PrintBookletDlg.h"
#include "store/StoreAndEditor.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/CSudokuApp.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <cstdio>

namespace zentile {
namespace {

QDir out;
CMainFrame* frame = nullptr;

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// The screen around the main window and the window on top of it.
void Shoot(QWidget& top, const QString& name) {
    Settle();
    QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(0);
    QRect area = frame->frameGeometry().united(top.frameGeometry()).adjusted(-8, -8, 8, 8);
    picture = picture.isNull() ? top.grab() : picture.copy(area);
    const QString path = out.filePath(name + ".png");
    std::printf("%s %s\n", picture.save(path) ? "wrote" : "FAILED", qPrintable(path));
}

// Plays the game on the board to the end with the toolbar digits and clicks, one wrong digit
// taken back on the way.
void SolveWithClicks(CSudokuApp& app, int64_t& now) {
    Game& game = app.GetGame();
    Input& input = app.Controller().input;
    bool erred = false;
    for (Cell& cell : game.grid) {
        if (cell.given) continue;
        const int x = cell.left + cell.width / 2;
        const int y = cell.top + cell.height / 2;
        if (!erred) {
            frame->RunCommand(static_cast<CommandId>(cmd::Erase + cell.solution % 9 + 1));
            input.LeftButtonDown(x, y);
            frame->RunCommand(cmd::Undo);
            erred = true;
        }
        frame->RunCommand(static_cast<CommandId>(cmd::Erase + cell.solution));
        input.LeftButtonDown(x, y);
        now += 7;
    }
}

int Run(const QString& folder) {
    out = QDir(folder);
    out.mkpath(".");
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());

    CSudokuApp app;
    if (!app.InitInstance()) return 1;
    frame = app.MainFrame();
    BindDialogCommands(app.Controller(), *app.Store(), frame);
    int64_t now = 1'700'000'000;
    app.GetHost().SetClock([&now] { return now; });
    Settle();

    test::ModalScript script(20000);
    script
        .On<QMessageBox>([](QMessageBox& box) {
            Shoot(box, "01-solved");
            box.accept();
        })
        .On<CBestResultsSheet>([](CBestResultsSheet& sheet) {
            Shoot(sheet, "02-best-results-first-tab");
            sheet.Tabs()->setCurrentIndex(2);
            Shoot(sheet, "03-best-results-medium");
            sheet.ResetButton()->click();
        })
        .On<QMessageBox>([](QMessageBox& box) {
            Shoot(box, "04-best-results-reset-question");
            box.button(QMessageBox::No)->click();
        })
        .On<CBestResultsSheet>([](CBestResultsSheet& sheet) { sheet.OkButton()->click(); })
        .On<DifficultyDlg>([](DifficultyDlg& dialog) {
            Shoot(dialog, "05-difficulty");
            dialog.LevelButton(3)->click();
            dialog.OkButton()->click();
        })
        .On<GameNumberDlg>([](GameNumberDlg& dialog) {
            Shoot(dialog, "06-game-number");
            dialog.Field()->setText("1000001");
            dialog.OkButton()->click();
        })
        .On<QMessageBox>([](QMessageBox& box) {
            Shoot(box, "07-game-number-range");
            box.accept();
        })
        .On<GameNumberDlg>([](GameNumberDlg& dialog) {
            dialog.Field()->setText("4242");
            dialog.OkButton()->click();
        })
        .On<OptionsDlg>([](OptionsDlg& dialog) {
            Shoot(dialog, "09-options");
            dialog.LetterButton()->click();
            dialog.OkButton()->click();
        })
        .On<CAboutDlg>([](CAboutDlg& about) {
            Shoot(about, "10-about");
            about.OkButton()->click();
        })
        .On<QFileDialog>([&](QFileDialog& dialog) {
            dialog.setDirectory(settingsFolder.path());
            Shoot(dialog, "11-save-game");
            dialog.reject();
        })
        .On<PrintBookletDlg>([](PrintBookletDlg& dialog) {
            Shoot(dialog, "14-booklet");
            dialog.findChild<QCheckBox*>(QStringLiteral("medium"))->setChecked(true);
            dialog.accept();
        })
        .On<QPrintDialog>([](QPrintDialog& dialog) {
            Shoot(dialog, "15-print");
            dialog.reject();
        })
        .On<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });

    // The menus, each open in turn.
    for (QAction* title : frame->menuBar()->actions()) {
        QMenu* menu = title->menu();
        menu->popup(frame->mapToGlobal(frame->menuBar()->actionGeometry(title).bottomLeft()));
        menu->setActiveAction(menu->actions().value(0));
        Shoot(*menu, QStringLiteral("00-menu-%1").arg(frame->menuBar()->actions().indexOf(title)));
        menu->hide();
    }

    frame->RunCommand(cmd::New);
    Settle();
    SolveWithClicks(app, now);
    Settle(); // the posted "puzzle solved" message, and its congratulation
    frame->RunCommand(cmd::BestResults);
    frame->RunCommand(cmd::Difficulty);
    frame->RunCommand(cmd::GameNumber);
    Settle();
    Shoot(*frame, "08-game-4242-hard");
    frame->RunCommand(cmd::Options);
    frame->RunCommand(cmd::About);
    AskSaveGameFile(frame);
    frame->RunCommand(cmd::PrintBooklet);

    frame->RunCommand(cmd::HelpContents);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(widget)) {
            help->move(frame->frameGeometry().topRight() - QPoint(200, -40));
            QTest::qWait(300);
            Shoot(*help, "12-help");
            help->close();
        }
    frame->RunCommand(cmd::New); // asks first: a game is on the board
    Shoot(*frame, "13-next-game-in-letters");
    if (!script.Finished()) {
        std::fprintf(stderr, "%s\n", script.Failures().constData());
        return 1;
    }
    return 0;
}

} // namespace
} // namespace zentile

int main(int argc, char** argv) {
    QTemporaryDir home;
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(variable, home.path().toLocal8Bit());
    QApplication app(argc, argv);
    return zentile::Run(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots"));
}
