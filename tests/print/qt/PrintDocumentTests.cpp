#include "PageReader.h"
#include "model/RandomSource.h"
#include "print/Booklet.h"
#include "print/Print.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace zentile {

namespace {

PrintJob Booklet(int32_t count, bool solutions, bool classic = true) {
    RandomSource random;
    random.Seed(static_cast<uint32_t>(count));
    BookletChoice choice;
    choice.puzzleCount = count;
    choice.levels = {true, true, true, true, true};
    choice.printSolutions = solutions;
    choice.classic = classic;
    return MakeBookletJob(choice, random);
}

// Writes the job to a PDF file through the printer, as the print dialog's file printer does.
void WritePdf(const PrintJob& job, const QString& fileName, QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    PrintPages(job, printer);
}

// One line of pdfinfo's report, or nothing where poppler's tools are missing.
QString PdfInfo(const QString& fileName, const QString& key) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (tool.isEmpty()) return {};
    QProcess process;
    process.start(tool, {fileName});
    process.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        if (line.startsWith(key + ':')) return line.mid(key.size() + 1).trimmed();
    return {};
}

// The text of each page, as poppler's pdftotext reads it; empty where the tool is missing.
QStringList PdfPageTexts(const QString& fileName) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return {};
    QProcess process;
    process.start(tool, {fileName, QStringLiteral("-")});
    process.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

} // namespace

class PrintDocumentTests : public QObject {
    Q_OBJECT

private slots:
    void bookletsGiveTheirPageCounts_data() {
        QTest::addColumn<int>("puzzles");
        QTest::addColumn<bool>("solutions");
        QTest::addColumn<int>("pages");
        QTest::newRow("1 with its solution") << 1 << true << 1 + 1;
        QTest::newRow("13 with solutions") << 13 << true << 7 + 2;
        QTest::newRow("24 without solutions") << 24 << false << 12;
        QTest::newRow("100 with solutions") << 100 << true << 50 + 9;
    }

    void bookletsGiveTheirPageCounts() {
        QFETCH(int, puzzles);
        QFETCH(bool, solutions);
        QFETCH(int, pages);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString fileName = folder.filePath("booklet.pdf");
        QPrinter printer(QPrinter::HighResolution);
        WritePdf(Booklet(puzzles, solutions), fileName, printer);

        QCOMPARE(test::CountPdfPages(fileName), pages);
        const QString counted = PdfInfo(fileName, "Pages");
        if (!counted.isEmpty()) QCOMPARE(counted.toInt(), pages);
        const QString title = PdfInfo(fileName, "Title");
        if (!counted.isEmpty()) QCOMPARE(title, QString("Zentile"));
    }

    void aPageRangePrintsOnlyThosePagesOfTheJob_data() {
        QTest::addColumn<int>("puzzles");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QList<int>>("firstEntries"); // counting from 1
        QTest::newRow("the solution of one puzzle")
            << 1 << 2 << 2 << QStringList{"Sudoku Solution"} << QList<int>{1};
        QTest::newRow("the last puzzle page and the first solution page")
            << 13 << 7 << 8 << QStringList{"Sudoku Puzzle", "Sudoku Solution"} << QList<int>{13, 1};
        QTest::newRow("the second solution page")
            << 13 << 9 << 9 << QStringList{"Sudoku Solution"} << QList<int>{13};
    }

    void aPageRangePrintsOnlyThosePagesOfTheJob() {
        QFETCH(int, puzzles);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, headings);
        QFETCH(QList<int>, firstEntries);
        QTemporaryDir folder;
        const QString fileName = folder.filePath("range.pdf");
        const PrintJob job = Booklet(puzzles, true);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
        WritePdf(job, fileName, printer);

        QCOMPARE(test::CountPdfPages(fileName), to - from + 1);
        const QStringList texts = PdfPageTexts(fileName);
        if (texts.isEmpty()) QSKIP("pdftotext is not installed");
        QCOMPARE(texts.size(), headings.size());
        // Each page shows the puzzles it shows in the whole job: its first one, and not the
        // one before it, which ends the page before.
        auto captionOf = [&](int entry) {
            const PrintEntry& printed = job.Entries()[std::size_t(entry - 1)];
            return QStringLiteral("%1 #%2")
                .arg(LevelNames[std::size_t(printed.level)].english)
                .arg(printed.gameNumber);
        };
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const QString text = texts[i].simplified();
            QVERIFY2(text.startsWith(headings[i]), qPrintable(text));
            QVERIFY2(text.contains(captionOf(firstEntries[i])), qPrintable(text));
            if (firstEntries[i] > 1)
                QVERIFY2(!text.contains(captionOf(firstEntries[i] - 1)), qPrintable(text));
        }
    }

    void pagesAreLaidOutFor300DotsPerInch() {
        QTemporaryDir folder;
        const QString fileName = folder.filePath("one.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        WritePdf(Booklet(1, false), fileName, printer);
        QCOMPARE(printer.resolution(), 300);
        const QRect printable = printer.pageLayout().paintRectPixels(300);
        const PageMetrics metrics = ReadPageMetrics(printer);
        QCOMPARE(metrics.width, printable.width());
        QCOMPARE(metrics.height, printable.height());
        QCOMPARE(printer.docName(), QString("Zentile"));

        // Read the page back as a picture: the puzzle's thick left line stands 600 pixels
        // left of the printable area's centre, its top line 350 below the area's top.
        const QString rasteriser = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (rasteriser.isEmpty()) QSKIP("pdftoppm is not installed");
        QProcess process;
        process.start(rasteriser,
                      {"-png", "-r", "300", "-singlefile", fileName, folder.filePath("page")});
        QVERIFY(process.waitForFinished(60000));
        QImage page(folder.filePath("page.png"));
        QVERIFY(!page.isNull());
        page = page.convertToFormat(QImage::Format_RGB32);
        const int left = printable.left() + metrics.width / 2 - 600;
        const int top = printable.top() + 350;
        QVERIFY(test::BlueRunAt(page, left, top + 60, true) >= 3);
        QVERIFY(test::BlueRunAt(page, left + 60, top, false) >= 3);
        QVERIFY(test::BlueRunAt(page, left + 1080, top + 1020, true) >= 3);
        QVERIFY(test::BlueRunAt(page, left + 120, top + 60, true) >= 1);
        QCOMPARE(test::Count(page, QRect(left - 40, top - 40, 30, 1100), test::IsBlue), 0);
    }
};

} // namespace zentile

QTEST_MAIN(zentile::PrintDocumentTests)
#include "PrintDocumentTests.moc"
