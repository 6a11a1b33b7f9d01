#include "ui/CMainFrame.h"

#include "model/Game.h"
#include "model/Host.h"
#include "play/CommandTable.h"
#include "play/GameController.h"
#include "ui/CChildView.h"
#include "ui/CSudokuStatusBar.h"
#include "ui/QtText.h"
#include "ui/UiTexts.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <vector>

namespace zentile {

CMainFrame::CMainFrame(GameController& controller, QWidget* parent)
    : QMainWindow(parent), controller(controller), images(QGuiApplication::palette()) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(ToQString(kApplicationTitle));
    resize(kInitialSize);
    FitScreen();

    view = new CChildView(controller, this);
    setCentralWidget(view);
    // Keys always reach the game view.
    setFocusProxy(view);

    CreateActions();
    CreateMenus();
    CreateToolBar();

    status = new CSudokuStatusBar(controller.game, controller.host, this);
    setStatusBar(status);

    connect(view, &CChildView::inputHandled, this, &CMainFrame::RefreshCommandStates);
    connect(status, &CSudokuStatusBar::timePaneClicked, this,
            [this] { RunCommand(cmd::PauseGame); });
    RefreshCommandStates();
}

void CMainFrame::CreateActions() {
    for (const CommandRow& row : CommandTable()) {
        QString text = Translate(row.menuText);
        // The key shown beside the item may differ from the key that runs it (F5 and Ctrl+F5);
        // it is written as the desktop writes keys in the player's language ("Strg+Z").
        if (!row.menuKeyText.empty())
            text += QLatin1Char('\t') +
                    QKeySequence(ToQString(row.menuKeyText)).toString(QKeySequence::NativeText);
        auto* action = new QAction(text, this);
        action->setObjectName(QStringLiteral("command%1").arg(row.id));
        action->setData(row.id);
        if (!row.shortcut.empty()) action->setShortcut(QKeySequence(ToQString(row.shortcut)));
        action->setStatusTip(Translate(row.prompt));
        action->setToolTip(Translate(row.tooltip));
        action->setCheckable(row.checkedRule != CheckRule::None);
        if (row.toolbarImage >= 0) action->setIconVisibleInMenu(false);
        // A key with no menu item or button must still belong to the window to work.
        if (row.menuText.Empty() && row.toolbarImage < 0) addAction(action);
        const CommandId id = row.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        actions[id] = action;
    }
}

void CMainFrame::CreateMenus() {
    std::vector<QMenu*> open;
    for (const MenuItem& item : MenuBar()) {
        switch (item.kind) {
        case MenuItemKind::BeginMenu: {
            const QString title = Translate(item.title);
            QMenu* menu = open.empty() ? menuBar()->addMenu(title) : open.back()->addMenu(title);
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshCommandStates);
            open.push_back(menu);
            break;
        }
        case MenuItemKind::EndMenu:
            if (!open.empty()) open.pop_back();
            break;
        case MenuItemKind::Separator:
            if (!open.empty()) open.back()->addSeparator();
            break;
        case MenuItemKind::Command:
            if (!open.empty() && Action(item.id) != nullptr)
                open.back()->addAction(Action(item.id));
            break;
        }
    }
}

void CMainFrame::CreateToolBar() {
    toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(true);
    toolBar->setFloatable(true);
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar->setIconSize(ToolbarImages::kImageSize);
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const CommandId id : ToolbarButtons()) {
        if (QAction* action = Action(id)) {
            toolBar->addAction(action);
            QWidget* button = toolBar->widgetForAction(action);
            // A button without a prompt says so itself: Qt sends no prompt for it.
            if (action->statusTip().isEmpty()) button->installEventFilter(this);
            // A button is named by its text, and the eraser has only its tooltip.
            if (action->text().isEmpty()) button->setAccessibleName(action->toolTip());
        } else {
            toolBar->addSeparator();
        }
    }
    addToolBar(Qt::TopToolBarArea, toolBar);
    ShowToolbarImages();
}

QAction* CMainFrame::Action(CommandId id) const {
    const auto it = actions.find(id);
    return it == actions.end() ? nullptr : it->second;
}

void CMainFrame::RunCommand(CommandId id) {
    controller.commands.Execute(id);
    RefreshCommandStates();
}

void CMainFrame::RefreshCommandStates() {
    for (const auto& [id, action] : actions) {
        const CommandState state = controller.commands.Query(id);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) action->setChecked(state.checked);
    }
    status->UpdatePanes();
    // The moments the commands may have changed are those the grid may have changed.
    view->AnnounceChanges();
}

void CMainFrame::ShowSymbolsOnToolbar(const SymbolSet& symbols) {
    for (int32_t k = 1; k <= 9; ++k) {
        QAction* action = Action(static_cast<CommandId>(cmd::Erase + k));
        const auto image = ToolbarImages::SymbolImage(symbols[k]);
        if (action == nullptr || !image) continue;
        action->setIcon(images.Icon(*image));
        // Named after what its picture shows.
        toolBar->widgetForAction(action)->setAccessibleName(
            Translate(ui_text::kSelectSymbol).arg(SymbolText(symbols, k)));
    }
}

void CMainFrame::ShowToolbarImages() {
    for (const CommandRow& row : CommandTable())
        if (QAction* action = Action(row.id); action != nullptr && row.toolbarImage >= 0)
            action->setIcon(images.Icon(row.toolbarImage));
    ShowSymbolsOnToolbar(controller.game.symbols);
}

QRect CMainFrame::FittedFrame(const QRect& frame, const QRect& available) {
    QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
    fitted.moveLeft(
        std::clamp(fitted.left(), available.left(), available.right() + 1 - fitted.width()));
    fitted.moveTop(
        std::clamp(fitted.top(), available.top(), available.bottom() + 1 - fitted.height()));
    return fitted;
}

void CMainFrame::FitScreen() {
    const QScreen* current = screen();
    if (current == nullptr || isMaximized() || isFullScreen()) return;
    const QRect available = current->availableGeometry();
    // Before the window is shown its decorations are not known and count as none.
    const QRect frame = frameGeometry();
    const QSize decorations = frame.size() - size();
    setMinimumSize(kMinimumSize.boundedTo(available.size() - decorations).expandedTo(QSize(1, 1)));
    const QRect fitted = FittedFrame(frame, available);
    resize(fitted.size() - decorations);
    // The platform places a new window; one on the screen is moved only to bring it inside.
    if (isVisible() && fitted.topLeft() != frame.topLeft()) move(fitted.topLeft());
}

void CMainFrame::ClockTick() {
    status->ClockTick();
    RefreshCommandStates();
}

void CMainFrame::Redraw() {
    update();
    view->update();
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() != QEvent::StatusTip) return QMainWindow::event(event);
    // An empty prompt comes both when a highlighted menu item has none and when the
    // highlight goes: only the second brings "Ready" back.
    const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    const bool highlighted = menu != nullptr && menu->activeAction() != nullptr;
    status->ShowPrompt(static_cast<QStatusTipEvent*>(event)->tip(), highlighted);
    return true;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) status->ShowPrompt(QString(), true);
    if (event->type() == QEvent::Leave) status->ShowPrompt(QString(), false);
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        // A desktop that turns dark or light: the toolbar's images follow.
        images = ToolbarImages(palette());
        ShowToolbarImages();
    }
    if (event->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool minimised = windowState().testFlag(Qt::WindowMinimized);
    if (!minimised || change->oldState().testFlag(Qt::WindowMinimized)) return;
    // Minimising pauses a timed game; restoring does not let it continue.
    Game& game = controller.game;
    if (game.options.TimedGame && Pause(game.session, controller.host.Now())) {
        Redraw();
        RefreshCommandStates();
    }
}

} // namespace zentile
