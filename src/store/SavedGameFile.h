#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace zentile {

class Grid;

// What a saved game holds for one cell.
struct SavedCell {
    int32_t solution = 0;
    int32_t value = 0;
    bool given = false;
};

// A saved game that passed every check: the cells in grid order and the level 0..5. Either
// its solutions are a solved grid, or it holds an own puzzle whose clues were still being
// typed: level 5, a solution only under each clue, no entries (`editing`).
struct SavedGame {
    std::array<SavedCell, 81> cells{};
    int32_t level = 0;
    bool editing = false;
};

// No line of a saved game comes near this; a longer one means the file is something else,
// found out without reading the rest of it.
inline constexpr std::size_t kMaxSavedLineLength = 256;

// The file's four lines, each ended by CR LF: the version, three characters per cell
// (solution, entry, given) in grid order, the level, the end mark. The same grid and level
// always give the same bytes. A cell showing a hint is saved as it is under the hint.
std::string FormatSavedGame(const Grid& grid, int32_t level);

// Reads and checks a whole saved game: lines end in LF or CR LF (the last may have none),
// only printable characters, every line and every cell character as the writer makes them,
// and solutions that a game or the editor can hold. Nothing after the fourth line is read.
// Nothing when any check fails.
std::optional<SavedGame> ParseSavedGame(std::istream& in);
// The same for a file; nothing also when it is not a regular file or cannot be read.
std::optional<SavedGame> ReadSavedGame(const std::filesystem::path& path);

} // namespace zentile
