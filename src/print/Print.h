#pragma once

#include "print/PageMetrics.h"
#include "print/PrintJob.h"

class QPrinter;
class QWidget;

namespace zentile {

// Shows the print dialog (printer, copies, page size, a range of the job's pages; no
// selection) and prints the job. Nothing is printed or said when the player cancels.
void Print(const PrintJob& job, QWidget* parent);

// Prints the job on a printer that is set up already: the puzzle pages, then the solution
// pages, as one document named "Zentile"; of those only the printer's page range when it has
// one. The printer is asked for 300 dots per inch; one that cannot give it gets the same
// page, scaled.
void PrintPages(const PrintJob& job, QPrinter& printer);

// The printable area of the printer in pixels of a 300 dots-per-inch page.
PageMetrics ReadPageMetrics(const QPrinter& printer);

} // namespace zentile
