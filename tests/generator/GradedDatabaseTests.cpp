// Every shipped puzzle is graded as its level: the grader, taking the simplest step each time,
// needs exactly the techniques of the level (Very Hard: more than the Hard set).

#include "Grader.h"
#include "model/PuzzleDatabase.h"

#include <gtest/gtest.h>
#include <string>

namespace zentile {
namespace {

TEST(GradedDatabase, EveryRecordNeedsItsLevelsTechniques) {
    Grader grader;
    for (int level = 0; level < kDatabaseLevels; ++level) {
        const PuzzleTable& table = PuzzleDatabase[level];
        for (uint32_t i = 0; i < table.count; ++i) {
            SCOPED_TRACE(std::string(LevelNames[level].English()) + " record " + std::to_string(i));
            PuzzleRecord record = table.Record(i);
            Digits clues{};
            Digits solution{};
            for (int k = 0; k < kCells; ++k) {
                clues[k] = static_cast<uint8_t>(record[k]);
                solution[k] = static_cast<uint8_t>(record[kCells + k]);
            }
            Grading grading = grader.Solve(clues);
            ASSERT_EQ(grading.level, level);
            ASSERT_EQ(grading.solved, level < kVeryHardLevel);
            // Whatever the techniques filled in agrees with the stored solution.
            for (int k = 0; k < kCells; ++k) {
                if (grading.grid[k]) {
                    ASSERT_EQ(grading.grid[k], solution[k]) << "cell " << k;
                }
            }
        }
    }
}

} // namespace
} // namespace zentile
