// The options and best results read at start-up from a settings store whose values are
// anything a damaged or hand-edited file may hold: missing, text, numbers or bytes, under any
// key. Whatever it holds, the options come out sound, the best results are taken whole or
// started again, and what is saved reads back as the same.

#include "BestResultsCheck.h"
#include "FuzzCheck.h"
#include "model/Game.h"
#include "store/MemorySettingsStore.h"
#include "store/Settings.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <string_view>

namespace zentile {
namespace {

using fuzz::Require;

constexpr std::string_view kOptionKeys[] = {"CheckGuess", "HighlightSelection", "DisplayMouse",
                                            "TimedGame",  "GameLevel",          "NumberGame"};

// One value in the form the input picks; an absent one is left out.
void PutValue(MemorySettingsStore& store, std::string_view section, std::string_view key,
              FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 4)) {
    case 0:
        break;
    case 1:
        store.WriteString(section, key, input.ConsumeRandomLengthString(16));
        break;
    case 2:
        store.WriteInt(section, key, input.ConsumeIntegral<int32_t>());
        break;
    case 3:
        store.WriteBinary(section, key, input.ConsumeBytes<uint8_t>(kResultListBytes));
        break;
    case 4: // the usual text of a flag, or a level
        store.WriteString(section, key,
                          input.PickValueInArray<std::string_view>({"true", "false", "2", "5"}));
        break;
    }
}

bool SameOptions(const Game& a, const Game& b) {
    const GameOptions& x = a.options;
    const GameOptions& y = b.options;
    return x.CheckGuess == y.CheckGuess && x.HighlightSelection == y.HighlightSelection &&
           x.DisplayMouse == y.DisplayMouse && x.TimedGame == y.TimedGame &&
           x.NumberGame == y.NumberGame && a.session.level == b.session.level;
}

} // namespace
} // namespace zentile

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace zentile;
    FuzzedDataProvider input(data, size);
    MemorySettingsStore store;
    for (const std::string_view key : kOptionKeys) PutValue(store, kOptionsSection, key, input);
    std::array<std::optional<ResultList>, kDatabaseLevels> stored;
    for (int32_t level = 0; level < kDatabaseLevels; ++level) {
        PutValue(store, kBestResultsSection, kBestResultsKeys[level], input);
        const auto bytes = store.ReadBinary(kBestResultsSection, kBestResultsKeys[level]);
        if (bytes) stored[level] = DecodeResultList(*bytes);
    }

    Game game;
    StoredOptions read = LoadSettings(game, store);
    Require(game.session.level >= 0 && game.session.level <= kCustomLevel, "a level is read");
    if (store.Find(kOptionsSection, "CheckGuess") == nullptr)
        Require(game.options.CheckGuess, "a missing flag reads as its default");
    if (store.Find(kOptionsSection, "GameLevel") == nullptr)
        Require(game.session.level == 2, "a missing level reads as Medium");

    BestResultsTable table(store);
    table.LoadBestResults();
    fuzz::RequireLoadedFrom(table, stored, store);
    for (int32_t level = -1; level <= kCustomLevel + 1; ++level) table.FormatBestResults(level);

    // Changed, saved and read again, the options are the same.
    game.options.HighlightSelection = !game.options.HighlightSelection;
    game.session.level = (game.session.level + 1) % (kCustomLevel + 1);
    SaveSettings(game, store, read);
    Game again;
    LoadSettings(again, store);
    Require(SameOptions(game, again), "saved options read back the same");
    return 0;
}
