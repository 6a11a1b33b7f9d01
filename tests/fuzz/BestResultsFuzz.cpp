// The best-results lists read from five stored values of about 200 bytes each, then a result
// of any time and help inserted. Whatever the bytes, the lists come out sound, a damaged value
// starts all five again, and what is written reads back as the table.

#include "BestResultsCheck.h"
#include "FuzzCheck.h"
#include "model/PlayStatistics.h"
#include "store/MemorySettingsStore.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>

namespace zentile {
namespace {

using fuzz::Require;

// Mostly the exact size, so that the records themselves are tried; sometimes a byte or so
// short or long, or anything up to a few hundred.
std::size_t ValueLength(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 7)) {
    case 0:
        return input.ConsumeIntegralInRange<std::size_t>(kResultListBytes - 2,
                                                         kResultListBytes + 2);
    case 1:
        return input.ConsumeIntegralInRange<std::size_t>(0, 2 * kResultListBytes);
    default:
        return kResultListBytes;
    }
}

void RequireInserted(const ResultList& before, const ResultList& after, const ResultRecord& entry,
                     bool ranked) {
    const auto place = std::find(after.begin(), after.end(), entry);
    if (!ranked) {
        Require(before == after, "an unranked game changes nothing");
        return;
    }
    if (place == after.end()) {
        // Only a full list of results as good or better turns a game away.
        for (const ResultRecord& record : before)
            Require(!record.Empty() && record.totalTime <= entry.totalTime, "a game that ranks");
        Require(before == after, "a game turned away changes nothing");
        return;
    }
    const auto at = static_cast<std::size_t>(place - after.begin());
    Require(std::equal(before.begin(), before.begin() + at, after.begin()),
            "the better results keep their places");
    Require(std::equal(before.begin() + at, before.end() - 1, after.begin() + at + 1),
            "the worse results move down one");
}

} // namespace
} // namespace zentile

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace zentile;
    FuzzedDataProvider input(data, size);
    MemorySettingsStore store;
    std::array<std::optional<ResultList>, kDatabaseLevels> stored;
    for (int32_t level = 0; level < kDatabaseLevels; ++level) {
        const auto bytes = input.ConsumeBytes<uint8_t>(ValueLength(input));
        store.WriteBinary(kBestResultsSection, kBestResultsKeys[level], bytes);
        stored[level] = DecodeResultList(bytes);
        // What decodes is what was stored, bar the leftovers in an empty slot.
        if (stored[level]) {
            const ResultListImage image = EncodeResultList(*stored[level]);
            for (std::size_t slot = 0; slot < kResultSlots; ++slot) {
                const std::size_t at = slot * kResultRecordBytes;
                if (!(*stored[level])[slot].Empty())
                    Require(std::equal(image.begin() + at, image.begin() + at + kResultRecordBytes,
                                       bytes.begin() + at),
                            "a record is stored as it reads");
            }
        }
    }

    BestResultsTable table(store);
    table.LoadBestResults();
    fuzz::RequireLoadedFrom(table, stored, store);

    // A finished game of any time and help.
    const auto level = input.ConsumeIntegralInRange<int32_t>(-1, kCustomLevel);
    const auto originalTime = input.ConsumeIntegral<int64_t>();
    PlayStatistics statistics;
    statistics.undos = input.ConsumeIntegral<uint32_t>();
    statistics.hints = input.ConsumeIntegral<uint32_t>();
    statistics.erasures = input.ConsumeIntegral<uint32_t>();
    statistics.pencilToggles = input.ConsumeIntegral<uint32_t>();
    statistics.branchUsed = input.ConsumeBool();
    statistics.highlightUsed = input.ConsumeBool();
    statistics.loadedGame = input.ConsumeBool();

    const bool databaseLevel = level >= 0 && level < kDatabaseLevels;
    const ResultList before = databaseLevel ? table.List(level) : ResultList{};
    table.InsertResult(originalTime, level, statistics);
    if (databaseLevel) {
        const ResultList& after = table.List(level);
        fuzz::RequireSoundList(after);
        const auto penalty = static_cast<int32_t>(
            std::min<uint32_t>(PenaltySeconds(statistics), std::numeric_limits<int32_t>::max()));
        // A time the clock cannot give is turned away like a loaded game.
        const bool storable =
            originalTime >= 0 && originalTime <= std::numeric_limits<int64_t>::max() - penalty;
        const ResultRecord entry{originalTime, penalty, storable ? originalTime + penalty : 0};
        RequireInserted(before, after, entry, storable && !statistics.loadedGame);
    }
    for (int32_t shown = -1; shown <= kCustomLevel; ++shown) table.FormatBestResults(shown);

    // The next run reads the same table.
    BestResultsTable next(store);
    next.LoadBestResults();
    for (int32_t shown = 0; shown < kDatabaseLevels; ++shown)
        Require(next.List(shown) == table.List(shown), "the table reads back as written");
    return 0;
}
