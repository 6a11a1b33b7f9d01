#include "model/GameSession.h"

namespace zentile {

bool Pause(GameSession& session, int64_t now) {
    if (session.state != GameState::Playing) return false;
    session.clock.Stop(now);
    session.state = GameState::Paused;
    return true;
}

bool Resume(GameSession& session, int64_t now) {
    if (session.state != GameState::Paused) return false;
    session.clock.runningSince = now;
    session.state = GameState::Playing;
    return true;
}

bool TogglePause(GameSession& session, int64_t now) {
    return Pause(session, now) || Resume(session, now);
}

} // namespace zentile
