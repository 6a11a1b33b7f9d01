#include "print/Print.h"

#include "model/Host.h"
#include "print/PageLayout.h"
#include "print/PagePainters.h"
#include "print/PrintTexts.h"
#include "ui/QtText.h"

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
    if (job.PageCount() == 0) return;
    printer.setDocName(ToQString(kApplicationTitle));
    printer.setResolution(page::kPrintResolution);

    QPainter painter;
    if (!painter.begin(&printer)) return;
    const PageMetrics metrics = ReadPageMetrics(printer);
    const double scale = LayoutScale(printer);

    bool firstPage = true;
    auto startPage = [&] {
        if (!firstPage) printer.newPage();
        firstPage = false;
        painter.resetTransform();
        if (scale != 1.0) painter.scale(scale, scale);
    };

    PrintCursor cursor = job.Cursor();
    for (int32_t p = 0; p < job.PuzzlePageCount(); ++p) {
        startPage();
        DrawPuzzlePage(painter, metrics, cursor);
    }
    cursor = job.Cursor();
    for (int32_t p = 0; p < job.SolutionPageCount(); ++p) {
        startPage();
        DrawSolutionPage(painter, metrics, cursor);
    }
    painter.end();
}

void Print(const PrintJob& job, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(page::kPrintResolution);
    printer.setDocName(ToQString(kApplicationTitle)); // also names the PDF file the dialog proposes

    QPrintDialog dialog(&printer, parent);
    // Printer, copies and page size only: no page range, selection or current page, since
    // the whole job is always printed. Printing to a PDF file stays, because on this platform
    // it is one of the printers to choose from.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return;

    PrintPages(job, printer);
}

} // namespace zentile
