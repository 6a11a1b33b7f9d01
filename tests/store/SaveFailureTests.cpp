#include "StoreFixture.h"
#include "store/SavedGameFile.h"
#include "store/StoreTexts.h"
#include "store/TempFolder.h"

#include <csignal>
#include <cstdio>
#include <grp.h>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

// The name of a temporary file that a save of the given process writes.
std::string TemporaryName(pid_t writer, int attempt) {
    char name[32];
    std::snprintf(name, sizeof name, ".zentile-%010d-%02d.tmp", static_cast<int>(writer), attempt);
    return name;
}

struct stat Status(const std::filesystem::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status;
}

constexpr uid_t kOtherUser = 65534;

class SaveFailureTest : public StoreFixture {
protected:
    TempFolder folder;

    // Saves in a child process that is another user, with no rights beyond that user's, and
    // with the file-size limit given. Its exit code: 0 saved, 1 the error box, 2 it could not
    // become that user or take that limit.
    int SaveAsAnotherUser(const std::filesystem::path& path, rlim_t sizeLimit = RLIM_INFINITY) {
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kOtherUser) != 0 ||
                ::setuid(kOtherUser) != 0)
                ::_exit(2);
            std::optional<FileSizeLimit> limit;
            if (sizeLimit != RLIM_INFINITY && !limit.emplace(sizeLimit).active) ::_exit(2);
            host.fileNames.push_back(path.string());
            Run(cmd::SaveGame);
            ::_exit(host.messages.empty() ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

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

TEST_F(SaveFailureTest, ANameOfTheLongestLegalLengthIsSaved) {
    StartGameWithPlay();
    const std::string name = std::string(251, 'n') + ".ztg";
    Save(folder / name);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ReadFile(folder / name), FormatSavedGame(game.grid, game.session.level));
    EXPECT_EQ(Names(folder.path), std::set<std::string>{name});
}

TEST_F(SaveFailureTest, SavingOntoALinkThatLeadsNowhereCreatesItsFileAndKeepsTheLinks) {
    namespace fs = std::filesystem;
    StartGameWithPlay();
    fs::create_directory(folder / "games");
    fs::create_symlink("hop.ztg", folder / "link.ztg");
    fs::create_symlink("games/new.ztg", folder / "hop.ztg");

    Save(folder / "link.ztg");

    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(fs::is_symlink(folder / "link.ztg"));
    EXPECT_TRUE(fs::is_symlink(folder / "hop.ztg"));
    EXPECT_EQ(ReadFile(folder / "games" / "new.ztg"),
              FormatSavedGame(game.grid, game.session.level));
    EXPECT_EQ(Names(folder.path), (std::set<std::string>{"games", "hop.ztg", "link.ztg"}));
    EXPECT_EQ(Names(folder / "games"), std::set<std::string>{"new.ztg"});
}

TEST_F(SaveFailureTest, TemporaryFilesOfEndedSavesAreRemovedByTheNextSave) {
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const std::string left = TemporaryName(ended, 0);
    const std::string running = TemporaryName(::getpid(), 5);
    const std::string unpadded = ".zentile-" + std::to_string(ended) + "-00.tmp";
    const std::string shown = left.substr(1);
    for (const std::string& name : {left, running, unpadded, shown}) WriteFile(folder / name, "x");

    StartGameWithPlay();
    Save(folder / "game.ztg");

    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Names(folder.path), (std::set<std::string>{"game.ztg", running, unpadded, shown}));
}

// Root may give the new file the old one's owner; another user writes the file in place, so
// that it stays the owner's.
TEST_F(SaveFailureTest, SavingOverAFileKeepsItsOwnerGroupAndMode) {
    namespace fs = std::filesystem;
    if (::geteuid() != 0) GTEST_SKIP() << "only root can make files of another user";
    StartGameWithPlay();
    WriteFile(folder / "theirs.ztg", "an older game");
    ASSERT_EQ(::chown((folder / "theirs.ztg").c_str(), kOtherUser, kOtherUser), 0);
    ::chmod((folder / "theirs.ztg").c_str(), 0640);
    Save(folder / "theirs.ztg");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ReadFile(folder / "theirs.ztg"), FormatSavedGame(game.grid, game.session.level));
    EXPECT_EQ(Status(folder / "theirs.ztg").st_uid, kOtherUser);
    EXPECT_EQ(Status(folder / "theirs.ztg").st_gid, kOtherUser);
    EXPECT_EQ(Status(folder / "theirs.ztg").st_mode & 07777, 0640U);

    // A folder shared by everyone, and a file of root's that everyone may write.
    ::chmod(folder.path.c_str(), 0777);
    WriteFile(folder / "shared.ztg", "an older game");
    ::chmod((folder / "shared.ztg").c_str(), 0666);
    const int saved = SaveAsAnotherUser(folder / "shared.ztg");
    if (saved == 2) GTEST_SKIP() << "a child cannot become another user here";
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(ReadFile(folder / "shared.ztg"), FormatSavedGame(game.grid, game.session.level));
    EXPECT_EQ(Status(folder / "shared.ztg").st_uid, 0U);
    EXPECT_EQ(Status(folder / "shared.ztg").st_gid, 0U);
    EXPECT_EQ(Status(folder / "shared.ztg").st_mode & 07777, 0666U);
    EXPECT_EQ(Names(folder.path), (std::set<std::string>{"shared.ztg", "theirs.ztg"}));
}

// The folder cannot take a new file, so the player's own file there is written in place; a
// write that cannot be given its room leaves the file as it was.
TEST_F(SaveFailureTest, AFileInAFolderThePlayerMayNotWriteIsSavedInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can make files of another user";
    StartGameWithPlay();
    ::chmod(folder.path.c_str(), 0755);
    WriteFile(folder / "game.ztg", "an older game");
    ASSERT_EQ(::chown((folder / "game.ztg").c_str(), kOtherUser, kOtherUser), 0);

    const int limited = SaveAsAnotherUser(folder / "game.ztg", 100);
    if (limited == 2) GTEST_SKIP() << "a child cannot become another user here";
    EXPECT_EQ(limited, 1);
    EXPECT_EQ(ReadFile(folder / "game.ztg"), "an older game");

    EXPECT_EQ(SaveAsAnotherUser(folder / "game.ztg"), 0);
    EXPECT_EQ(ReadFile(folder / "game.ztg"), FormatSavedGame(game.grid, game.session.level));
    EXPECT_EQ(Status(folder / "game.ztg").st_uid, kOtherUser);
    EXPECT_EQ(Names(folder.path), std::set<std::string>{"game.ztg"});
}

} // namespace
} // namespace zentile::test
