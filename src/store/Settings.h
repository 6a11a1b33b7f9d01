#pragma once

namespace zentile {

struct Game;
class SettingsStore;

// Reads the six options (the level among them) from the store's options section; a missing
// key gives the built-in starting value, and a level outside 0..5 gives Medium.
void LoadSettings(Game& game, SettingsStore& store);
// Writes all six, whichever changed. A failed write is not reported: the values in memory
// stay in force for the rest of the run.
void SaveSettings(const Game& game, SettingsStore& store);

} // namespace zentile
