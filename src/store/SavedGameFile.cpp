#include "store/SavedGameFile.h"

#include "model/Grid.h"
#include "model/PuzzleDatabase.h"
#include "store/StoreTexts.h"

#include <fstream>
#include <istream>
#include <string_view>

namespace zentile {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kCellCharacters = 3;
constexpr std::size_t kCellLineLength = kCellCharacters * Grid::cellCount;

char Digit(int32_t d) {
    return static_cast<char>('0' + d);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One line without its end. Nothing for a missing line, a line longer than any saved game
// has, or a character that is no printable text (a carriage return counts only right
// before the line feed). Reading stops at the first fault.
std::optional<std::string> ReadLine(std::istream& in) {
    std::string line;
    for (;;) {
        const auto c = in.get();
        if (c == std::istream::traits_type::eof()) {
            if (in.bad() || line.empty()) return std::nullopt;
            break;
        }
        if (c == '\n') break;
        const bool text = (c >= 0x20 && c <= 0x7E) || c == '\r';
        if (!text || line.size() == kMaxSavedLineLength) return std::nullopt;
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\r') != std::string::npos) return std::nullopt;
    return line;
}

// Every row, column and box holds each digit 1..9 once. A clue's digit is its solution, so
// the clues fit such a grid too.
bool IsSolvedGrid(const SavedGame& saved) {
    std::array<uint32_t, 9> rows{}, columns{}, boxes{};
    for (int32_t k = 0; k < Grid::cellCount; ++k) {
        const int32_t d = saved.cells[k].solution;
        if (d < 1 || d > 9) return false;
        const uint32_t bit = 1U << d;
        uint32_t& row = rows[k % Grid::rowCount];
        uint32_t& column = columns[k / Grid::rowCount];
        uint32_t& box = boxes[k / Grid::rowCount / 3 * 3 + k % Grid::rowCount / 3];
        if ((row | column | box) & bit) return false;
        row |= bit;
        column |= bit;
        box |= bit;
    }
    return true;
}

// The editor's grid as Create Game and typing leave it: a solution under each clue and
// nowhere else, no entries. Clues that contradict each other are the editor's to report.
bool IsEditorGrid(const SavedGame& saved) {
    if (saved.level != kCustomLevel) return false;
    for (const SavedCell& cell : saved.cells)
        if (cell.value != 0 || cell.given != (cell.solution != 0)) return false;
    return true;
}

} // namespace

std::string FormatSavedGame(const Grid& grid, int32_t level) {
    std::string cells;
    cells.reserve(kCellLineLength);
    for (const Cell& cell : grid) {
        cells += Digit(cell.solution);
        cells += Digit(cell.hinted ? 0 : cell.value);
        cells += cell.given ? '1' : '0';
    }
    const std::string levelText = std::to_string(level);
    std::string text;
    for (const std::string_view line : {kSavedGameVersionLine, std::string_view(cells),
                                        std::string_view(levelText), kSavedGameEndLine}) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

std::optional<SavedGame> ParseSavedGame(std::istream& in) {
    const auto version = ReadLine(in);
    if (!version || *version != kSavedGameVersionLine) return std::nullopt;
    const auto cells = ReadLine(in);
    if (!cells || cells->size() != kCellLineLength) return std::nullopt;
    // Only the level's first character counts; the rest of its line is ignored.
    const auto level = ReadLine(in);
    if (!level || level->empty() || (*level)[0] < '0' || (*level)[0] > Digit(kCustomLevel))
        return std::nullopt;
    const auto end = ReadLine(in);
    if (!end || *end != kSavedGameEndLine) return std::nullopt;

    SavedGame saved;
    saved.level = (*level)[0] - '0';
    for (std::size_t k = 0; k < saved.cells.size(); ++k) {
        const char solution = (*cells)[kCellCharacters * k];
        const char value = (*cells)[kCellCharacters * k + 1];
        const char given = (*cells)[kCellCharacters * k + 2];
        if (!IsDigit(solution) || !IsDigit(value) || (given != '0' && given != '1'))
            return std::nullopt;
        saved.cells[k] = {solution - '0', value - '0', given == '1'};
    }
    // A grid no game could have held would be "solved" by wrong entries.
    saved.editing = IsEditorGrid(saved);
    if (!saved.editing && !IsSolvedGrid(saved)) return std::nullopt;
    return saved;
}

std::optional<SavedGame> ReadSavedGame(const std::filesystem::path& path) {
    // A folder, a device or a pipe is no saved game, and reading one could block or not end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return ParseSavedGame(in);
}

} // namespace zentile
