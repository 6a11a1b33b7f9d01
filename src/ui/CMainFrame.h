#pragma once

#include "model/SymbolSet.h"
#include "play/CommandIds.h"
#include "ui/ToolbarImages.h"

#include <QMainWindow>
#include <map>

class QAction;
class QToolBar;

namespace zentile {

class CChildView;
class CSudokuStatusBar;
class GameController;

// The main window: menus, toolbar and key table built from the command table, the game view
// as its only client and the status bar. Every command goes through the command table, which
// is asked again before the command runs; the enabled and checked state of every action is
// refreshed from it after each command and input, on each clock tick and when a menu opens.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr QSize kInitialSize{550, 570};
    static constexpr QSize kMinimumSize{430, 400};

    explicit CMainFrame(GameController& controller, QWidget* parent = nullptr);

    CChildView& View() const { return *view; }
    CSudokuStatusBar& StatusBar() const { return *status; }
    QToolBar& ToolBar() const { return *toolBar; }
    // The action of a command number, or nullptr.
    QAction* Action(CommandId id) const;

    // Carries the command out if its rule allows it now, then refreshes.
    void RunCommand(CommandId id);
    void RefreshCommandStates();
    // The nine symbol buttons show the symbols of the set.
    void ShowSymbolsOnToolbar(const SymbolSet& symbols);
    // The clock timer's second: the time pane, then the commands.
    void ClockTick();
    // Shrinks the window, and its floor, so that it and its decorations lie within the screen's
    // available area, and moves it there: at a large scale factor the usual size is taller
    // than a small screen.
    void FitScreen();
    // The window's outer rectangle, shrunk to the available area where it is larger and moved
    // into it where it lies partly outside.
    static QRect FittedFrame(const QRect& frame, const QRect& available);

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    // The buttons' pictures from the images for the palette as it is now.
    void ShowToolbarImages();
    void Redraw();

    GameController& controller;
    ToolbarImages images;
    CChildView* view;
    CSudokuStatusBar* status;
    QToolBar* toolBar = nullptr;
    std::map<CommandId, QAction*> actions;
};

} // namespace zentile
