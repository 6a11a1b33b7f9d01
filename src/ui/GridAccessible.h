#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <cstdint>

class QWidget;

namespace zentile {

struct Game;

// What a screen reader says for the cell at (column, row), in the player's language, in this
// order: its place; its symbol or "empty"; "clue" for a given; its pencil marks where the grid
// draws them; "misplaced", "in branch" and "hint" where the grid marks the cell so.
QString CellName(const Game& game, int32_t column, int32_t row);

// The game view's side of accessibility. Its view reads as a 9 x 9 table of cells (through a
// factory installed once), and Update tells screen readers what changed since the last call:
// the names of the cells that changed, the focus on the cursor's cell when it moved, and a
// new board. The game's rules know nothing of this; the names before and after are compared.
class GridAnnouncer : public QObject {
    Q_OBJECT
public:
    GridAnnouncer(QWidget& view, const Game& game);

    // After every input, command and timer that may have changed the grid. Returns whether
    // the cursor's cell was given the focus.
    bool Update();

    const Game& game;

protected:
    // The cursor's cell takes the focus whenever the view gets it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AnnounceFocus();
    int32_t CursorIndex() const;

    QPointer<QWidget> view;
    QStringList names; // row by row; empty until the first Update while a reader listens
    QString clues;     // which cells are clues, to tell a new board from play
    bool editing = false;
    int32_t cursor = -1;
};

} // namespace zentile
