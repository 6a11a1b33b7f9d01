#include "model/GameClock.h"

#include <algorithm>
#include <cstdio>

namespace zentile {

int64_t GameClock::Elapsed(int64_t now) const {
    return std::max<int64_t>(0, elapsedBefore) + std::max<int64_t>(0, now - runningSince);
}

void GameClock::Start(int64_t now) {
    elapsedBefore = 0;
    runningSince = now;
    face = ClockFace::Live;
}

void GameClock::Stop(int64_t now) {
    elapsedBefore = Elapsed(now);
}

std::string FormatElapsed(int64_t s) {
    s = std::max<int64_t>(0, s);
    // Days are not shown: from 24 hours on the hours start again at 00.
    const int64_t days = s / 86400;
    const int hours = static_cast<int>(s / 3600 - 24 * days);
    const int minutes = static_cast<int>(s / 60 - 60 * (s / 3600));
    const int seconds = static_cast<int>(s - 60 * (s / 60));
    char text[40];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, seconds);
    else
        std::snprintf(text, sizeof text, "   %02d:%02d", minutes, seconds);
    return text;
}

} // namespace zentile
