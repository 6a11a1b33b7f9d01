#include "print/Print.h"

#include "model/Host.h"
#include "print/PageLayout.h"
#include "print/PagePainters.h"
#include "print/PrintTexts.h"
#include "ui/QtText.h"

#include <QPageRanges>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace zentile {

namespace {

double LayoutScale(const QPrinter& printer) {
    return static_cast<double>(printer.resolution()) / page::kPrintResolution;
}

} // namespace

PageMetrics ReadPageMetrics(const QPrinter& printer) {
    const double scale = LayoutScale(printer);
    return {static_cast<int32_t>(printer.width() / scale),
            static_cast<int32_t>(printer.height() / scale)};
}

void PrintPages(const PrintJob& job, QPrinter& printer) {
    // The pages the player chose, counting from 1; no range means the whole job.
    const QPageRanges chosen = printer.pageRanges();
    auto isChosen = [&](int32_t number) { return chosen.isEmpty() || chosen.contains(number); };
    int32_t chosenCount = 0;
    for (int32_t number = 1; number <= job.PageCount(); ++number)
        chosenCount += isChosen(number) ? 1 : 0;
    if (chosenCount == 0) return;

    printer.setDocName(ToQString(kApplicationTitle));
    printer.setResolution(page::kPrintResolution);

    QPainter painter;
    if (!painter.begin(&printer)) return;
    const PageMetrics metrics = ReadPageMetrics(printer);
    const double scale = LayoutScale(printer);

    int32_t number = 0;
    bool firstPage = true;
    // Draws the next page of the job when it is chosen; a page left out still takes its
    // entries, so the pages after it show the same puzzles as in the whole job.
    auto printPage = [&](auto drawPage, PrintCursor& cursor, int32_t entriesPerPage) {
        ++number;
        if (!isChosen(number)) {
            for (int32_t i = 0; i < entriesPerPage; ++i) cursor.Advance();
            return;
        }
        if (!firstPage) printer.newPage();
        firstPage = false;
        painter.resetTransform();
        if (scale != 1.0) painter.scale(scale, scale);
        drawPage(painter, metrics, cursor);
    };

    PrintCursor cursor = job.Cursor();
    for (int32_t p = 0; p < job.PuzzlePageCount(); ++p)
        printPage(DrawPuzzlePage, cursor, page::kPuzzlesPerPage);
    cursor = job.Cursor();
    for (int32_t p = 0; p < job.SolutionPageCount(); ++p)
        printPage(DrawSolutionPage, cursor, page::kSolutionsPerPage);
    painter.end();
}

void Print(const PrintJob& job, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(page::kPrintResolution);
    printer.setDocName(ToQString(kApplicationTitle)); // also names the PDF file the dialog proposes

    QPrintDialog dialog(&printer, parent);
    // Printer, copies, page size and a range of the job's pages; no selection or current
    // page. Printing to a PDF file stays, because on this platform it is one of the printers
    // to choose from.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, job.PageCount());
    if (dialog.exec() != QDialog::Accepted) return;

    PrintPages(job, printer);
}

} // namespace zentile
