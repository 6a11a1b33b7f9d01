#pragma once

#include <QStatusBar>
#include <QStringList>

class QLabel;

namespace zentile {

struct Game;
class Host;

// The status bar: the message pane ("Ready" or the prompt of a menu item or toolbar button),
// then the level, game number and time panes. A click on the time pane asks to pause the game
// or let it continue. The message is shown whole where there is room: beside the panes, or
// over them while a prompt needs their room too; where even that is too narrow it ends in "…".
class CSudokuStatusBar : public QStatusBar {
    Q_OBJECT
public:
    enum Pane { MessagePane = 0, LevelPane = 1, GamePane = 2, TimePane = 3 };

    CSudokuStatusBar(Game& game, Host& host, QWidget* parent = nullptr);

    QLabel* PaneLabel(Pane pane) const;
    // The text the pane shows now, the message whole however much of it the pane has room for.
    QString PaneText(Pane pane) const;

    // A menu item's or button's prompt over the message pane. Without one the pane shows
    // nothing while the item is highlighted, and "Ready" once nothing is.
    void ShowPrompt(const QString& prompt, bool highlighted);

    // The level and game panes from the session, done whenever the program is idle.
    void UpdatePanes();
    // Once a second: the running or final time, or while paused "Pause" blinking with the
    // frozen time.
    void ClockTick();

signals:
    // The time pane was clicked: the game is to pause or continue.
    void timePaneClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A pane that starts with the sizing text and is wide enough for it and the others.
    QLabel* AddPane(const QString& sizingText, const QStringList& alsoFits);
    // The message in the room its pane has now, elided at the end where it is too long; a
    // screen reader gets it whole.
    void ElideMessage();

    Game& game;
    Host& host;
    QLabel* message;
    QLabel* level;
    QLabel* number;
    QLabel* time;
    QString messageText; // whole
    int panesExtent = 0; // the room the message gains while the panes are hidden
    bool blink = true;   // keeps its phase from one pause to the next
};

} // namespace zentile
