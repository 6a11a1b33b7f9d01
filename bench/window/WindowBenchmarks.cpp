// The window's speed: the time from a program start to its first painted window, and one full
// repaint of the game view at the window's first size and at full HD, with a game in progress.
//
// Runs on whatever Qt platform is chosen (QT_QPA_PLATFORM=offscreen without a desktop). The
// settings are always those of a temporary folder, never the user's.

#include "model/Game.h"
#include "play/GameController.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/CSudokuApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <memory>

using namespace zentile;

namespace {

constexpr const char* kChildMode = "--start-to-first-paint";

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

void UseSettingsIn(const QString& folder) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

// Calls back once the view has painted for the first time.
void OnFirstPaint(CChildView& view, std::function<void()> painted) {
    QObject::connect(&view, &CChildView::painted, &view, std::move(painted),
                     Qt::SingleShotConnection);
}

// The child process: the game's own start-up, which says "painted" once the window is up.
int StartToFirstPaintChild(int argc, char* argv[], const QString& settingsFolder) {
    QApplication application(argc, argv);
    UseSettingsIn(settingsFolder);
    CSudokuApp app;
    if (!app.InitInstance()) return 1;
    OnFirstPaint(app.MainFrame()->View(), [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

// From starting a process to its first painted window: what the player waits for, shared
// libraries, fonts and the settings file included. The first start of all writes the empty
// best results; later starts read the settings a start before them left.
void StartToFirstPaint(benchmark::State& state, bool firstStart) {
    const QString program = QCoreApplication::applicationFilePath();
    QTemporaryDir settings;
    for (auto _ : state) {
        QTemporaryDir fresh;
        const QString folder = firstStart ? fresh.path() : settings.path();
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        child.start(program, {QString::fromLatin1(kChildMode), folder});
        bool painted = false;
        while (!painted && child.waitForReadyRead(10'000))
            painted = child.readAll().contains("painted");
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        child.waitForFinished();
        if (!painted) {
            state.SkipWithError("the child process painted nothing");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

void FirstStartToFirstPaint(benchmark::State& state) {
    StartToFirstPaint(state, true);
}
void LaterStartToFirstPaint(benchmark::State& state) {
    StartToFirstPaint(state, false);
}

// The game's part of a start within a running Qt application: the solver, the window, the
// settings read and the first paint.
void InitInstanceToFirstPaint(benchmark::State& state) {
    QTemporaryDir settings;
    UseSettingsIn(settings.path());
    for (auto _ : state) {
        auto app = std::make_unique<CSudokuApp>();
        qint64 painted = -1;
        QElapsedTimer clock;
        clock.start();
        app->InitInstance();
        OnFirstPaint(app->MainFrame()->View(), [&] { painted = clock.nsecsElapsed(); });
        while (painted < 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(static_cast<double>(painted) / 1e9);
        app.reset();
        Settle();
    }
}

// A game in progress as a player leaves it: right and wrong entries, pencil marks, the digit 5
// highlighted, a hint on screen and the keyboard cursor.
void PlaySome(CSudokuApp& app) {
    Game& game = app.GetGame();
    CMainFrame& frame = *app.MainFrame();
    frame.RunCommand(cmd::New);
    Settle();
    auto click = [&](const Cell& cell, bool right) {
        const int x = cell.left + cell.width / 2;
        const int y = cell.top + cell.height / 2;
        right ? app.Controller().input.RightButtonDown(x, y)
              : app.Controller().input.LeftButtonDown(x, y);
    };
    int entered = 0;
    int pencilled = 0;
    for (const Cell& cell : game.grid) {
        if (cell.given) continue;
        if (entered < 14) {
            // Every fifth entry is wrong.
            const int32_t digit = entered % 5 == 4 ? cell.solution % 9 + 1 : cell.solution;
            frame.RunCommand(static_cast<CommandId>(cmd::Erase + digit));
            click(cell, false);
            ++entered;
        } else if (pencilled < 6) {
            for (int32_t d = 1; d <= 3 + 2 * pencilled && d <= 9; ++d) {
                game.session.currentDigit = d;
                click(cell, true);
            }
            ++pencilled;
        }
    }
    game.session.currentDigit = 5;
    if (!game.options.HighlightSelection) frame.RunCommand(cmd::HighlightSelection);
    frame.RunCommand(cmd::ShowHint);
    game.session.cursorColumn = 4;
    game.session.cursorRow = 6;
    Settle();
}

// The one started application the repaint benchmarks share; main ends it before Qt goes.
QTemporaryDir* sharedSettings = nullptr;
std::unique_ptr<CSudokuApp> sharedApp;

CSudokuApp& RunningApp() {
    if (!sharedApp) {
        sharedSettings = new QTemporaryDir;
        UseSettingsIn(sharedSettings->path());
        sharedApp = std::make_unique<CSudokuApp>();
        sharedApp->InitInstance();
        Settle();
        PlaySome(*sharedApp);
    }
    return *sharedApp;
}

// One full repaint of the view: what every move, click and clock second costs.
void Repaint(benchmark::State& state, bool paused) {
    CSudokuApp& app = RunningApp();
    CMainFrame& frame = *app.MainFrame();
    GameSession& session = app.GetGame().session;
    frame.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (paused) Pause(session, app.GetHost().Now());
    Settle();
    CChildView& view = frame.View();
    for (auto _ : state) view.repaint();
    state.counters["view_width"] = view.width();
    state.counters["view_height"] = view.height();
    if (paused) Resume(session, app.GetHost().Now());
}

void RepaintPlaying(benchmark::State& state) {
    Repaint(state, false);
}
void RepaintPaused(benchmark::State& state) {
    Repaint(state, true);
}

// A command that changes an option: the view repainted and the six options written to the
// settings file, which waits for the disk.
void ToggleHighlight(benchmark::State& state) {
    CSudokuApp& app = RunningApp();
    app.MainFrame()->resize(CMainFrame::kInitialSize);
    Settle();
    for (auto _ : state) {
        app.MainFrame()->RunCommand(cmd::HighlightSelection);
        Settle();
    }
}

} // namespace

BENCHMARK(FirstStartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(LaterStartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(InitInstanceToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(RepaintPlaying)
    ->Args({550, 570})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK(RepaintPaused)
    ->Args({550, 570})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

BENCHMARK(ToggleHighlight)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], kChildMode) == 0)
        return StartToFirstPaintChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedApp.reset();
    delete sharedSettings;
    return 0;
}
