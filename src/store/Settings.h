#pragma once

#include "model/GameOptions.h"

#include <cstdint>

namespace zentile {

struct Game;
class SettingsStore;

// The six options as this copy last read them from the store or wrote them there.
struct StoredOptions {
    GameOptions options;
    int32_t level = 2;
};

// Reads the six options (the level among them) from the store's options section; a missing
// key gives the built-in starting value, and a level outside 0..5 gives Medium.
StoredOptions LoadSettings(Game& game, SettingsStore& store);
// Writes the options that differ from those last read or written, each key alone, so that two
// running copies never undo each other's changes, and reads all six back as they are stored
// now. False when they could not be written: the values in memory then stay in force, and the
// next save writes them.
bool SaveSettings(Game& game, SettingsStore& store, StoredOptions& stored);

} // namespace zentile
