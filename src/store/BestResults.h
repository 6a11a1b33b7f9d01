#pragma once

#include "model/PuzzleDatabase.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zentile {

class SettingsStore;
struct PlayStatistics;

// One ranked game: the time on the clock, the penalty for help, and their sum, which ranks.
struct ResultRecord {
    int64_t originalTime = 0;
    int32_t penalty = -1; // -1: an empty slot
    int64_t totalTime = 0;

    bool Empty() const { return penalty == -1; }
    bool operator==(const ResultRecord&) const = default;
};

inline constexpr std::size_t kResultSlots = 10;
inline constexpr std::size_t kResultRecordBytes = 20;
inline constexpr std::size_t kResultListBytes = kResultSlots * kResultRecordBytes;

// One level's list, best first; filled slots come first, totals never decrease, and equal
// totals stand in the order they were entered.
using ResultList = std::array<ResultRecord, kResultSlots>;
using ResultListImage = std::array<uint8_t, kResultListBytes>;

// The stored form: ten packed little-endian records of 20 bytes (8 + 4 + 8), whatever the
// byte order and alignment of the machine.
ResultListImage EncodeResultList(const ResultList& list);
// Nothing when the bytes are not exactly one list, or hold records no list can hold (a
// filled slot after an empty one, totals out of order, a total that is not time + penalty).
std::optional<ResultList> DecodeResultList(std::span<const uint8_t> bytes);

// The ten best games of each database level, kept in the store's best-results section, one
// value for each level under its fixed key. Other copies of the game may run at the same time and
// store their own results: every change is merged into what is stored at that moment, and the
// merged list is what this copy shows from then on.
class BestResultsTable {
public:
    explicit BestResultsTable(SettingsStore& store) : store(store) {}

    // Once at start-up. If any level's value is missing or damaged, all five lists start
    // empty again and are written back; the good ones are not kept apart from the others.
    void LoadBestResults();
    // A solved, timed game of a database level. A game read from a file with its entries
    // kept is not ranked; otherwise the penalty for help is added and the game takes its
    // place after every result with the same total. Nothing is written if it does not rank,
    // nor for a negative time or one whose total would not fit in 64 bits.
    void InsertResult(int64_t originalTime, int32_t level, const PlayStatistics& statistics);
    // Stores every change not stored yet, all levels in one update of the store. Where the
    // store cannot take them now they stay in memory for the next call, the last of which
    // comes when the game ends; false then.
    bool SaveBestResults();
    // Empties the lists as they are stored now, and drops the results not stored yet; where
    // the store cannot take that, nothing changes and the answer is false.
    bool ResetBestResults();
    // The body of the table the Best Results dialog shows for a level, below its headings: a
    // rule, then one line for each filled slot.
    std::string FormatBestResults(int32_t level) const;

    const ResultList& List(int32_t level) const { return lists[level]; }

private:
    // A level's changes not stored yet: a reset, then results in the order they were made.
    struct Unsaved {
        bool reset = false;
        std::vector<ResultRecord> results;
        bool operator==(const Unsaved&) const = default;
    };

    SettingsStore& store;
    std::array<ResultList, kDatabaseLevels> lists{};
    std::array<Unsaved, kDatabaseLevels> unsaved{};
};

} // namespace zentile
