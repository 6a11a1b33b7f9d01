#pragma once

#include <cstdint>
#include <string>

namespace zentile {

// What the clock pane shows; the window words and formats it.
enum class ClockFace : uint8_t {
    Blank,    // before the first game, and after leaving the editor
    Live,     // the time of the game being played, also while paused
    Stopped,  // the time a finished game took, stoppedSeconds
    Creating, // while the player makes a puzzle
};

// A game's time: the seconds of finished running stretches plus the current one.
struct GameClock {
    int64_t elapsedBefore = 0; // seconds counted before the current running stretch
    int64_t runningSince = 0;  // wall-clock seconds when the current stretch began
    ClockFace face = ClockFace::Blank;
    int64_t stoppedSeconds = 0; // what a Stopped clock shows

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
