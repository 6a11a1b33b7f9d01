#pragma once

#include "model/Game.h"
#include "play/GameController.h"
#include "ui/QtHost.h"

#include <memory>

namespace zentile {

class CMainFrame;
class CSudokuSolver;
class SettingsStore;
class StoreAndEditor;

// The application: the game, the solver, the settings and the main window, brought up in
// order by InitInstance. A QApplication must exist first; the message loop is the caller's.
class CSudokuApp {
public:
    CSudokuApp();
    ~CSudokuApp();
    CSudokuApp(const CSudokuApp&) = delete;
    CSudokuApp& operator=(const CSudokuApp&) = delete;

    // Start-up: the settings area, the solver, the main window with the game view's creation
    // step, then the window shown normally, and its icon once it has been painted. True once the
    // window is up; its parts
    // are compiled in, so only a failed allocation, which throws, can stop it.
    bool InitInstance();

    Game& GetGame() { return game; }
    QtHost& GetHost() { return host; }
    GameController& Controller() { return controller; }
    CMainFrame* MainFrame() const { return mainFrame.get(); }
    SettingsStore* Settings() const { return settings.get(); }
    StoreAndEditor* Store() const { return store.get(); }

private:
    // The game view's creation step: the model, the clock timer, the options, the best results.
    void CreateView();

    Game game;
    QtHost host;
    GameController controller;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<CSudokuSolver> solver;
    std::unique_ptr<StoreAndEditor> store;
    std::unique_ptr<CMainFrame> mainFrame;
};

} // namespace zentile
