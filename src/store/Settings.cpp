#include "store/Settings.h"

#include "model/Game.h"
#include "model/PuzzleDatabase.h"
#include "store/MemorySettingsStore.h"
#include "store/StoreTexts.h"

#include <array>
#include <string_view>

namespace zentile {

namespace {

// The keys in the order they are read and written. A key without a flag is the level.
struct OptionKey {
    std::string_view key;
    bool GameOptions::*flag;
    bool defaultValue;
};

constexpr std::array<OptionKey, 6> kOptionKeys = {{
    {"CheckGuess", &GameOptions::CheckGuess, true},
    {"HighlightSelection", &GameOptions::HighlightSelection, false},
    {"DisplayMouse", &GameOptions::DisplayMouse, false},
    {"TimedGame", &GameOptions::TimedGame, true},
    {"GameLevel", nullptr, false},
    {"NumberGame", &GameOptions::NumberGame, true},
}};

constexpr int32_t kDefaultLevel = 2;

constexpr std::string_view BoolText(bool value) {
    return value ? "true" : "false";
}

} // namespace

StoredOptions LoadSettings(Game& game, SettingsStore& store) {
    for (const OptionKey& option : kOptionKeys) {
        if (option.flag == nullptr) {
            const int32_t level = store.ReadInt(kOptionsSection, option.key, kDefaultLevel);
            // Anything else would name no level at all.
            game.session.level = level >= 0 && level <= kCustomLevel ? level : kDefaultLevel;
        } else {
            // Only the exact text "true" is true.
            game.options.*option.flag = store.ReadString(kOptionsSection, option.key,
                                                         BoolText(option.defaultValue)) == "true";
        }
    }
    return {game.options, game.session.level};
}

bool SaveSettings(Game& game, SettingsStore& store, StoredOptions& stored) {
    const bool written = store.Update([&](MemorySettingsStore& now) {
        for (const OptionKey& option : kOptionKeys) {
            if (option.flag == nullptr) {
                if (game.session.level != stored.level)
                    now.WriteInt(kOptionsSection, option.key, game.session.level);
            } else if (game.options.*option.flag != stored.options.*option.flag) {
                now.WriteString(kOptionsSection, option.key, BoolText(game.options.*option.flag));
            }
        }
    });
    // What the other copies stored meanwhile now holds here too.
    if (written) stored = LoadSettings(game, store);
    return written;
}

} // namespace zentile
