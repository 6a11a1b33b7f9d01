#pragma once

#include "print/PageMetrics.h"

#include <cstdint>

namespace zentile {

// Where things stand on a printed page, in device pixels of a 300 dots-per-inch printer. Only
// the heading, the footer and the horizontal place of the puzzle grids follow the page size.
namespace page {

inline constexpr int32_t kPrintResolution = 300; // dots per inch the layout is made for

inline constexpr int32_t kHeadingTop = 150;
inline constexpr int32_t kFooterHeight = 130;
inline constexpr int32_t kFooterFontHeight = kFooterHeight / 3;
inline constexpr int32_t kCaptionGap = 20; // from the grid's bottom line to its caption
inline constexpr int32_t kCaptionHeight = 130;
inline constexpr int32_t kCaptionFontHeight = kCaptionHeight / 3;

inline constexpr int32_t kPuzzlesPerPage = 2;
inline constexpr int32_t kPuzzleCell = 120;
inline constexpr int32_t kPuzzleLeftOfCentre = 600; // the grid starts this far left of centre
inline constexpr int32_t kPuzzleTops[kPuzzlesPerPage] = {350, 1600};

inline constexpr int32_t kSolutionColumns = 3;
inline constexpr int32_t kSolutionRows = 4;
inline constexpr int32_t kSolutionsPerPage = kSolutionColumns * kSolutionRows;
inline constexpr int32_t kSolutionCell = 60;
inline constexpr int32_t kSolutionLeft = 150;
inline constexpr int32_t kSolutionTop = 300;
inline constexpr int32_t kSolutionStepX = 730;
inline constexpr int32_t kSolutionStepY = 650;

} // namespace page

// The top-left corner and the cell size of one grid on a page.
struct GridPlace {
    int32_t left = 0;
    int32_t top = 0;
    int32_t cell = 0;
    bool operator==(const GridPlace&) const = default;
};

// Slot 0 is the upper puzzle, slot 1 the lower one.
constexpr GridPlace PuzzleGridPlace(const PageMetrics& metrics, int32_t slot) {
    return {metrics.width / 2 - page::kPuzzleLeftOfCentre, page::kPuzzleTops[slot],
            page::kPuzzleCell};
}

// Slots 0..11 fill the rows left to right, the top row first.
constexpr GridPlace SolutionGridPlace(int32_t slot) {
    const int32_t column = slot % page::kSolutionColumns;
    const int32_t row = slot / page::kSolutionColumns;
    return {page::kSolutionLeft + page::kSolutionStepX * column,
            page::kSolutionTop + page::kSolutionStepY * row, page::kSolutionCell};
}

} // namespace zentile
