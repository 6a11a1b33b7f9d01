#pragma once

#include "model/Game.h"

#include <sstream>
#include <string>

namespace zentile::test {

// Everything a Game holds, as text, so that a test can tell that a command changed nothing
// at all and, when it did, show what.
inline std::string GameSnapshot(const Game& game) {
    std::ostringstream out;
    const auto cell = [&out](const Cell& c) {
        out << c.column << ',' << c.row << ' ' << c.width << 'x' << c.height << '@' << c.left << ','
            << c.top << " s" << c.solution << " v" << c.value << " g" << c.given << " b"
            << c.inBranch << " p" << c.pencilMarks << " h" << c.hinted << '\n';
    };
    for (const Cell& c : game.grid) cell(c);
    out << "symbols " << std::string(game.symbols.begin(), game.symbols.end()) << '\n';
    UndoLog log = game.undoLog;
    out << "undo " << log.Size() << '\n';
    while (!log.Empty()) {
        const LogState state = log.Pop();
        out << "  " << state.column << ',' << state.row << ": ";
        cell(state.previous);
    }
    const GameSession& s = game.session;
    const PlayStatistics& st = s.statistics;
    out << "state " << static_cast<int>(s.state) << " level " << s.level << " board "
        << s.boardLevel << " number " << s.gameNumber << " branch " << s.branchOpen << " hide "
        << s.hidePencilMarks << " reveal " << s.revealSolutions << " digit " << s.currentDigit
        << " cursor " << s.cursorColumn << ',' << s.cursorRow << '\n';
    out << "stats " << st.undos << ' ' << st.hints << ' ' << st.erasures << ' ' << st.pencilToggles
        << ' ' << st.branchUsed << ' ' << st.loadedGame << ' ' << st.highlightUsed << '\n';
    out << "clock " << s.clock.elapsedBefore << ' ' << s.clock.runningSince << " ["
        << static_cast<int>(s.clock.face) << ' ' << s.clock.stoppedSeconds << "]\n";
    const GameOptions& o = game.options;
    out << "options " << o.CheckGuess << o.HighlightSelection << o.DisplayMouse << o.TimedGame
        << o.NumberGame << '\n';
    RandomSource random = game.random;
    out << "random " << random.Draw() << '\n';
    out << "layout " << game.layout.cellWidth << ' ' << game.layout.cellHeight << ' '
        << game.layout.gridLeft << ' ' << game.layout.gridTop << '\n';
    return out.str();
}

} // namespace zentile::test
