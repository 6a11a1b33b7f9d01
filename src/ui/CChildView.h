#pragma once

#include "ui/KeyMapping.h"

#include <QFrame>
#include <QHash>

namespace zentile {

class GameController;
class GridAnnouncer;

// The game view: paints the whole grid from the game on every paint and passes mouse presses
// and key releases to the game's input rules. It holds no game data of its own.
class CChildView : public QFrame {
    Q_OBJECT
public:
    explicit CChildView(GameController& controller, QWidget* parent = nullptr);

    // Screen readers hear what changed in the grid since the last call (GridAccessible.h).
    void AnnounceChanges();

signals:
    // Input or a posted message has been handled; the window refreshes its commands.
    void inputHandled();
    // A paint has been done; start-up waits for the first one before it reads the icon.
    void painted();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double click counts for nothing.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // The keyboard cursor shows as soon as the keys come here.
    void focusInEvent(QFocusEvent* event) override;
    // Tab and Backtab are keys of the view like any other, not focus moves.
    bool focusNextPrevChild(bool) override { return false; }

private:
    QPoint ClientPoint(const QPointF& widgetPoint) const;

    GameController& controller;
    GridAnnouncer* announcer;
    // Whether key events carry the keys' places, read once: the platform does not change.
    const ScanCodes scanCodes;
    // The modifiers held when each key went down: Ctrl is often let go before the key.
    QHash<int, Qt::KeyboardModifiers> pressedWith;
};

} // namespace zentile
