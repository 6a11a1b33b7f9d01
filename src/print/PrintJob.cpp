#include "print/PrintJob.h"

#include "print/PageLayout.h"

namespace zentile {

void PrintJob::AddPuzzle(int32_t level, int32_t gameNumber, const PuzzleRecord& values,
                         const SymbolSet& symbols) {
    entries.push_back({level, gameNumber, values, symbols});
}

namespace {
int32_t PagesFor(std::size_t count, int32_t perPage) {
    return static_cast<int32_t>((count + static_cast<std::size_t>(perPage) - 1) /
                                static_cast<std::size_t>(perPage));
}
} // namespace

int32_t PrintJob::PuzzlePageCount() const {
    return PagesFor(entries.size(), page::kPuzzlesPerPage);
}

int32_t PrintJob::SolutionPageCount() const {
    return printSolutions ? PagesFor(entries.size(), page::kSolutionsPerPage) : 0;
}

} // namespace zentile
