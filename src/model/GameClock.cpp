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
    clockText.clear();
}

void GameClock::Stop(int64_t now) {
    elapsedBefore = Elapsed(now);
}

std::string FormatElapsed(int64_t s) {
    s = std::max<int64_t>(0, s);
    const int64_t days = s / 86400;
    const int64_t hours = s / 3600 - 24 * days;
    const int64_t minutes = s / 60 - 60 * (s / 3600);
    const int64_t seconds = s - 60 * (s / 60);
    char text[32];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(hours),
                      static_cast<long long>(minutes), static_cast<long long>(seconds));
    else
        std::snprintf(text, sizeof text, "   %02lld:%02lld", static_cast<long long>(minutes),
                      static_cast<long long>(seconds));
    return text;
}

} // namespace zentile
