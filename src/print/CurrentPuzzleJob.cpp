#include "print/CurrentPuzzleJob.h"

#include "model/PuzzleDatabase.h"
#include "print/PrintTexts.h"

namespace zentile {

namespace {

bool BoardShows(const Grid& grid, const PuzzleRecord& record) {
    for (int32_t k = 0; k < Grid::cellCount; ++k) {
        const Cell& cell = grid[k];
        const auto clue = static_cast<std::size_t>(k);
        if (cell.solution != record[81 + clue] || cell.given != (record[clue] != 0)) return false;
    }
    return true;
}

bool LevelMatches(const Game& game, int32_t level) {
    PuzzleRecord record{};
    SymbolSet symbols = kClassicSymbols;
    LookupPuzzle(level, game.session.gameNumber, true, record, symbols);
    return BoardShows(game.grid, record);
}

} // namespace

int32_t BoardLevel(const Game& game) {
    const int32_t level = game.session.level;
    if (LevelMatches(game, level)) return level;
    for (int32_t other = 0; other < kDatabaseLevels; ++other)
        if (other != level && LevelMatches(game, other)) return other;
    return level;
}

std::optional<PrintJob> MakeCurrentPuzzleJob(const Game& game, Host& host) {
    const GameSession& session = game.session;
    if (session.level < 0 || session.level >= kDatabaseLevels || session.gameNumber == 0) {
        host.ShowMessage(kOnlyZentileGamesMessage, MessageIcon::Exclamation);
        return std::nullopt;
    }
    PrintJob job;
    job.SetPrintSolutions(host.AskYesNo(kPrintSolutionQuestion));

    const int32_t level = BoardLevel(game);
    PuzzleRecord values{};
    SymbolSet lookedUp = game.symbols; // not printed: the board's own symbols are
    LookupPuzzle(level, session.gameNumber, game.options.NumberGame, values, lookedUp);
    job.AddPuzzle(level, static_cast<int32_t>(session.gameNumber), values, game.symbols);
    return job;
}

} // namespace zentile
