// The pixels of the painted game view.

#include "UiTestSupport.h"
#include "play/CommandIds.h"
#include "ui/CSudokuStatusBar.h"
#include "ui/Contrast.h"
#include "ui/GridPainter.h"
#include "ui/GridPalette.h"

#include <QLabel>
#include <QPainter>
#include <QTranslator>
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

// The frame's contrast with the cell's fill, once found two pixels wide, inset 2, 2, 1 and 2.
double CursorContrast(const QImage& image, const Cell& cell) {
    const QRect outer(cell.left + 2, cell.top + 2, cell.width - 3, cell.height - 4);
    const QPoint mid = outer.center();
    const QRgb frame = At(image, outer.left(), mid.y());
    for (int i = 0; i < 3; ++i) // across the middle of each side: two pixels of it, then none
        if ((At(image, outer.left() + i, mid.y()) == frame) != (i < 2) ||
            (At(image, outer.right() - i, mid.y()) == frame) != (i < 2) ||
            (At(image, mid.x(), outer.bottom() - i) == frame) != (i < 2))
            return 0;
    return ContrastRatio(QColor(frame), image.pixelColor(cell.left + 5, cell.top + 5));
}

// The pause text in the longer word of French.
struct FrenchPause : QTranslator {
    QString translate(const char*, const char* source, const char*, int) const override {
        return qstrcmp(source, "PAUSED") == 0 ? QStringLiteral("EN PAUSE") : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class PaintTests : public QObject {
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> isolated;
    std::unique_ptr<RunningGame> game;
    const QPalette light = QApplication::palette();

    Cell& FirstCell(bool given) {
        for (Cell& cell : game->Game().grid)
            if (cell.given == given && cell.value == 0) return cell;
        return game->At(0, 0);
    }

private slots:
    void init() {
        isolated = std::make_unique<IsolatedSettings>();
        game = std::make_unique<RunningGame>();
        QVERIFY(game->Start());
    }
    void cleanup() {
        QApplication::setPalette(light);
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
        // An empty board in the paused state: every pale pixel is the overlay's, within the grid
        // less half a cell at either side, in English and in the longer word of French.
        game->Session().state = GameState::Paused;
        QImage image;
        FrenchPause french;
        for (const bool translated : {false, true}) {
            if (translated) QCoreApplication::installTranslator(&french);
            image = game->Picture();
            const int h = image.height();
            QVERIFY(HasColour(image, QRect(0, h * 2 / 5, image.width(), h / 5), kPaused));
            QVERIFY(!HasColour(image, QRect(0, 0, image.width(), h / 4), kPaused));
            QVERIFY(!HasColour(image, QRect(0, h * 3 / 4, image.width(), h / 4), kPaused));
            const GridLayout& layout = game->Game().layout;
            const int left = layout.gridLeft + layout.cellWidth / 2;
            const int right = layout.gridLeft + 9 * layout.cellWidth - layout.cellWidth / 2;
            QVERIFY(!HasColour(image, QRect(0, 0, left, h), kPaused));
            QVERIFY(!HasColour(image, QRect(right, 0, image.width() - right, h), kPaused));
            // In English its letters are a quarter of the view high, a character cell's height.
            const auto [top, bottom] = RowsWith(image, image.rect(), kPaused);
            QVERIFY(translated || (bottom - top > h / 4 * 0.58 && bottom - top < h / 4 * 0.67));
        }
        QCoreApplication::removeTranslator(&french);
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
        QCOMPARE(game->Session().cursorRow, 0); // shown at the top left with the focus
        game->Key(Qt::Key_Right);
        game->Key(Qt::Key_Right);
        game->Key(Qt::Key_Right);
        const Cell& cell = game->At(3, 0); // the darker of the two fills
        image = game->Picture();
        QCOMPARE(At(image, cell.left + 2, cell.top + 5), kRed);
        QVERIFY(CursorContrast(image, cell) >= 3.0);
    }

    // Under a dark palette: dark cells, every kind of symbol at 4.5:1 on its fill or disc.
    void darkPaletteKeepsTheContrasts() {
        QPalette dark(QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(42, 42, 42)); // as dark themes have it, not black
        QApplication::setPalette(dark);
        game->Frame().RunCommand(cmd::New);
        zentile::Game& g = game->Game();
        g.options.HighlightSelection = true;
        g.session.currentDigit = 5;
        int made =
            0; // empty cells made an entry, a misplaced one, one in a branch, a hinted one, marks
        for (Cell& cell : g.grid)
            if (!cell.given && made < 5) {
                cell.value = made == 1 ? cell.solution % 9 + 1 : made < 4 ? cell.solution : 0;
                cell.inBranch = made == 2;
                cell.hinted = made == 3;
                cell.pencilMarks = made++ == 4 ? (1 << 2) | (1 << 5) | (1 << 9) : 0;
            }
        g.session.cursorColumn = 1;
        g.session.cursorRow = 0;
        for (const bool revealed : {false, true}) {
            g.session.revealSolutions = revealed;
            const QImage image = game->Picture();
            QVERIFY(CursorContrast(image, g.grid.At(1, 0)) >= 3.0);
            for (const Cell& cell : g.grid) {
                if (!cell.given && cell.value == 0 && cell.pencilMarks == 0 && !revealed) continue;
                QVERIFY(RelativeLuminance(image.pixelColor(cell.left + 5, cell.top + 5)) < 0.05);
                // Beside the symbol: the disc where there is one, else the fill.
                const QColor behind = image.pixelColor(cell.left + 12, cell.top + cell.height / 2);
                double strongest = 1; // that of the symbol's core
                const QRect symbol = Inside(cell).adjusted(cell.width / 4, 0, -cell.width / 4, 0);
                for (int y = symbol.top(); y <= symbol.bottom(); ++y)
                    for (int x = symbol.left(); x <= symbol.right(); ++x)
                        strongest =
                            std::max(strongest, ContrastRatio(image.pixelColor(x, y), behind));
                QVERIFY2(strongest >= 4.5, qPrintable(QString::number(strongest)));
            }
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
