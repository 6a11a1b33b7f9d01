#include "ui/GridAccessible.h"

#include "model/Game.h"
#include "ui/QtText.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QWidget>
#include <array>
#include <utility>

namespace zentile {

namespace {

// What the grid says, in the window's context.
namespace grid_text {
inline constexpr Text kGrid = ZENTILE_TEXT("Window", "Sudoku grid");
inline constexpr Text kPlace = ZENTILE_TEXT("Window", "Row %1, column %2");
inline constexpr Text kEmpty = ZENTILE_TEXT("Window", "empty");
inline constexpr Text kClue = ZENTILE_TEXT("Window", "clue");
inline constexpr Text kPencilMark = ZENTILE_TEXT("Window", "pencil mark %1");
inline constexpr Text kPencilMarks = ZENTILE_TEXT("Window", "pencil marks %1");
inline constexpr Text kMisplaced = ZENTILE_TEXT("Window", "misplaced");
inline constexpr Text kInBranch = ZENTILE_TEXT("Window", "in branch");
inline constexpr Text kHint = ZENTILE_TEXT("Window", "hint");
// The solution that Ctrl+Shift+D shows beneath an open cell.
inline constexpr Text kSolution = ZENTILE_TEXT("Window", "solution %1");
} // namespace grid_text

constexpr int32_t kSize = Grid::columnCount; // rows and columns alike
constexpr int32_t kCellCount = Grid::columnCount * Grid::rowCount;

// Cells are read row by row, as a table is.
int32_t IndexOf(int32_t column, int32_t row) {
    return row * Grid::columnCount + column;
}

class GridTable;

// One cell of the table. The table owns it through Qt's registry of interfaces.
class GridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCell(GridTable& table, int32_t column, int32_t row)
        : grid(table), column(column), row(row) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    GridTable& grid;
    const int32_t column;
    const int32_t row;
};

// The game view as a 9 x 9 table whose selection is the keyboard cursor's cell.
class GridTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    GridTable(QWidget* view, const Game& game)
        : QAccessibleWidget(view, QAccessible::Table), game(game) {}
    ~GridTable() override {
        for (const QAccessible::Id id : ids)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    QWidget* View() const { return widget(); }
    bool CursorShown() const { return game.session.CursorShown(); }
    bool IsCursor(int32_t column, int32_t row) const {
        return CursorShown() && game.session.cursorColumn == column &&
               game.session.cursorRow == row;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Translate(grid_text::kGrid);
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return kCellCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= kCellCount) return nullptr;
        QAccessible::Id& id = ids[static_cast<std::size_t>(index)];
        if (id == 0) {
            auto* cell = new GridCell(const_cast<GridTable&>(*this), index % kSize, index / kSize);
            id = QAccessible::registerAccessibleInterface(cell);
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessibleTableCellInterface* cell =
            child != nullptr ? const_cast<QAccessibleInterface*>(child)->tableCellInterface()
                             : nullptr;
        return cell != nullptr && child->parent() == this
                   ? IndexOf(cell->columnIndex(), cell->rowIndex())
                   : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point =
            widget()->mapFromGlobal(QPoint(x, y)) - widget()->contentsRect().topLeft();
        const auto position = game.layout.HitTest(point.x(), point.y());
        return position ? cellAt(position->row, position->column) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (widget()->hasFocus() && CursorShown())
            return cellAt(game.session.cursorRow, game.session.cursorColumn);
        return QAccessibleWidget::focusChild();
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return Grid::Contains(column, row) ? child(IndexOf(column, row)) : nullptr;
    }
    int selectedCellCount() const override { return CursorShown() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        if (!CursorShown()) return {};
        return {cellAt(game.session.cursorRow, game.session.cursorColumn)};
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kSize; }
    int rowCount() const override { return kSize; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Only the keyboard moves the cursor.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The 81 cells stay the same objects whatever the board.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    const Game& game;

private:
    mutable std::array<QAccessible::Id, kCellCount> ids{};
};

bool GridCell::isValid() const {
    return grid.isValid();
}

QWindow* GridCell::window() const {
    return grid.window();
}

QAccessibleInterface* GridCell::parent() const {
    return &grid;
}

QString GridCell::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? CellName(grid.game, column, row) : QString();
}

QRect GridCell::rect() const {
    const QWidget* view = grid.View();
    const Cell& cell = grid.game.grid.At(column, row);
    const QPoint topLeft = view->contentsRect().topLeft() + QPoint(cell.left, cell.top);
    return QRect(view->mapToGlobal(topLeft), QSize(cell.width, cell.height));
}

QAccessible::State GridCell::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.selected = grid.IsCursor(column, row);
    state.focused = state.selected && grid.View()->hasFocus();
    state.invisible = !grid.View()->isVisible();
    return state;
}

bool GridCell::isSelected() const {
    return grid.IsCursor(column, row);
}

// Views with an announcer read as the grid's table.
QAccessibleInterface* GridInterface(const QString&, QObject* object) {
    auto* view = qobject_cast<QWidget*>(object);
    if (view == nullptr) return nullptr;
    const auto* announcer = view->findChild<GridAnnouncer*>(QString(), Qt::FindDirectChildrenOnly);
    return announcer != nullptr ? new GridTable(view, announcer->game) : nullptr;
}

} // namespace

QString CellName(const Game& game, int32_t column, int32_t row) {
    const Cell& cell = game.grid.At(column, row);
    QStringList parts{Translate(grid_text::kPlace).arg(row + 1).arg(column + 1)};
    const int32_t shown = cell.ShownDigit();
    parts << (shown != 0 ? SymbolText(game.symbols, shown) : Translate(grid_text::kEmpty));
    if (cell.given) {
        parts << Translate(grid_text::kClue);
        return parts.join(QStringLiteral(", "));
    }
    if (game.session.revealSolutions)
        parts << Translate(grid_text::kSolution).arg(SymbolText(game.symbols, cell.solution));
    if (cell.value == 0 && !game.session.hidePencilMarks) {
        QStringList marks;
        for (int32_t d = 1; d <= 9; ++d)
            if (cell.HasPencilMark(d)) marks << SymbolText(game.symbols, d);
        if (!marks.isEmpty())
            parts << Translate(marks.size() == 1 ? grid_text::kPencilMark : grid_text::kPencilMarks)
                         .arg(marks.join(QLatin1Char(' ')));
    }
    if (cell.value != 0 && game.options.CheckGuess && cell.value != cell.solution)
        parts << Translate(grid_text::kMisplaced);
    if (cell.value != 0 && cell.inBranch) parts << Translate(grid_text::kInBranch);
    if (cell.hinted) parts << Translate(grid_text::kHint);
    return parts.join(QStringLiteral(", "));
}

GridAnnouncer::GridAnnouncer(QWidget& view, const Game& game)
    : QObject(&view), game(game), view(&view) {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(GridInterface);
        return true;
    }();
    view.installEventFilter(this);
}

int32_t GridAnnouncer::CursorIndex() const {
    const GameSession& session = game.session;
    return session.CursorShown() ? IndexOf(session.cursorColumn, session.cursorRow) : -1;
}

bool GridAnnouncer::Update() {
    if (view == nullptr) return false;
    // Without a reader nothing is compared; the first look once one listens only takes note.
    if (!QAccessible::isActive()) {
        names.clear();
        return false;
    }
    QStringList now;
    QString nowClues;
    for (int32_t row = 0; row < Grid::rowCount; ++row) {
        for (int32_t column = 0; column < Grid::columnCount; ++column) {
            now << CellName(game, column, row);
            nowClues += QLatin1Char(game.grid.At(column, row).given ? '1' : '0');
        }
    }
    const bool nowEditing = game.session.state == GameState::Editing;
    const int32_t nowCursor = CursorIndex();
    const QStringList before = std::exchange(names, now);
    const bool wasEditing = std::exchange(editing, nowEditing);
    const QString cluesBefore = std::exchange(clues, nowClues);
    const int32_t cursorBefore = std::exchange(cursor, nowCursor);
    if (before.isEmpty()) return false;

    // Typing clues in the editor is play on the same board; any other change of clues, or
    // going into or out of the editor, brings a new one.
    const bool newBoard = nowEditing != wasEditing || (!nowEditing && nowClues != cluesBefore);
    if (newBoard) {
        QAccessibleTableModelChangeEvent reset(view, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    for (int32_t i = 0; i < kCellCount; ++i) {
        if (before[i] == names[i]) continue;
        QAccessibleEvent changed(view, QAccessible::NameChanged);
        changed.setChild(i);
        QAccessible::updateAccessibility(&changed);
    }
    if (!newBoard && nowCursor == cursorBefore) return false;
    AnnounceFocus();
    return true;
}

void GridAnnouncer::AnnounceFocus() {
    if (view == nullptr || !view->hasFocus() || !QAccessible::isActive()) return;
    QAccessibleEvent focus(view, QAccessible::Focus);
    if (const int32_t index = CursorIndex(); index >= 0) focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
}

bool GridAnnouncer::eventFilter(QObject* watched, QEvent* event) {
    // Qt announces the view itself after its focus event; the cell comes after that, once,
    // also where the focus has just shown the cursor.
    if (watched == view && event->type() == QEvent::FocusIn) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!Update()) AnnounceFocus();
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zentile
