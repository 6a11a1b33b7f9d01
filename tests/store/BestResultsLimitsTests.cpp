// Results at the edges of what a list can hold, found by fuzzing the best-results store.

#include "model/PlayStatistics.h"
#include "store/BestResults.h"
#include "store/MemorySettingsStore.h"
#include "store/StoreTexts.h"

#include <gtest/gtest.h>
#include <limits>

namespace zentile {
namespace {

constexpr int64_t kLongest = std::numeric_limits<int64_t>::max();

// A time the clock cannot give was once stored as it came; the next start then found the list
// damaged and emptied all five levels.
TEST(BestResultsLimits, ATimeNoListCanHoldIsNotRankedAndTheTableSurvivesARestart) {
    MemorySettingsStore store;
    BestResultsTable table(store);
    table.LoadBestResults();
    table.InsertResult(95, 1, {});
    const std::size_t writes = store.writes;

    const PlayStatistics twoHints{.hints = 2};
    table.InsertResult(-1, 1, {});
    table.InsertResult(std::numeric_limits<int64_t>::min(), 1, twoHints);
    table.InsertResult(kLongest, 1, twoHints);       // the total would not fit
    table.InsertResult(kLongest - 239, 1, twoHints); // one second too long with 240 penalty
    EXPECT_EQ(store.writes, writes);
    EXPECT_TRUE(table.List(1)[1].Empty());

    // The longest that fits ranks, and everything is read back at the next start.
    table.InsertResult(kLongest - 240, 1, twoHints);
    EXPECT_EQ(table.List(1)[1].totalTime, kLongest);
    table.InsertResult(0, 1, {});
    BestResultsTable next(store);
    next.LoadBestResults();
    EXPECT_EQ(next.List(1)[0].totalTime, 0);
    EXPECT_EQ(next.List(1)[1].totalTime, 95);
    EXPECT_EQ(next.List(1)[2].totalTime, kLongest);
}

} // namespace
} // namespace zentile
