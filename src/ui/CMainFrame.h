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

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void Redraw();

    GameController& controller;
    ToolbarImages images;
    CChildView* view;
    CSudokuStatusBar* status;
    QToolBar* toolBar = nullptr;
    std::map<CommandId, QAction*> actions;
};

} // namespace zentile
