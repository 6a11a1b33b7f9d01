#include "print/CurrentPuzzleJob.h"

#include "model/PuzzleDatabase.h"
#include "print/PrintTexts.h"

namespace zentile {

std::optional<PrintJob> MakeCurrentPuzzleJob(const Game& game, Host& host) {
    const GameSession& session = game.session;
    // The level of the game on the board, whatever Difficulty chose for the next one.
    const int32_t level = session.boardLevel;
    if (level < 0 || level >= kDatabaseLevels || session.gameNumber == 0) {
        host.ShowMessage(kOnlyZentileGamesMessage, MessageIcon::Exclamation);
        return std::nullopt;
    }
    PrintJob job;
    job.SetPrintSolutions(host.AskYesNo(kPrintSolutionQuestion));

    PuzzleRecord values{};
    SymbolSet lookedUp = game.symbols; // not printed: the board's own symbols are
    LookupPuzzle(level, session.gameNumber, game.options.NumberGame, values, lookedUp);
    job.AddPuzzle(level, static_cast<int32_t>(session.gameNumber), values, game.symbols);
    return job;
}

} // namespace zentile
