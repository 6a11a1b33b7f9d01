#include "StoreFixture.h"
#include "store/FileReplacement.h"
#include "store/SavedGameFile.h"
#include "store/StoreTexts.h"
#include "store/TempFolder.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>
#include <utility>

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

// How a child process ended: its exit code, or 128 and the signal that ended it.
int ExitCode(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Saves in a program of its own under the fault shim, which fails the system calls that fault
// names. Its exit code: 0 saved, 1 not saved; a save that spins is ended by the alarm.
int SaveUnderFault(const std::filesystem::path& path, const std::string& contents,
                   const std::string& fault) {
    const pid_t child = ::fork();
    if (child == 0) {
        // Under AddressSanitizer the shim comes before the sanitizer's library.
        const char* asan = std::getenv("ASAN_OPTIONS");
        ::setenv("ASAN_OPTIONS",
                 (asan ? asan + std::string(":") : "").append("verify_asan_link_order=0").c_str(),
                 1);
        ::setenv("LD_PRELOAD", ZENTILE_FAULT_SHIM, 1);
        ::setenv("ZENTILE_FAULT", fault.c_str(), 1);
        ::alarm(60);
        ::execl(ZENTILE_SAVE_DRIVER, ZENTILE_SAVE_DRIVER, path.c_str(), contents.c_str(), nullptr);
        ::_exit(127);
    }
    return ExitCode(child);
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

    void ExpectSaveError() {
        ASSERT_EQ(host.messages.size(), 1U);
        EXPECT_EQ(host.messages[0].text, kSaveErrorMessage.English());
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

TEST_F(SaveFailureTest, ReplacingAFileKeepsItsAclAndExtendedAttributes) {
    // user::rw- user:65534:rw- group::r-- mask::rw- other::---, as the kernel keeps it.
    const std::string acl("\2\0\0\0\1\0\6\0\377\377\377\377\2\0\6\0\376\377\0\0\4\0\4\0\377\377\377"
                          "\377\20\0\6\0\377\377\377\377\40\0\0\0\377\377\377\377",
                          44);
    const auto attribute = [](const std::filesystem::path& path, const char* name) {
        std::string value(64, '\0');
        value.resize(std::max<ssize_t>(::getxattr(path.c_str(), name, value.data(), 64), 0));
        return value;
    };
    const auto granted = folder / "granted.ztg", plain = folder / "plain.ztg";
    WriteFile(granted, "an older game");
    WriteFile(plain, "an older game");
    if (::setxattr(granted.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0 ||
        ::setxattr(granted.c_str(), "user.origin", "club", 4, 0) != 0)
        GTEST_SKIP() << "no ACLs or extended attributes here";
    // New files in the folder take an ACL of their own, which plain.ztg never had.
    ASSERT_EQ(::setxattr(folder.path.c_str(), "system.posix_acl_default", acl.data(), 44, 0), 0);
    const mode_t mode = Status(granted).st_mode;

    StartGameWithPlay();
    Save(granted);
    Save(plain);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ReadFile(granted), FormatSavedGame(game.grid, game.session.level));
    EXPECT_EQ(attribute(granted, "system.posix_acl_access"), acl);
    EXPECT_EQ(attribute(granted, "user.origin"), "club");
    EXPECT_EQ(Status(granted).st_mode, mode);
    EXPECT_EQ(attribute(plain, "system.posix_acl_access"), "");
}

// As deep as the kernel follows links, and only where its rule for shared folders lets it: with
// the rule on, as desktops have it, a link another user planted in a folder like /tmp is not
// followed onto the player's file; the player's own link there is.
TEST_F(SaveFailureTest, LinksAreFollowedWhereAndAsDeepAsTheKernelFollowsThem) {
    StartGameWithPlay();
    const std::string newer = FormatSavedGame(game.grid, game.session.level);
    for (const int links : {40, 41}) {
        TempFolder chain;
        WriteFile(chain / "game.ztg", "an older game");
        for (int link = 1; link <= links; ++link)
            std::filesystem::create_symlink(link == links ? "game.ztg"
                                                          : "link" + std::to_string(link + 1),
                                            chain / ("link" + std::to_string(link)));
        Save(chain / "link1");
        EXPECT_EQ(host.messages.size(), links == 41 ? 1U : 0U) << links;
        EXPECT_EQ(ReadFile(chain / "game.ztg"), links == 41 ? "an older game" : newer);
        host.messages.clear();
    }

    const std::filesystem::path rule = "/proc/sys/fs/protected_symlinks";
    std::string previous;
    if (::geteuid() != 0 || !(std::ifstream(rule) >> previous) ||
        !(std::ofstream(rule) << "1" << std::flush))
        GTEST_SKIP() << "cannot switch on the kernel's rule for links in shared folders";
    const std::shared_ptr<void> restore(nullptr, [&](void*) { std::ofstream(rule) << previous; });
    ::chmod(folder.path.c_str(), 01777);
    WriteFile(folder / "ours.ztg", "an older game");
    std::filesystem::create_symlink("ours.ztg", folder / "planted.ztg");
    std::filesystem::create_symlink("ours.ztg", folder / "mine.ztg");
    ASSERT_EQ(::lchown((folder / "planted.ztg").c_str(), kOtherUser, kOtherUser), 0);
    Save(folder / "planted.ztg");
    ExpectSaveError();
    EXPECT_EQ(ReadFile(folder / "ours.ztg"), "an older game");
    Save(folder / "mine.ztg");
    EXPECT_EQ(ReadFile(folder / "ours.ztg"), newer);
    EXPECT_EQ(Names(folder.path), (std::set<std::string>{"mine.ztg", "ours.ztg", "planted.ztg"}));
}

// Saves killed at moments spread over the length of one save leave the old file or the new one
// whole. Only a kill between naming the finished file and putting it in place (two system
// calls) can leave a hidden file; the test counts and clears those.
TEST_F(SaveFailureTest, SavesKilledAtAnyMomentLeaveTheOldOrTheNewFileWhole) {
    using Clock = std::chrono::steady_clock;
    const std::string older(260, 'o'), newer(260, 'n');
    const auto startSave = [&] {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(ReplaceFileContents(folder / "game.ztg", newer) ? 0 : 1);
        return child;
    };
    const auto begin = Clock::now();
    for (int save = 0; save < 10; ++save) ExitCode(startSave());
    std::uniform_int_distribution<Clock::rep> delay(0, ((Clock::now() - begin) / 10).count());
    std::mt19937 random(20240611);
    int kept = 0, finished = 0, left = 0;
    for (int round = 0; round < 100; ++round) {
        WriteFile(folder / "game.ztg", older);
        const pid_t child = startSave();
        std::this_thread::sleep_for(Clock::duration(delay(random)));
        ::kill(child, SIGKILL);
        finished += ExitCode(child) == 0;
        const std::string now = ReadFile(folder / "game.ztg");
        EXPECT_TRUE(now == older || now == newer);
        kept += now == older;
        for (const std::string& name : Names(folder.path))
            if (name != "game.ztg") left += std::filesystem::remove(folder / name);
    }
    std::printf("one save %lld us; of 100 kills: %d kept the old file, %d came after the save, "
                "%d left a hidden file\n",
                static_cast<long long>(delay.max() / 1000), kept, finished, left);
    // A file named while it is written would be left by most kills.
    EXPECT_LE(left, 10);
}

// Each fault on both ways of writing the new file: the old file whole, and nothing gained or
// lost in the folder, files named like the hidden files of other saves among them.
TEST_F(SaveFailureTest, AFailingSystemCallLeavesTheOldFileWholeAndNothingElse) {
    const std::set<std::string> names{"game.ztg", ".zentile-0000000001-00.tmp", ".zentile-7.tmp"};
    for (const std::string& name : names) WriteFile(folder / name, "theirs");
    const std::string newer = "the new contents, long enough for several short writes";
    for (const std::string way : {"", " no-tmpfile"})
        for (const auto& [fault, saved] :
             std::initializer_list<std::pair<std::string, bool>>{{"none", true},
                                                                 {"write-error", false},
                                                                 {"write-short", true},
                                                                 {"write-zero", false},
                                                                 {"write-full", false},
                                                                 {"fsync", false},
                                                                 {"close", false},
                                                                 {"linkat", !way.empty()},
                                                                 {"renameat", false}}) {
            SCOPED_TRACE(fault + way);
            WriteFile(folder / "game.ztg", "an older game");
            EXPECT_EQ(SaveUnderFault(folder / "game.ztg", newer, fault + way), saved ? 0 : 1);
            EXPECT_EQ(ReadFile(folder / "game.ztg"), saved ? newer : "an older game");
            EXPECT_EQ(Names(folder.path), names);
        }
    EXPECT_EQ(ReadFile(folder / ".zentile-7.tmp"), "theirs");
}

} // namespace
} // namespace zentile::test
