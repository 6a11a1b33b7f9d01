#include "store/BestResults.h"

#include "model/GameClock.h"
#include "model/PlayStatistics.h"
#include "store/MemorySettingsStore.h"
#include "store/StoreTexts.h"

#include <algorithm>
#include <limits>

namespace zentile {

namespace {

void PutLittleEndian(uint8_t* out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t GetLittleEndian(const uint8_t* in, int bytes) {
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<uint64_t>(in[i]) << (8 * i);
    return value;
}

bool ListIsConsistent(const ResultList& list) {
    bool seenEmpty = false;
    int64_t previousTotal = 0;
    for (const ResultRecord& record : list) {
        if (record.Empty()) {
            seenEmpty = true;
            continue;
        }
        if (seenEmpty || record.penalty < 0 || record.originalTime < 0) return false;
        if (record.originalTime > std::numeric_limits<int64_t>::max() - record.penalty)
            return false;
        if (record.totalTime != record.originalTime + record.penalty) return false;
        if (record.totalTime < previousTotal) return false;
        previousTotal = record.totalTime;
    }
    return true;
}

constexpr bool IsDatabaseLevel(int32_t level) {
    return level >= 0 && level < kDatabaseLevels;
}

// Into the first empty slot or before the first greater total, so that equal totals rank by
// age; a full list of results as good or better turns it away.
void Place(ResultList& list, const ResultRecord& entry) {
    const auto place = std::find_if(list.begin(), list.end(), [&](const ResultRecord& slot) {
        return slot.Empty() || entry.totalTime < slot.totalTime;
    });
    if (place == list.end()) return;
    std::move_backward(place, list.end() - 1, list.end());
    *place = entry;
}

} // namespace

ResultListImage EncodeResultList(const ResultList& list) {
    ResultListImage image{};
    uint8_t* out = image.data();
    for (const ResultRecord& record : list) {
        PutLittleEndian(out, static_cast<uint64_t>(record.originalTime), 8);
        PutLittleEndian(out + 8, static_cast<uint32_t>(record.penalty), 4);
        PutLittleEndian(out + 12, static_cast<uint64_t>(record.totalTime), 8);
        out += kResultRecordBytes;
    }
    return image;
}

std::optional<ResultList> DecodeResultList(std::span<const uint8_t> bytes) {
    if (bytes.size() != kResultListBytes) return std::nullopt;
    ResultList list;
    const uint8_t* in = bytes.data();
    for (ResultRecord& record : list) {
        record.originalTime = static_cast<int64_t>(GetLittleEndian(in, 8));
        record.penalty = static_cast<int32_t>(static_cast<uint32_t>(GetLittleEndian(in + 8, 4)));
        record.totalTime = static_cast<int64_t>(GetLittleEndian(in + 12, 8));
        if (record.Empty()) record = ResultRecord{};
        in += kResultRecordBytes;
    }
    if (!ListIsConsistent(list)) return std::nullopt;
    return list;
}

void BestResultsTable::LoadBestResults() {
    for (int32_t level = 0; level < kDatabaseLevels; ++level) {
        const auto bytes = store.ReadBinary(kBestResultsSection, kBestResultsKeys[level]);
        const auto list = bytes ? DecodeResultList(*bytes) : std::nullopt;
        if (!list) {
            // Written now if the store can take it, or with the next change.
            lists.fill(ResultList{});
            unsaved.fill(Unsaved{.reset = true, .results = {}});
            SaveBestResults();
            return;
        }
        lists[level] = *list;
    }
}

void BestResultsTable::InsertResult(int64_t originalTime, int32_t level,
                                    const PlayStatistics& statistics) {
    if (statistics.loadedGame || !IsDatabaseLevel(level)) return;
    ResultRecord entry;
    entry.originalTime = originalTime;
    // The penalty is stored as a signed 32-bit number; a larger one (never reached in play)
    // is kept at its largest value rather than wrapped into an empty slot's mark.
    entry.penalty = static_cast<int32_t>(
        std::min<uint32_t>(PenaltySeconds(statistics), std::numeric_limits<int32_t>::max()));
    // The clock gives no such time; stored, it would make the next start throw away every
    // level's list as damaged.
    if (originalTime < 0 || originalTime > std::numeric_limits<int64_t>::max() - entry.penalty)
        return;
    entry.totalTime = originalTime + entry.penalty;

    Place(lists[level], entry);
    // Whether it ranks is decided again against what is stored when it is written.
    unsaved[level].results.push_back(entry);
    SaveBestResults();
}

bool BestResultsTable::SaveBestResults() {
    if (std::all_of(unsaved.begin(), unsaved.end(),
                    [](const Unsaved& u) { return u == Unsaved{}; }))
        return true;
    std::array<ResultList, kDatabaseLevels> merged = lists;
    const bool stored = store.Update([&](MemorySettingsStore& now) {
        for (int32_t level = 0; level < kDatabaseLevels; ++level) {
            const Unsaved& changes = unsaved[level];
            if (changes == Unsaved{}) continue;
            const auto bytes = now.ReadBinary(kBestResultsSection, kBestResultsKeys[level]);
            // A value gone or damaged since start-up gives way to this copy's list.
            if (const auto kept = changes.reset ? ResultList{}
                                  : bytes       ? DecodeResultList(*bytes)
                                                : std::nullopt) {
                merged[level] = *kept;
                for (const ResultRecord& entry : changes.results) Place(merged[level], entry);
            }
            now.WriteBinary(kBestResultsSection, kBestResultsKeys[level],
                            EncodeResultList(merged[level]));
        }
    });
    if (!stored) return false;
    lists = merged;
    unsaved.fill(Unsaved{});
    return true;
}

bool BestResultsTable::ResetBestResults() {
    const auto kept = unsaved;
    unsaved.fill(Unsaved{.reset = true, .results = {}});
    if (SaveBestResults()) return true;
    unsaved = kept;
    return false;
}

std::string BestResultsTable::FormatBestResults(int32_t level) const {
    std::string text = "\t " + std::string(65, '-') + "\n";
    if (!IsDatabaseLevel(level)) return text;
    for (std::size_t i = 0; i < kResultSlots; ++i) {
        const ResultRecord& record = lists[level][i];
        if (record.Empty()) continue;
        text += std::to_string(i + 1) + "\t" + FormatElapsed(record.originalTime) + "\t\t" +
                std::to_string(record.penalty) + "\t\t" + FormatElapsed(record.totalTime) + "\n";
    }
    return text;
}

} // namespace zentile
