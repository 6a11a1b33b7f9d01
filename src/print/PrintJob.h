#pragma once

#include "model/PuzzleDatabase.h"
#include "model/SymbolSet.h"
#include "print/PrintEntry.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zentile {

// The next entry to print in a job's list. The page painters take entries through it, so a
// page never needs to know how many came before.
class PrintCursor {
public:
    explicit PrintCursor(std::span<const PrintEntry> entries) : entries(entries) {}

    bool AtEnd() const { return position >= entries.size(); }
    // The entry at the cursor; only while not AtEnd.
    const PrintEntry& Current() const { return entries[position]; }
    void Advance() {
        if (!AtEnd()) ++position;
    }
    std::size_t Position() const { return position; }

private:
    std::span<const PrintEntry> entries;
    std::size_t position = 0;
};

// The puzzles of one print command, in printing order, and whether solution pages follow
// the puzzle pages. It lives for one command.
class PrintJob {
public:
    // Appends a copy of the puzzle as a new entry.
    void AddPuzzle(int32_t level, int32_t gameNumber, const PuzzleRecord& values,
                   const SymbolSet& symbols);
    void SetPrintSolutions(bool on) { printSolutions = on; }
    bool PrintSolutions() const { return printSolutions; }

    const std::vector<PrintEntry>& Entries() const { return entries; }

    // Two puzzles to a page, the last one of an odd count alone.
    int32_t PuzzlePageCount() const;
    // Twelve solutions to a page; none unless solutions are to be printed.
    int32_t SolutionPageCount() const;
    int32_t PageCount() const { return PuzzlePageCount() + SolutionPageCount(); }

    // A cursor on the first entry. It reads the job's list, so the job must not change while
    // the cursor is in use.
    PrintCursor Cursor() const { return PrintCursor(entries); }

private:
    std::vector<PrintEntry> entries;
    bool printSolutions = false;
};

} // namespace zentile
