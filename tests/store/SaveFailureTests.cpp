#include "StoreFixture.h"
#include "store/SavedGameFile.h"
#include "store/StoreTexts.h"
#include "store/TempFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/resource.h>

namespace zentile::test {
namespace {

std::set<std::string> Names(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Lets no file of this process grow beyond a few bytes, the way a full disk stops a write
// halfway. Writing past the limit fails with EFBIG instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        active = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    bool active = false;

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};

class SaveFailureTest : public StoreFixture {
protected:
    TempFolder folder;

    void ExpectSaveError() {
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].text, kSaveErrorMessage);
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
        host.messages.clear();
    }
};

TEST_F(SaveFailureTest, SaveIntoAMissingFolderFailsAndCreatesNothing) {
    StartGameWithPlay();
    Save(folder / "missing" / "game.ztg");
    ExpectSaveError();
    EXPECT_TRUE(Names(folder.path).empty());
}

TEST_F(SaveFailureTest, SaveOntoAFolderFailsAndLeavesItAsItWas) {
    StartGameWithPlay();
    std::filesystem::create_directory(folder / "game.ztg");
    WriteFile(folder / "game.ztg" / "inside", "kept");
    Save(folder / "game.ztg");
    ExpectSaveError();
    EXPECT_TRUE(std::filesystem::is_directory(folder / "game.ztg"));
    EXPECT_EQ(ReadFile(folder / "game.ztg" / "inside"), "kept");
    EXPECT_EQ(Names(folder.path), std::set<std::string>{"game.ztg"});
}

TEST_F(SaveFailureTest, SaveOntoADeviceIsRefused) {
    const std::filesystem::path full = "/dev/full";
    if (!std::filesystem::is_character_file(full)) GTEST_SKIP() << "no /dev/full here";
    StartGameWithPlay();
    Save(full);
    ExpectSaveError();
    EXPECT_TRUE(std::filesystem::is_character_file(full));
}

TEST_F(SaveFailureTest, WriteFailingHalfwayKeepsTheEarlierFileWhole) {
    StartGameWithPlay(/*level=*/0, /*number=*/11);
    Save(folder / "game.ztg");
    const std::string earlier = ReadFile(folder / "game.ztg");
    ASSERT_EQ(earlier, FormatSavedGame(game.grid, 0));
    ASSERT_TRUE(host.messages.empty());

    game.session.level = 4;
    StartNumberedGame(game, host, 12);
    host.fileNames.push_back((folder / "game.ztg").string());
    {
        FileSizeLimit limit(100);
        if (!limit.active) GTEST_SKIP() << "cannot limit the file size";
        Run(cmd::SaveGame);
    }
    ExpectSaveError();
    EXPECT_EQ(ReadFile(folder / "game.ztg"), earlier);
    EXPECT_EQ(Names(folder.path), std::set<std::string>{"game.ztg"});

    // Once there is room again the same save goes through.
    Save(folder / "game.ztg");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ReadFile(folder / "game.ztg"), FormatSavedGame(game.grid, 4));
}

TEST_F(SaveFailureTest, ReplacingAFileKeepsItsLinkAndPermissionsAndLeavesNothingElse) {
    namespace fs = std::filesystem;
    StartGameWithPlay();
    WriteFile(folder / "real.ztg", "an older game");
    fs::permissions(folder / "real.ztg",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.ztg", folder / "link.ztg");

    Save(folder / "link.ztg");

    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(fs::is_symlink(folder / "link.ztg"));
    EXPECT_EQ(ReadFile(folder / "real.ztg"), FormatSavedGame(game.grid, game.session.level));
    EXPECT_EQ(fs::status(folder / "real.ztg").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(folder.path), (std::set<std::string>{"link.ztg", "real.ztg"}));
}

} // namespace
} // namespace zentile::test
