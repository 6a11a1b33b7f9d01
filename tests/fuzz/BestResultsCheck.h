#pragma once

#include "FuzzCheck.h"
#include "store/BestResults.h"
#include "store/SettingsStore.h"
#include "store/StoreTexts.h"

namespace zentile::fuzz {

// A list as only InsertResult can make it: filled slots first, totals in order, each total the
// time plus the penalty.
inline void RequireSoundList(const ResultList& list) {
    bool seenEmpty = false;
    int64_t previousTotal = 0;
    for (const ResultRecord& record : list) {
        if (record.Empty()) {
            Require(record == ResultRecord{}, "an empty slot holds nothing");
            seenEmpty = true;
            continue;
        }
        Require(!seenEmpty, "filled slots come first");
        Require(record.penalty >= 0 && record.originalTime >= 0, "times are not negative");
        Require(record.totalTime - record.penalty == record.originalTime,
                "the total is the time plus the penalty");
        Require(record.totalTime >= previousTotal, "totals never decrease");
        previousTotal = record.totalTime;
    }
}

// After LoadBestResults: when every level's value was a list, the table holds those lists;
// otherwise all five are empty and written back empty. Either way the store now holds the
// table.
inline void RequireLoadedFrom(const BestResultsTable& table,
                              const std::array<std::optional<ResultList>, kDatabaseLevels>& stored,
                              SettingsStore& store) {
    bool allGood = true;
    for (const auto& list : stored) allGood = allGood && list.has_value();
    for (int32_t level = 0; level < kDatabaseLevels; ++level) {
        const ResultList& list = table.List(level);
        RequireSoundList(list);
        Require(list == (allGood ? *stored[level] : ResultList{}),
                "the stored lists are taken whole or not at all");
        const auto back = store.ReadBinary(kBestResultsSection, kBestResultsKeys[level]);
        Require(back && DecodeResultList(*back) == list, "the store holds the table");
    }
}

} // namespace zentile::fuzz
