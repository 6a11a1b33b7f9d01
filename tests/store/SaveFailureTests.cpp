#include "StoreFixture.h"
#include "store/FileReplacement.h"
#include "store/SavedGameFile.h"
#include "store/StoreTexts.h"
#include "store/TempFolder.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/limits.h>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
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

// The value of an extended attribute of a file; nothing where it has none.
std::optional<std::string> Attribute(const std::filesystem::path& path, const char* name) {
    std::string value(XATTR_SIZE_MAX, '\0');
    const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
    if (size < 0) return std::nullopt;
    value.resize(static_cast<std::size_t>(size));
    return value;
}

// A POSIX ACL the way the kernel keeps it in an extended attribute: a version, then the tag,
// permissions and id of each entry.
std::string Acl(std::initializer_list<std::array<uint32_t, 3>> entries) {
    std::string acl;
    const auto put = [&acl](auto field) {
        acl.append(reinterpret_cast<const char*>(&field), sizeof field);
    };
    put(uint32_t{2});
    for (const auto& [tag, permissions, id] : entries) {
        put(static_cast<uint16_t>(tag));
        put(static_cast<uint16_t>(permissions));
        put(id);
    }
    return acl;
}

// Runs a save in a program of its own, with the fault shim making the system call that fault
// names fail. Its exit code: 0 saved, 1 not saved; a save that spins is ended by an alarm.
int SaveUnderFault(const std::filesystem::path& path, std::string_view contents, const char* fault,
                   bool withoutUnnamedFiles) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("LD_PRELOAD", ZENTILE_FAULT_SHIM, 1);
        // Under AddressSanitizer the shim comes before the sanitizer's library.
        ::setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);
        ::setenv("ZENTILE_FAULT", fault, 1);
        if (withoutUnnamedFiles) ::setenv("ZENTILE_NO_TMPFILE", "1", 1);
        ::alarm(60);
        const std::string text(contents);
        ::execl(ZENTILE_SAVE_DRIVER, ZENTILE_SAVE_DRIVER, path.c_str(), text.c_str(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
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

    // Saves in a child process that is the given user, with no rights beyond that user's. Its
    // exit code: 0 saved, 1 the error box, 2 it could not become that user.
    int SaveAsUser(const std::filesystem::path& path, uid_t user) {
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0)
                ::_exit(2);
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

TEST_F(SaveFailureTest, FilesNamedLikeTemporaryFilesOfOtherSavesSurviveASave) {
    // Names of hidden files that saves make, and of saves of an older game; their writers may
    // be running on another machine that shares the folder.
    const std::set<std::string> foreign = {".zentile-0000000001-00.tmp", ".zentile-12345.tmp"};
    for (const std::string& name : foreign) WriteFile(folder / name, "theirs");
    StartGameWithPlay();
    Save(folder / "game.ztg");
    EXPECT_TRUE(host.messages.empty());
    for (const std::string& name : foreign) EXPECT_EQ(ReadFile(folder / name), "theirs");
    EXPECT_EQ(Names(folder.path).size(), foreign.size() + 1);
}

TEST_F(SaveFailureTest, ReplacingAFileKeepsItsAclAndExtendedAttributes) {
    enum : uint32_t { UserObj = 1, User = 2, GroupObj = 4, Mask = 0x10, Other = 0x20 };
    constexpr uint32_t kNone = UINT32_MAX;
    const std::string granted = Acl({{UserObj, 6, kNone},
                                     {User, 6, kOtherUser},
                                     {GroupObj, 4, kNone},
                                     {Mask, 6, kNone},
                                     {Other, 0, kNone}});
    WriteFile(folder / "granted.ztg", "an older game");
    WriteFile(folder / "plain.ztg", "an older game");
    if (::setxattr((folder / "granted.ztg").c_str(), "system.posix_acl_access", granted.data(),
                   granted.size(), 0) != 0 ||
        ::setxattr((folder / "granted.ztg").c_str(), "user.origin", "club", 4, 0) != 0)
        GTEST_SKIP() << "no ACLs or extended attributes here";
    // New files in the folder take an ACL of their own, which plain.ztg never had.
    ASSERT_EQ(::setxattr(folder.path.c_str(), "system.posix_acl_default", granted.data(),
                         granted.size(), 0),
              0);
    const auto acl = Attribute(folder / "granted.ztg", "system.posix_acl_access");
    const mode_t mode = Status(folder / "granted.ztg").st_mode;

    StartGameWithPlay();
    Save(folder / "granted.ztg");
    Save(folder / "plain.ztg");

    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ReadFile(folder / "granted.ztg"), FormatSavedGame(game.grid, game.session.level));
    EXPECT_EQ(Attribute(folder / "granted.ztg", "system.posix_acl_access"), acl);
    EXPECT_EQ(Attribute(folder / "granted.ztg", "user.origin"), "club");
    EXPECT_EQ(Status(folder / "granted.ztg").st_mode, mode);
    EXPECT_EQ(Attribute(folder / "plain.ztg", "system.posix_acl_access"), std::nullopt);
    EXPECT_EQ(Names(folder.path), (std::set<std::string>{"granted.ztg", "plain.ztg"}));
}

// Another user saves over a file of root's in a folder everyone may write, and over that user's
// own file in a folder only root may write. A file whose owner the saver may not give back
// becomes the saver's; another's file in a folder with the sticky bit, and any file in a
// folder the saver may not write, is not saved. Root keeps any owner.
TEST_F(SaveFailureTest, SavingOverAFileOfAnotherUserKeepsWhatTheSaverMay) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can make files of another user";
    struct Case {
        uid_t saver;
        mode_t folderMode;
        uid_t fileOwner;
        bool saved;
        uid_t ownerAfter;
    };
    for (const Case& c :
         {Case{0, 0755, kOtherUser, true, kOtherUser}, Case{kOtherUser, 0777, 0, true, kOtherUser},
          Case{kOtherUser, 01777, 0, false, 0},
          Case{kOtherUser, 0755, kOtherUser, false, kOtherUser}}) {
        SCOPED_TRACE(testing::Message() << "saver " << c.saver << ", folder " << std::oct
                                        << c.folderMode << ", file of " << std::dec << c.fileOwner);
        TempFolder shared;
        const auto path = shared / "game.ztg";
        StartGameWithPlay();
        WriteFile(path, "an older game");
        ASSERT_EQ(::chown(path.c_str(), c.fileOwner, c.fileOwner), 0);
        ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
        ASSERT_EQ(::chmod(shared.path.c_str(), c.folderMode), 0);

        const int saved = SaveAsUser(path, c.saver);
        if (saved == 2) GTEST_SKIP() << "a child cannot become another user here";
        EXPECT_EQ(saved, c.saved ? 0 : 1);
        EXPECT_EQ(ReadFile(path),
                  c.saved ? FormatSavedGame(game.grid, game.session.level) : "an older game");
        EXPECT_EQ(Status(path).st_uid, c.ownerAfter);
        EXPECT_EQ(Status(path).st_gid, c.ownerAfter);
        EXPECT_EQ(Status(path).st_mode & 07777, 0666U);
        EXPECT_EQ(Names(shared.path), std::set<std::string>{"game.ztg"});
    }
}

TEST_F(SaveFailureTest, LinksAreFollowedAsDeepAsTheKernelFollowsThem) {
    StartGameWithPlay();
    for (const int links : {40, 41}) {
        SCOPED_TRACE(links);
        TempFolder chain;
        WriteFile(chain / "game.ztg", "an older game");
        for (int link = 1; link <= links; ++link)
            std::filesystem::create_symlink(link == links ? "game.ztg"
                                                          : "link" + std::to_string(link + 1),
                                            chain / ("link" + std::to_string(link)));
        host.fileNames.push_back((chain / "link1").string());
        Run(cmd::SaveGame);
        if (links == 41) ExpectSaveError();
        EXPECT_EQ(ReadFile(chain / "game.ztg"),
                  links == 41 ? "an older game" : FormatSavedGame(game.grid, game.session.level));
        EXPECT_EQ(Names(chain.path).size(), static_cast<std::size_t>(links) + 1);
    }
}

// With the kernel's rule for links in shared folders on, as desktops have it, a link another
// user planted in /tmp is not followed onto a player's file; the player's own link is.
TEST_F(SaveFailureTest, ALinkAnotherUserPlantedInASharedFolderIsNotFollowed) {
    const std::filesystem::path rule = "/proc/sys/fs/protected_symlinks";
    std::string previous;
    if (::geteuid() != 0 || !(std::ifstream(rule) >> previous) ||
        !(std::ofstream(rule) << "1" << std::flush))
        GTEST_SKIP() << "cannot switch on the rule for links in shared folders";
    struct Restore {
        const std::filesystem::path& rule;
        const std::string& previous;
        ~Restore() { std::ofstream(rule) << previous; }
    } restore{rule, previous};

    StartGameWithPlay();
    ::chmod(folder.path.c_str(), 01777);
    WriteFile(folder / "ours.ztg", "an older game");
    std::filesystem::create_symlink("ours.ztg", folder / "planted.ztg");
    std::filesystem::create_symlink("ours.ztg", folder / "mine.ztg");
    ASSERT_EQ(::lchown((folder / "planted.ztg").c_str(), kOtherUser, kOtherUser), 0);

    Save(folder / "planted.ztg");
    ExpectSaveError();
    EXPECT_EQ(ReadFile(folder / "ours.ztg"), "an older game");
    Save(folder / "mine.ztg");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ReadFile(folder / "ours.ztg"), FormatSavedGame(game.grid, game.session.level));
    EXPECT_EQ(Names(folder.path), (std::set<std::string>{"mine.ztg", "ours.ztg", "planted.ztg"}));
}

// Saves killed at moments spread over the length of one save. The old file or the new one is
// there, whole; only a kill between naming the finished file and putting it in place (two
// system calls) can leave a hidden file, which the test counts and clears.
TEST_F(SaveFailureTest, SavesKilledAtAnyMomentLeaveTheOldOrTheNewFileWhole) {
    using Clock = std::chrono::steady_clock;
    const auto path = folder / "game.ztg";
    const std::string older(260, 'o'), newer(260, 'n');
    const auto startSave = [&] {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(ReplaceFileContents(path, newer) ? 0 : 1);
        return child;
    };
    const auto begin = Clock::now();
    for (int save = 0; save < 10; ++save) ::waitpid(startSave(), nullptr, 0);
    const auto length = (Clock::now() - begin) / 10;

    std::mt19937 random(20240611);
    std::uniform_int_distribution<Clock::rep> delay(0, length.count());
    int kept = 0, replaced = 0, finished = 0, left = 0;
    for (int round = 0; round < 100; ++round) {
        WriteFile(path, older);
        const pid_t child = startSave();
        std::this_thread::sleep_for(Clock::duration(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        finished += WIFEXITED(status);
        const std::string now = ReadFile(path);
        kept += now == older;
        replaced += now == newer;
        for (const std::string& name : Names(folder.path)) {
            if (name == "game.ztg") continue;
            EXPECT_EQ(name.rfind(".zentile-", 0), 0U) << name;
            std::filesystem::remove(folder / name);
            ++left;
        }
    }
    std::printf("one save %lld us; of 100 kills: old file %d, new file %d (save done first %d), "
                "hidden file left %d\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(length).count()),
                kept, replaced, finished, left);
    EXPECT_EQ(kept + replaced, 100);
    // A file named at its start would be left by most kills.
    EXPECT_LE(left, 10);
}

TEST_F(SaveFailureTest, AFailingSystemCallLeavesTheOldFileWholeAndNothingElse) {
    struct Case {
        const char* fault;
        bool saved;
    };
    const std::string newer = "the new contents, long enough for several short writes";
    for (const bool withoutUnnamedFiles : {false, true}) {
        for (const auto& [fault, saved] :
             {Case{"", true}, Case{"write", false}, Case{"write-short", true},
              Case{"write-zero", false}, Case{"write-full", false}, Case{"fsync", false},
              Case{"close", false}, Case{"linkat", withoutUnnamedFiles}, Case{"renameat", false}}) {
            SCOPED_TRACE(testing::Message()
                         << "fault '" << fault << "', unnamed files " << !withoutUnnamedFiles);
            WriteFile(folder / "game.ztg", "an older game");
            EXPECT_EQ(SaveUnderFault(folder / "game.ztg", newer, fault, withoutUnnamedFiles),
                      saved ? 0 : 1);
            EXPECT_EQ(ReadFile(folder / "game.ztg"), saved ? newer : "an older game");
            EXPECT_EQ(Names(folder.path), std::set<std::string>{"game.ztg"});
        }
    }
}

} // namespace
} // namespace zentile::test
