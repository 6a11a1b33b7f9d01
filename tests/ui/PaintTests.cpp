// The pixels of the painted game view.

#include "UiTestSupport.h"
#include "play/CommandIds.h"
#include "ui/CSudokuStatusBar.h"
#include "ui/Contrast.h"
#include "ui/GridPainter.h"
#include "ui/GridPalette.h"

#include <QLabel>
#include <QPainter>
#include <qdrawutil.h>

using namespace zentile;
using namespace zentile::test;

namespace {

constexpr QRgb kBackground = qRgb(236, 233, 216);
constexpr QRgb kShadow = qRgb(172, 168, 153);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kOddCell = qRgb(245, 245, 245);
constexpr QRgb kLine = qRgb(0, 0, 255);
constexpr QRgb kGiven = qRgb(0, 0, 0);
constexpr QRgb kEntry = qRgb(0, 0, 255);
constexpr QRgb kWrong = qRgb(178, 34, 34);
constexpr QRgb kPaused = qRgb(223, 223, 223);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kHint = qRgb(0, 255, 255);
constexpr QRgb kHighlight = qRgb(152, 251, 152);

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000;
}

// The cell without the grid lines that lie over its edges.
QRect Inside(const Cell& cell) {
    return CellRect(cell).adjusted(3, 3, -3, -3);
}

// The rows of the area that hold the colour, top and bottom; an empty pair when none does.
std::pair<int, int> RowsWith(const QImage& image, const QRect& area, QRgb colour) {
    int top = -1;
    int bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        if (HasColour(image, QRect(area.left(), y, area.width(), 1), colour)) {
            if (top < 0) top = y;
            bottom = y;
        }
    return {top, bottom};
}

// A dark desktop theme: light text on dark grey.
QPalette DarkPalette() {
    const QColor text(230, 230, 230);
    return QPalette(text, QColor(60, 60, 60), QColor(90, 90, 90), QColor(30, 30, 30),
                    QColor(45, 45, 45), text, Qt::white, QColor(42, 42, 42), QColor(53, 53, 53));
}

// The strongest contrast of any pixel of the area against the colour: that of a symbol's core.
double StrongestContrast(const QImage& image, const QRect& area, const QColor& against) {
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, ContrastRatio(image.pixelColor(x, y), against));
    return strongest;
}

enum class Kind { Even, Odd, Given, Highlighted, Hinted, Misplaced, InBranch, Pencil, Revealed };

} // namespace

class PaintTests : public QObject {
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> isolated;
    std::unique_ptr<RunningGame> game;
    QPalette lightPalette;

    Cell& FirstCell(bool given) {
        for (Cell& cell : game->Game().grid)
            if (cell.given == given && cell.value == 0) return cell;
        return game->At(0, 0);
    }

    // A cell of a new game made to show the kind, straight through the model.
    Cell& Make(Kind kind) {
        zentile::Game& g = game->Game();
        for (Cell& cell : g.grid) {
            if (cell.given != (kind == Kind::Given || kind == Kind::Highlighted) ||
                cell.value != 0 || cell.hinted || cell.inBranch || cell.pencilMarks != 0 ||
                (kind == Kind::Odd) != ((cell.column + cell.row) % 2 == 1))
                continue;
            if (kind == Kind::Highlighted) {
                g.options.HighlightSelection = true;
                g.session.currentDigit = cell.solution;
            }
            if (kind == Kind::Hinted) cell.hinted = true;
            if (kind == Kind::Misplaced) cell.value = cell.solution % 9 + 1;
            if (kind == Kind::InBranch) {
                cell.value = cell.solution;
                cell.inBranch = true;
            }
            if (kind == Kind::Pencil) cell.pencilMarks = 0x3FE;
            if (kind == Kind::Revealed) g.session.revealSolutions = true;
            return cell;
        }
        return g.grid.At(0, 0);
    }

private slots:
    void initTestCase() { lightPalette = QApplication::palette(); }
    void init() {
        isolated = std::make_unique<IsolatedSettings>();
        game = std::make_unique<RunningGame>();
        QVERIFY(game->Start());
    }
    void cleanup() {
        QApplication::setPalette(lightPalette);
        game.reset();
        isolated.reset();
    }

    void layoutFollowsTheClientArea() {
        const QImage image = game->Picture();
        const GridLayout& layout = game->Game().layout;
        QCOMPARE(layout.cellWidth, (image.width() - 36) / 9);
        QCOMPARE(layout.cellHeight, (image.height() - 36) / 9);
        QCOMPARE(layout.gridLeft, 18);
        QCOMPARE(layout.gridTop, 18);
        const Cell& cell = game->At(4, 7);
        QCOMPARE(cell.left, 18 + 4 * layout.cellWidth);
        QCOMPARE(cell.top, 18 + 7 * layout.cellHeight);
        QCOMPARE(cell.width, layout.cellWidth);

        // Wider than high: cells stretch, they are not kept square.
        game->Frame().resize(1000, 600);
        const QImage wide = game->Picture();
        QCOMPARE(layout.cellWidth, (wide.width() - 36) / 9);
        QVERIFY(layout.cellWidth > layout.cellHeight + 20);
    }

    void backgroundBandCellsAndLines() {
        const QImage image = game->Picture();
        const GridLayout& layout = game->Game().layout;
        const int w = 9 * layout.cellWidth + 26;
        const int h = 9 * layout.cellHeight + 26;

        QCOMPARE(At(image, 2, 2), kBackground);
        QCOMPARE(At(image, image.width() - 1, image.height() - 1), kBackground);
        QCOMPARE(At(image, 14, 100), kBackground); // the gap between band and grid
        // The band: shadow on the left and top, light on the right and bottom.
        QCOMPARE(At(image, 7, 100), kShadow);
        QCOMPARE(At(image, 100, 7), kShadow);
        QCOMPARE(At(image, w + 3, 100), kWhite);
        QCOMPARE(At(image, 100, h + 3), kWhite);

        // Cells alternate, white where column + row is even.
        const Cell& even = game->At(0, 0);
        const Cell& odd = game->At(1, 0);
        QCOMPARE(At(image, even.left + even.width / 2, even.top + even.height / 2), kWhite);
        QCOMPARE(At(image, odd.left + odd.width / 2, odd.top + odd.height / 2), kOddCell);
        QCOMPARE(At(image, even.left + 5, even.top + even.height / 2), kWhite);

        // A box line is 4 pixels wide, centred on its position; a cell line is one pixel.
        const int y = even.top + even.height / 2;
        for (int x = 16; x <= 19; ++x) QCOMPARE(At(image, x, y), kLine);
        QCOMPARE(At(image, 15, y), kBackground);
        const int cellLine = 18 + layout.cellWidth;
        QCOMPARE(At(image, cellLine, y), kLine);
        QCOMPARE(At(image, cellLine - 1, y), kWhite);
        QCOMPARE(At(image, cellLine + 1, y), kOddCell);
        const int boxLine = 18 + 3 * layout.cellWidth;
        for (int x = boxLine - 2; x <= boxLine + 1; ++x) QCOMPARE(At(image, x, y), kLine);
        const int x = even.left + even.width / 2;
        const int rowLine = 18 + 3 * layout.cellHeight;
        for (int yy = rowLine - 2; yy <= rowLine + 1; ++yy) QCOMPARE(At(image, x, yy), kLine);
        QCOMPARE(At(image, x, 18 + layout.cellHeight), kLine);
        QCOMPARE(At(image, x, 18 + layout.cellHeight + 1), kOddCell);
    }

    void symbolsTakeTheColourOfWhatTheyAre() {
        game->Frame().RunCommand(cmd::New);
        Cell& given = FirstCell(true);
        Cell& right = FirstCell(false);
        game->PressButton(static_cast<CommandId>(cmd::Erase + right.solution));
        game->Click(right.column, right.row);
        Cell& wrong = FirstCell(false);
        game->PressButton(static_cast<CommandId>(cmd::Erase + wrong.solution % 9 + 1));
        game->Click(wrong.column, wrong.row);
        QVERIFY(wrong.value != wrong.solution && wrong.value != 0);

        QImage image = game->Picture();
        QVERIFY(HasColour(image, Inside(given), kGiven));
        QVERIFY(HasColour(image, Inside(right), kEntry));
        QVERIFY(!HasColour(image, Inside(right), kWrong));
        QVERIFY(HasColour(image, Inside(wrong), kWrong));
        QVERIFY(!HasColour(image, Inside(wrong), kEntry));

        // Show Misplaced off: the wrong entry looks like any other.
        game->Key(Qt::Key_F5, Qt::ControlModifier);
        image = game->Picture();
        QVERIFY(HasColour(image, Inside(wrong), kEntry));
        QVERIFY(!HasColour(image, Inside(wrong), kWrong));

        // An entry made in a branch is marked whatever Show Misplaced says.
        game->Frame().RunCommand(cmd::StartBranch);
        Cell& branch = FirstCell(false);
        game->PressButton(static_cast<CommandId>(cmd::Erase + branch.solution));
        game->Click(branch.column, branch.row);
        QVERIFY(HasColour(game->Picture(), Inside(branch), kWrong));
    }

    void highlightAndHintDiscs() {
        game->Frame().RunCommand(cmd::New);
        Cell& given = FirstCell(true);
        game->PressButton(static_cast<CommandId>(cmd::Erase + given.solution));
        const QPoint discPoint(given.left + 12, given.top + given.height / 2);
        QCOMPARE(At(game->Picture(), discPoint.x(), discPoint.y()),
                 (given.column + given.row) % 2 == 0 ? kWhite : kOddCell);

        game->Key(Qt::Key_F6);
        QImage image = game->Picture();
        QCOMPARE(At(image, discPoint.x(), discPoint.y()), kHighlight);
        // The disc keeps 10 pixels from the cell's edges.
        QCOMPARE(At(image, given.left + 8, given.top + given.height / 2),
                 (given.column + given.row) % 2 == 0 ? kWhite : kOddCell);
        for (const Cell& cell : game->Game().grid)
            if (cell.ShownDigit() != given.solution)
                QVERIFY(!HasColour(image, Inside(cell), kHighlight));

        // The eraser selected: no disc anywhere.
        game->PressButton(cmd::Erase);
        QVERIFY(!HasColour(game->Picture(), QRect(QPoint(0, 0), image.size()), kHighlight));

        game->Key(Qt::Key_F3);
        for (const Cell& cell : game->Game().grid)
            if (cell.hinted)
                QCOMPARE(At(game->Picture(), cell.left + 12, cell.top + cell.height / 2), kHint);
    }

    void pencilMarksStartAtTheTopAndAreNotDrawnUnderAnEntry() {
        game->Frame().RunCommand(cmd::New);
        Cell& cell = FirstCell(false);
        game->PressButton(cmd::Digit1 + 4);
        game->Click(cell.column, cell.row, Qt::RightButton);
        QImage image = game->Picture();
        const auto [top, bottom] = RowsWith(image, Inside(cell), kEntry);
        QVERIFY(top >= 0);
        QVERIFY(top < cell.top + cell.height / 4);
        QVERIFY(bottom < cell.top + cell.height / 2);

        // All nine wrap onto several lines from the top.
        for (int d : {1, 2, 3, 4, 6, 7, 8, 9}) {
            game->PressButton(static_cast<CommandId>(cmd::Erase + d));
            game->Click(cell.column, cell.row, Qt::RightButton);
        }
        image = game->Picture();
        const auto [top9, bottom9] = RowsWith(image, Inside(cell), kEntry);
        QVERIFY(top9 < cell.top + cell.height / 4);
        QVERIFY(bottom9 > cell.top + cell.height / 2);

        // Hidden marks, and marks under an entry, are not drawn.
        game->Key(Qt::Key_F8, Qt::ControlModifier);
        QVERIFY(!HasColour(game->Picture(), Inside(cell), kEntry));
        game->Key(Qt::Key_F8, Qt::ControlModifier);
        game->PressButton(static_cast<CommandId>(cmd::Erase + cell.solution));
        game->Click(cell.column, cell.row);
        image = game->Picture();
        const auto [topEntry, bottomEntry] = RowsWith(image, Inside(cell), kEntry);
        QVERIFY(topEntry > cell.top + cell.height / 5); // one centred symbol, no marks above it
    }

    void pausedColoursAndTheOverlay() {
        // An empty board in the paused state: every pale pixel is the overlay's.
        game->Session().state = GameState::Paused;
        QImage image = game->Picture();
        const int h = image.height();
        QVERIFY(HasColour(image, QRect(0, h * 2 / 5, image.width(), h / 5), kPaused));
        QVERIFY(!HasColour(image, QRect(0, 0, image.width(), h / 4), kPaused));
        QVERIFY(!HasColour(image, QRect(0, h * 3 / 4, image.width(), h / 4), kPaused));
        // Its letters are a quarter of the view high, the height of a character cell.
        const auto [top, bottom] = RowsWith(image, image.rect(), kPaused);
        QVERIFY(bottom - top > h / 4 * 0.58 && bottom - top < h / 4 * 0.67);
        game->Session().state = GameState::NoGame;

        game->Frame().RunCommand(cmd::New);
        Cell& given = FirstCell(true);
        Cell& entry = FirstCell(false);
        game->PressButton(static_cast<CommandId>(cmd::Erase + entry.solution));
        game->Click(entry.column, entry.row);
        Cell& pencil = FirstCell(false);
        game->Click(pencil.column, pencil.row, Qt::RightButton);
        game->Key(Qt::Key_F6);

        QTest::mouseClick(game->Frame().StatusBar().PaneLabel(CSudokuStatusBar::TimePane),
                          Qt::LeftButton);
        QCOMPARE(game->Session().state, GameState::Paused);
        image = game->Picture();
        QVERIFY(HasColour(image, Inside(given), kPaused));
        QVERIFY(!HasColour(image, Inside(given), kGiven));
        QVERIFY(HasColour(image, Inside(entry), kPaused));
        QVERIFY(!HasColour(image, Inside(entry), kEntry));
        QVERIFY(HasColour(image, Inside(pencil), kEntry)); // pencil marks stay blue
        QCOMPARE(At(image, entry.left + 12, entry.top + entry.height / 2), kHighlight);
    }

    void cursorFrameAndRevealedSolutions() {
        // Before any game the reveal switch shows a red "?" in every cell.
        game->Key(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
        QImage image = game->Picture();
        for (const Cell& cell : game->Game().grid) QVERIFY(HasColour(image, Inside(cell), kRed));
        game->Key(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);

        game->Frame().RunCommand(cmd::New);
        game->Key(Qt::Key_Down);
        game->Key(Qt::Key_Right);
        game->Key(Qt::Key_Right);
        QCOMPARE(game->Session().cursorColumn, 2);
        QCOMPARE(At(game->Picture(), game->At(2, 0).left + 2, game->At(2, 0).top + 5), kRed);
    }

    // The cursor's frame is two pixels wide, inside the rectangle inset 2 on the left and top, 1
    // on the right and 2 at the bottom, and stands out at 3:1 from any cell it can be on.
    void cursorFrameIsTwoPixelsAndStandsOut_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<Kind>("kind");
        for (const bool dark : {false, true})
            for (const Kind kind : {Kind::Even, Kind::Odd, Kind::Given, Kind::Highlighted,
                                    Kind::Hinted, Kind::Misplaced, Kind::InBranch})
                QTest::addRow("%s %d", dark ? "dark" : "light", int(kind)) << dark << kind;
    }
    void cursorFrameIsTwoPixelsAndStandsOut() {
        QFETCH(bool, dark);
        QFETCH(Kind, kind);
        if (dark) QApplication::setPalette(DarkPalette());
        game->Frame().RunCommand(cmd::New);
        const Cell& cell = Make(kind);
        game->Session().cursorColumn = cell.column;
        game->Session().cursorRow = cell.row;
        const QImage image = game->Picture();
        const int l = cell.left;
        const int t = cell.top;
        const int r = cell.left + cell.width - 1;
        const int b = cell.top + cell.height - 1;
        const int midX = l + cell.width / 2;
        const int midY = t + cell.height / 2;
        const QRgb frame = At(image, l + 2, midY);
        if (!dark) QCOMPARE(frame, kRed);
        for (const QPoint on :
             {QPoint(l + 3, midY), QPoint(r - 1, midY), QPoint(r - 2, midY), QPoint(midX, t + 2),
              QPoint(midX, t + 3), QPoint(midX, b - 2), QPoint(midX, b - 3)})
            QCOMPARE(At(image, on.x(), on.y()), frame);
        for (const QPoint off : {QPoint(l + 4, midY), QPoint(r - 3, midY), QPoint(midX, t + 4),
                                 QPoint(midX, b - 4), QPoint(midX, b - 1)})
            QVERIFY(At(image, off.x(), off.y()) != frame);
        const QColor behind = image.pixelColor(l + 5, t + 5);
        QVERIFY2(ContrastRatio(QColor(frame), behind) >= 3.0,
                 qPrintable(QString::number(ContrastRatio(QColor(frame), behind))));
    }

    // Under a dark desktop palette the cells are dark and every kind of symbol keeps 4.5:1
    // against what it stands on; the light look is pinned by the tests above.
    void darkPaletteKeepsTheSymbolsReadable() {
        QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
        QVERIFY(qAbs(ContrastRatio(QColor(kRed), QColor(kOddCell)) - 3.67) < 0.01);

        QApplication::setPalette(DarkPalette());
        game->Frame().RunCommand(cmd::New);
        const QImage empty = game->Picture();
        QCOMPARE(empty.pixelColor(2, 2), DarkPalette().color(QPalette::Window));
        for (const Cell& cell : game->Game().grid)
            QVERIFY(RelativeLuminance(empty.pixelColor(cell.left + 5, cell.top + 5)) < 0.05);

        for (const Kind kind : {Kind::Given, Kind::Highlighted, Kind::Hinted, Kind::Misplaced,
                                Kind::InBranch, Kind::Pencil, Kind::Revealed}) {
            Cell& cell = Make(kind);
            if (kind == Kind::Hinted) cell.value = cell.solution;
            const QImage image = game->Picture();
            // What the symbol stands on: the disc in the middle, else the cell's fill.
            const bool disc = kind == Kind::Highlighted || kind == Kind::Hinted;
            const QColor behind = disc
                                      ? image.pixelColor(cell.left + 12, cell.top + cell.height / 2)
                                      : image.pixelColor(cell.left + 5, cell.top + 5);
            const QRect symbol = Inside(cell).adjusted(cell.width / 4, 0, -cell.width / 4, 0);
            const double contrast = StrongestContrast(image, symbol, behind);
            QVERIFY2(contrast >= 4.5,
                     qPrintable(QStringLiteral("kind %1: %2").arg(int(kind)).arg(contrast)));
            game->Session().revealSolutions = false;
        }
    }

    void symbolSizeFollowsTheCellHeight() {
        game->Frame().resize(1000, 1100);
        game->Frame().RunCommand(cmd::New);
        const Cell& given = FirstCell(true);
        const QImage image = game->Picture();
        const auto [top, bottom] = RowsWith(image, Inside(given), kGiven);
        // A digit is about 0.63 of the character cell, which is the cell height / 1.5.
        const double symbolCell = given.height * 2 / 3;
        const double digit = bottom - top + 1;
        QVERIFY2(digit > 0.58 * symbolCell && digit < 0.66 * symbolCell,
                 qPrintable(QStringLiteral("%1 of %2").arg(digit).arg(symbolCell)));
        // Centred vertically in the cell.
        const int middle = (top + bottom) / 2;
        QVERIFY(qAbs(middle - (given.top + given.height / 2)) <= given.height / 10);
    }

    // The background is filled only around the cells, which fill the rest: nothing may be left
    // unpainted, at any size, down to a view too small for a cell.
    void everyPixelIsPaintedAtAnySize() {
        game->Frame().RunCommand(cmd::New);
        constexpr QRgb kUnpainted = qRgb(255, 0, 255);
        for (const QSize size : {QSize(546, 495), QSize(1916, 1005), QSize(1000, 37),
                                 QSize(37, 600), QSize(44, 45), QSize(36, 36), QSize(20, 10)}) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(kUnpainted);
            QPainter painter(&image);
            PaintGrid(painter, size, game->Game());
            painter.end();
            QVERIFY2(!HasColour(image, image.rect(), kUnpainted),
                     qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        }
    }

    // The lines are filled as rectangles; they must cover exactly what the palette's two pens,
    // the 4-pixel round-capped box pen and the 1-pixel cell pen, cover when stroked.
    void gridLinesCoverExactlyThePensPixels() {
        const GridPalette& palette = ThePalette();
        for (const int cellWidth : {1, 2, 3, 5, 8, 13, 40, 57, 209})
            for (const int cellHeight : {1, 4, 6, 21, 52, 108}) {
                const GridLayout layout{cellWidth, cellHeight, 18, 18};
                const QSize size(9 * cellWidth + 40, 9 * cellHeight + 40);
                QImage stroked(size, QImage::Format_RGB32);
                stroked.fill(Qt::white);
                QImage filled = stroked.copy();
                {
                    QPainter painter(&stroked);
                    for (int i = 0; i <= 9; ++i) {
                        painter.setPen(i % 3 == 0 ? palette.boxPen : palette.cellPen);
                        const int x = 18 + i * cellWidth;
                        painter.drawLine(x, 18, x, 18 + 9 * cellHeight);
                    }
                    for (int i = 0; i <= 9; ++i) {
                        painter.setPen(i % 3 == 0 ? palette.boxPen : palette.cellPen);
                        const int y = 18 + i * cellHeight;
                        painter.drawLine(18, y, 18 + 9 * cellWidth, y);
                    }
                }
                {
                    QPainter painter(&filled);
                    DrawGridLines(painter, layout);
                }
                QVERIFY2(
                    stroked == filled,
                    qPrintable(QStringLiteral("cells %1 x %2").arg(cellWidth).arg(cellHeight)));
            }
    }

    // The view's sunken edge is drawn by the view itself; it must look as the panel frame does.
    void theEdgeIsASunkenPanel() {
        CChildView& view = game->View();
        const QImage painted = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage panel(painted.size(), QImage::Format_RGB32);
        panel.fill(Qt::black);
        {
            QPainter painter(&panel);
            qDrawShadePanel(&painter, panel.rect(), view.palette(), true, view.frameWidth());
        }
        const QRect inside = view.contentsRect();
        QCOMPARE(view.frameWidth(), 2);
        for (int y = 0; y < panel.height(); ++y)
            for (int x = 0; x < panel.width(); ++x)
                if (!inside.contains(x, y))
                    QVERIFY2(painted.pixel(x, y) == panel.pixel(x, y),
                             qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }
};

QTEST_MAIN(PaintTests)
#include "PaintTests.moc"
