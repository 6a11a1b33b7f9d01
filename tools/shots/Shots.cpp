// zentile-shots <output folder>     pictures of the window in several states, the last under a
//                                   dark desktop palette
// zentile-shots --first-paint       prints the time from start to the first painted window
// zentile-shots --repaint           prints the time of one full repaint at two window sizes
//
// Runs the game's own start-up against a settings folder of its own (never the user's), then
// drives the game through its input rules as a player would.

#include "model/Game.h"
#include "play/GameController.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/CSudokuApp.h"
#include "ui/GridPainter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace zentile;

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// Clicks the centre of a cell of the last paint.
void Click(CSudokuApp& app, int column, int row, bool right = false) {
    const Cell& cell = app.GetGame().grid.At(column, row);
    const int x = cell.left + cell.width / 2;
    const int y = cell.top + cell.height / 2;
    if (right)
        app.Controller().input.RightButtonDown(x, y);
    else
        app.Controller().input.LeftButtonDown(x, y);
}

// A game in progress: right and wrong entries, pencil marks, a highlighted digit, a hint and
// the keyboard cursor.
void PlaySome(CSudokuApp& app) {
    Game& game = app.GetGame();
    GameController& controller = app.Controller();
    CMainFrame& frame = *app.MainFrame();
    frame.RunCommand(cmd::New);
    Settle();
    int entered = 0;
    bool wrong = false;
    bool pencil = false;
    for (Cell& cell : game.grid) {
        if (cell.given || cell.value != 0) continue;
        if (!wrong) {
            frame.RunCommand(static_cast<CommandId>(cmd::Erase + cell.solution % 9 + 1));
            Click(app, cell.column, cell.row);
            wrong = true;
        } else if (!pencil) {
            frame.RunCommand(static_cast<CommandId>(cmd::Erase + 2));
            for (int d : {2, 5, 9, 7, 1, 3, 4, 6, 8}) {
                controller.game.session.currentDigit = d;
                Click(app, cell.column, cell.row, true);
            }
            pencil = true;
        } else if (entered < 12) {
            frame.RunCommand(static_cast<CommandId>(cmd::Erase + cell.solution));
            Click(app, cell.column, cell.row);
            ++entered;
        }
    }
    // A second pencil cell with three marks, and the digit 5 highlighted.
    for (Cell& cell : game.grid) {
        if (cell.given || cell.value != 0 || cell.pencilMarks != 0) continue;
        for (int d : {2, 5, 9}) {
            game.session.currentDigit = d;
            Click(app, cell.column, cell.row, true);
        }
        break;
    }
    game.session.currentDigit = 5;
    if (!game.options.HighlightSelection) frame.RunCommand(cmd::HighlightSelection);
    frame.RunCommand(cmd::ShowHint);
    game.session.cursorColumn = 4;
    game.session.cursorRow = 6;
    frame.ClockTick();
    Settle();
}

bool Save(CSudokuApp& app, const QString& folder, const QString& name) {
    Settle();
    const QString path = QDir(folder).filePath(name);
    const bool ok = app.MainFrame()->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

int Pictures(CSudokuApp& app, const QString& folder) {
    Game& game = app.GetGame();
    CMainFrame& frame = *app.MainFrame();
    bool ok = Save(app, folder, QStringLiteral("start.png"));
    PlaySome(app);
    ok &= Save(app, folder, QStringLiteral("classic.png"));

    TogglePause(game.session, app.GetHost().Now());
    frame.ClockTick();
    frame.update();
    ok &= Save(app, folder, QStringLiteral("paused.png"));
    frame.ClockTick();
    TogglePause(game.session, app.GetHost().Now());

    frame.showMaximized();
    Settle();
    // Without a window manager nothing maximises; take the screen's size instead.
    if (frame.size() == CMainFrame::kInitialSize) frame.resize(frame.screen()->availableSize());
    ok &= Save(app, folder, QStringLiteral("maximised.png"));
    frame.showNormal();
    frame.resize(CMainFrame::kInitialSize);
    frame.FitScreen();

    game.options.NumberGame = false;
    game.session.revealSolutions = false;
    game.session.state = GameState::NoGame; // no question before the next game
    PlaySome(app);
    ok &= Save(app, folder, QStringLiteral("letters.png"));
    frame.RunCommand(cmd::RevealToggle);
    ok &= Save(app, folder, QStringLiteral("letters-revealed.png"));
    frame.RunCommand(cmd::RevealToggle);

    // A dark desktop theme, switched to while the game runs.
    const QColor text(252, 252, 252);
    QApplication::setPalette(QPalette(text, QColor(49, 54, 59), QColor(64, 70, 76),
                                      QColor(30, 33, 36), QColor(40, 44, 48), text, Qt::white,
                                      QColor(35, 38, 41), QColor(42, 46, 50)));
    game.options.NumberGame = true;
    game.session.state = GameState::NoGame;
    PlaySome(app);
    ok &= Save(app, folder, QStringLiteral("dark.png"));
    return ok ? 0 : 1;
}

// Milliseconds of one full repaint of the view, averaged over many, at the given window size.
double RepaintMilliseconds(CMainFrame& frame, QSize size) {
    frame.resize(size);
    Settle();
    CChildView& view = frame.View();
    constexpr int kRounds = 200;
    view.repaint();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i) view.repaint();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / kRounds;
}

int Repaints(CSudokuApp& app) {
    PlaySome(app);
    CMainFrame& frame = *app.MainFrame();
    for (const QSize size : {QSize(550, 570), QSize(1920, 1080)}) {
        const double ms = RepaintMilliseconds(frame, size);
        std::printf("window %dx%d, view %dx%d: one full repaint %.3f ms\n", frame.width(),
                    frame.height(), frame.View().width(), frame.View().height(), ms);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode.isEmpty()) {
        std::fprintf(stderr, "usage: zentile-shots <folder> | --first-paint | --repaint\n");
        return 2;
    }
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());

    CSudokuApp app;
    if (!app.InitInstance()) return 1;

    if (mode == QLatin1String("--first-paint")) {
        struct FirstPaint : QObject {
            qint64 at = -1;
            QElapsedTimer* clock = nullptr;
            bool eventFilter(QObject*, QEvent* event) override {
                // Noted once the paint has been handled and put on the screen.
                if (event->type() == QEvent::Paint && at < 0)
                    QTimer::singleShot(0, this, [this] {
                        at = clock->nsecsElapsed();
                        QCoreApplication::quit();
                    });
                return false;
            }
        } watcher;
        watcher.clock = &sinceStart;
        app.MainFrame()->View().installEventFilter(&watcher);
        QApplication::exec();
        std::printf("first painted window %.1f ms after main() began\n", watcher.at / 1e6);
        return 0;
    }
    if (mode == QLatin1String("--repaint")) return Repaints(app);
    return Pictures(app, mode);
}
