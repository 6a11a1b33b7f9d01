#pragma once

#include "model/CellOperations.h"
#include "model/Game.h"
#include "play/GameController.h"
#include "solver/SudokuSolver.h"
#include "store/MemorySettingsStore.h"
#include "store/StoreAndEditor.h"
#include "support/FakeHost.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zentile::test {

// One game wired up the way the application wires it, over an in-memory store.
class StoreFixture : public ::testing::Test {
protected:
    Game game;
    FakeHost host;
    GameController controller{game, host};
    MemorySettingsStore store;
    CSudokuSolver solver;
    StoreAndEditor wiring{controller, store, solver};

    // A numbered game with some play in it: entries, a pencil mark, an undo record, an open
    // branch, a hint on screen, in the letter game.
    void StartGameWithPlay(int32_t level = 1, uint32_t number = 1234) {
        game.options.NumberGame = false;
        game.session.level = level;
        StartNumberedGame(game, host, number);
        int entered = 0;
        for (Cell& cell : game.grid) {
            if (cell.given) continue;
            if (entered == 0) TogglePencilMark(game, cell, 4);
            if (entered < 5)
                SetValue(game, host, cell, entered == 3 ? cell.solution % 9 + 1 : cell.solution);
            ++entered;
        }
        ASSERT_TRUE(controller.commands.Execute(cmd::StartBranch));
        ASSERT_TRUE(controller.commands.Execute(cmd::ShowHint));
        host.now += 75;
    }

    bool Run(CommandId id) { return controller.commands.Execute(id); }

    void Open(const std::filesystem::path& path) {
        host.fileNames.push_back(path.string());
        ASSERT_TRUE(Run(cmd::OpenGame));
    }
    void Save(const std::filesystem::path& path) {
        host.fileNames.push_back(path.string());
        ASSERT_TRUE(Run(cmd::SaveGame));
    }
};

} // namespace zentile::test
