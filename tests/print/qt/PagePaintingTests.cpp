#include "PageReader.h"
#include "model/PuzzleDatabase.h"
#include "print/PagePainters.h"
#include "print/PrintJob.h"

#include <QGuiApplication>
#include <QPainter>
#include <QtTest>
#include <vector>

namespace zentile {

using test::BlankPage;
using test::InkBounds;
using test::InkIn;
using test::MarksIn;

namespace {

// A page of 8 by 11 inches at 300 dots per inch.
constexpr int kWidth = 2400;
constexpr int kHeight = 3300;
constexpr PageMetrics kMetrics{kWidth, kHeight};
constexpr int kWrappedTopCentre = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

PrintEntry EntryOf(int32_t level, int32_t number, bool classic = true) {
    PrintEntry entry{level, number, {}, kClassicSymbols};
    LookupPuzzle(level, static_cast<uint32_t>(number), classic, entry.values, entry.symbols);
    return entry;
}

std::vector<PrintEntry> EntriesOf(int count) {
    std::vector<PrintEntry> entries;
    for (int i = 0; i < count; ++i) entries.push_back(EntryOf(i % 5, 1000 + 37 * i));
    return entries;
}

enum class PageKind { Puzzles, Solutions };

// Paints one page of the entries and says how many it took.
QImage Paint(PageKind kind, const std::vector<PrintEntry>& entries, std::size_t* taken) {
    QImage page = BlankPage(kWidth, kHeight);
    QPainter painter(&page);
    PrintCursor cursor(entries);
    if (kind == PageKind::Puzzles)
        DrawPuzzlePage(painter, kMetrics, cursor);
    else
        DrawSolutionPage(painter, kMetrics, cursor);
    *taken = cursor.Position();
    return page;
}

// The ten lines each way: 4 pixels thick at 0, 3, 6 and 9, one pixel between, all spanning
// the grid and nothing of them outside it.
void CheckGridLines(const QImage& page, int left, int top, int cell, const PrintEntry&, int) {
    const int side = 9 * cell;
    for (int i = 0; i <= 9; ++i) {
        const bool thick = i % 3 == 0;
        const int x = left + i * cell;
        const int y = top + i * cell;
        for (const int along : {cell / 2, 4 * cell + cell / 2, side - cell / 2}) {
            const int across = test::BlueRunAt(page, x, top + along, true);
            const int down = test::BlueRunAt(page, left + along, y, false);
            if (thick) {
                QVERIFY2(across >= 3 && across <= 5, qPrintable(QString("vertical %1").arg(i)));
                QVERIFY2(down >= 3 && down <= 5, qPrintable(QString("horizontal %1").arg(i)));
            } else {
                QVERIFY2(across >= 1 && across <= 2, qPrintable(QString("vertical %1").arg(i)));
                QVERIFY2(down >= 1 && down <= 2, qPrintable(QString("horizontal %1").arg(i)));
            }
        }
    }
    QCOMPARE(MarksIn(page, QRect(left - 12, top - 12, side + 24, 8)), 0);
    QCOMPARE(MarksIn(page, QRect(left - 12, top - 12, 8, side + 24)), 0);
    QCOMPARE(MarksIn(page, QRect(left + side + 4, top - 12, 8, side + 24)), 0);
}

// Every cell shows the entry's symbol for values[first + k], or nothing for a 0.
void CheckSymbols(const QImage& page, int left, int top, int cell, const PrintEntry& entry,
                  int first) {
    const std::span<const char> candidates(entry.symbols.data() + 1, 9);
    const int fontHeight = static_cast<int>(cell / 1.5);
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            const int v = entry.values[static_cast<std::size_t>(first + 9 * column + row)];
            const char expected = v == 0 ? ' ' : entry.symbols[static_cast<std::size_t>(v)];
            const QRect square(left + column * cell, top + row * cell, cell, cell);
            const char seen = test::ReadCell(page, square, fontHeight, candidates);
            QVERIFY2(seen == expected, qPrintable(QString("cell (%1, %2): '%3' instead of '%4'")
                                                      .arg(column)
                                                      .arg(row)
                                                      .arg(QLatin1Char(seen))
                                                      .arg(QLatin1Char(expected))));
        }
    }
}

// The caption stands at the top of a band 20 pixels below the grid and as wide as it; nothing
// lies between the grid's bottom line and the band. The band is 130 pixels high, but on a
// solution page the next row of grids starts 90 pixels below its top, so only that much of it
// is read.
void CheckCaption(const QImage& page, int left, int top, int cell, const PrintEntry& entry, int) {
    const QRect band(left, top + 9 * cell + 20, 9 * cell, 85);
    // The level's name, two blanks, "#" and the number, as in "Medium  #4711".
    const QString caption = QStringLiteral("%1  #%2")
                                .arg(LevelNames[std::size_t(entry.level)].english)
                                .arg(entry.gameNumber);
    QVERIFY(test::Reads(page, band, test::ArialOf(43), kWrappedTopCentre, caption));
    QVERIFY(!test::Reads(page, band, test::ArialOf(43), kWrappedTopCentre, caption + "0"));
    QCOMPARE(InkIn(page, QRect(left, top + 9 * cell + 3, 9 * cell, 17)), 0);
    const QRect ink = InkBounds(page, band);
    QVERIFY(qAbs(ink.center().x() - (left + 9 * cell / 2)) <= 3);
}

// The heading's band runs from 150 to 390, but the grids start at 350 (puzzles) or 300
// (solutions): the text is read above them.
void CheckHeadingAndFooter(const QImage& page, const QString& heading) {
    const QRect band(0, 150, kWidth, 145);
    QCOMPARE(MarksIn(page, QRect(0, 0, kWidth, 150)), 0);
    QVERIFY(test::Reads(page, band, test::ArialOf(80), kWrappedTopCentre, heading));
    const QRect ink = InkBounds(page, band);
    QVERIFY(qAbs(ink.center().x() - kWidth / 2) <= 3);
    QVERIFY(ink.top() >= 150 && ink.top() < 180); // standing at the top of the band
    QVERIFY(ink.height() > 50 && ink.height() <= 80);

    // Footer: the credit at the left and the address at the right, each kept off the edge
    // by its blanks, in the band of the last 130 pixels.
    const QRect footer(0, kHeight - 130, kWidth, 130);
    const QRect left = InkBounds(page, footer.adjusted(0, 0, -kWidth / 2, 0));
    const QRect right = InkBounds(page, footer.adjusted(kWidth / 2, 0, 0, 0));
    QVERIFY(left.left() > 40 && left.left() < 150);
    QVERIFY(right.right() < kWidth - 60 && right.right() > kWidth - 200);
    QVERIFY(left.top() < kHeight - 100);
    const int footerFlags = Qt::AlignTop | Qt::TextWordWrap;
    QImage both = test::TextAlone(footer.size(), test::ArialOf(43, true),
                                  Qt::AlignLeft | footerFlags, "      Printed by Zentile");
    {
        QPainter painter(&both);
        painter.setFont(test::ArialOf(43, true));
        painter.drawText(QRect(QPoint(0, 0), footer.size()), Qt::AlignRight | footerFlags,
                         "www.zentile.example        ");
    }
    QVERIFY(test::InkDifference(page, footer, both) * 50 <= InkIn(both, both.rect()));
}

// The helpers' failures end the test that called them.
#define CheckGrid(...)                                                                             \
    do {                                                                                           \
        CheckGridLines(__VA_ARGS__);                                                               \
        if (QTest::currentTestFailed()) return;                                                    \
        CheckSymbols(__VA_ARGS__);                                                                 \
        if (QTest::currentTestFailed()) return;                                                    \
        CheckCaption(__VA_ARGS__);                                                                 \
        if (QTest::currentTestFailed()) return;                                                    \
    } while (false)
#define CheckPage(page, heading)                                                                   \
    do {                                                                                           \
        CheckHeadingAndFooter(page, heading);                                                      \
        if (QTest::currentTestFailed()) return;                                                    \
    } while (false)

} // namespace

class PagePaintingTests : public QObject {
    Q_OBJECT

private slots:
    void puzzlePageWithTwoPuzzles() {
        const std::vector<PrintEntry> entries = {EntryOf(2, 4711), EntryOf(0, 12)};
        std::size_t taken = 0;
        const QImage page = Paint(PageKind::Puzzles, entries, &taken);
        QCOMPARE(taken, 2u);
        CheckPage(page, "Sudoku Puzzle");
        for (int slot = 0; slot < 2; ++slot) {
            const int top = slot == 0 ? 350 : 1600;
            CheckGrid(page, 600, top, 120, entries[static_cast<std::size_t>(slot)], 0);
        }
        QVERIFY(test::Reads(page, QRect(600, 2700, 1080, 130), test::ArialOf(43), kWrappedTopCentre,
                            "Very Easy  #12"));
        // The grids span from 600 pixels left of the centre to 480 right of it.
        QCOMPARE(MarksIn(page, QRect(0, 340, 590, 2500)), 0);
        QCOMPARE(MarksIn(page, QRect(1690, 340, kWidth - 1690, 2500)), 0);
        QCOMPARE(MarksIn(page, QRect(0, 2840, kWidth, kHeight - 130 - 2840)), 0);
    }

    void puzzlePageWithOnePuzzleLeavesTheLowerHalfBlank() {
        const std::vector<PrintEntry> entries = {EntryOf(4, 999999)};
        std::size_t taken = 0;
        const QImage page = Paint(PageKind::Puzzles, entries, &taken);
        QCOMPARE(taken, 1u);
        CheckPage(page, "Sudoku Puzzle");
        CheckGrid(page, 600, 350, 120, entries[0], 0);
        QCOMPARE(MarksIn(page, QRect(0, 1590, kWidth, kHeight - 130 - 1590)), 0);
    }

    void solutionPageWithTwelveGrids() {
        const std::vector<PrintEntry> entries = EntriesOf(13);
        std::size_t taken = 0;
        const QImage page = Paint(PageKind::Solutions, entries, &taken);
        QCOMPARE(taken, 12u); // the thirteenth waits for the next page
        CheckPage(page, "Sudoku Solution");
        for (int slot = 0; slot < 12; ++slot) {
            const int x = 150 + 730 * (slot % 3);
            const int y = 300 + 650 * (slot / 3);
            const PrintEntry& entry = entries[static_cast<std::size_t>(slot)];
            CheckGrid(page, x, y, 60, entry, 81);
        }
        QCOMPARE(MarksIn(page, QRect(0, 2950, kWidth, kHeight - 130 - 2950)), 0);
    }

    void solutionPageWithFiveGrids() {
        const std::vector<PrintEntry> entries = EntriesOf(5);
        std::size_t taken = 0;
        const QImage page = Paint(PageKind::Solutions, entries, &taken);
        QCOMPARE(taken, 5u);
        CheckPage(page, "Sudoku Solution");
        for (int slot = 0; slot < 5; ++slot) {
            const int x = 150 + 730 * (slot % 3);
            const int y = 300 + 650 * (slot / 3);
            CheckGrid(page, x, y, 60, entries[static_cast<std::size_t>(slot)], 81);
        }
        // The third place of the second row and the rows below stay blank.
        QCOMPARE(MarksIn(page, QRect(1600, 940, 700, 700)), 0);
        QCOMPARE(MarksIn(page, QRect(0, 1590, kWidth, kHeight - 130 - 1590)), 0);
    }

    void letterPuzzlePrintsItsOwnWordsLetters() {
        // Game 1000000 of the letter game spells LIFEBOATS across the solved top row.
        const std::vector<PrintEntry> entries = {EntryOf(0, 1000000, false), EntryOf(3, 7, false)};
        std::size_t taken = 0;
        const QImage puzzles = Paint(PageKind::Puzzles, entries, &taken);
        CheckGrid(puzzles, 600, 350, 120, entries[0], 0);
        CheckGrid(puzzles, 600, 1600, 120, entries[1], 0);

        const QImage solutions = Paint(PageKind::Solutions, entries, &taken);
        const char* const words[] = {"LIFEBOATS", "INTRODUCE"};
        for (int slot = 0; slot < 2; ++slot) {
            const PrintEntry& entry = entries[static_cast<std::size_t>(slot)];
            const std::span<const char> letters(entry.symbols.data() + 1, 9);
            QString topRow;
            for (int column = 0; column < 9; ++column)
                topRow += QLatin1Char(test::ReadCell(
                    solutions, QRect(150 + 730 * slot + 60 * column, 300, 60, 60), 40, letters));
            QCOMPARE(topRow, QString(words[slot]));
        }
    }
};

} // namespace zentile

QTEST_MAIN(zentile::PagePaintingTests)
#include "PagePaintingTests.moc"
