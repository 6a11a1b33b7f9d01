#pragma once

#include <cstdint>
#include <string>

namespace zentile {

// A game's time: the seconds of finished running stretches plus the current one.
struct GameClock {
    int64_t elapsedBefore = 0;   // seconds counted before the current running stretch
    int64_t runningSince = 0;    // wall-clock seconds when the current stretch began
    std::string clockText = " "; // a fixed text for the clock pane; empty: show the live time

    // Elapsed seconds with the stretch running until now. Never negative, also when the wall
    // clock has been set back since the stretch began.
    int64_t Elapsed(int64_t now) const;
    // A fresh start at zero, shown live.
    void Start(int64_t now);
    // Adds the running stretch to elapsedBefore (pausing).
    void Stop(int64_t now);
};

// The clock text: "HH:MM:SS" from one hour on (hours within the day), otherwise three spaces
// and "MM:SS". A negative count is shown as zero.
std::string FormatElapsed(int64_t seconds);

} // namespace zentile
