#include "store/FileReplacement.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentile {

namespace fs = std::filesystem;

namespace {

// As many links in a row as the system itself follows before it gives up on a loop.
constexpr int kLinkHops = 40;
constexpr int kTemporaryAttempts = 100;

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself survive a power cut. A folder that cannot be synced still holds
// a complete file, so a failure here is no failure of the save.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The file a chain of links leads to, which need not exist; a link's relative target counts
// from the link's own folder. Nothing for a loop.
std::optional<fs::path> FollowLinks(fs::path path) {
    for (int hop = 0; hop < kLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(path, error)) return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// The hidden name of a temporary file: short and of one length, so that any name the folder
// takes can be saved, and naming the process that writes it.
std::string TemporaryName(pid_t writer, int attempt) {
    char name[32];
    std::snprintf(name, sizeof name, ".zentile-%010d-%02d.tmp", static_cast<int>(writer), attempt);
    return name;
}

// Removes the temporary files that saves of ended processes left behind, as when the game was
// killed while writing. Files of running processes and every other name stay.
void RemoveLeftTemporaryFiles(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        long long writer = 0;
        int attempt = 0;
        if (std::sscanf(name.c_str(), ".zentile-%10lld-%2d", &writer, &attempt) != 2 ||
            writer <= 0 || writer > INT_MAX ||
            name != TemporaryName(static_cast<pid_t>(writer), attempt))
            continue;
        if (::kill(static_cast<pid_t>(writer), 0) == -1 && errno == ESRCH)
            ::unlink(entry->path().c_str());
    }
}

// A new, empty file in the folder; -1 if none can be made there.
int CreateTemporaryFile(const fs::path& folder, fs::path& temporary) {
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        temporary = folder / TemporaryName(::getpid(), attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Gives the new file the owner, group and mode of the file it replaces; false where this
// process may not.
bool TakeOwnerAndMode(int fd, const struct stat& old) {
    return ::fchown(fd, old.st_uid, old.st_gid) == 0 && ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Whether the file may grow to size bytes: within the file-size limit and, where the file
// system can reserve space, with the disk space claimed.
bool ClaimRoom(int fd, std::size_t size) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        size > limit.rlim_cur)
        return false;
    if (size == 0 || ::fallocate(fd, 0, 0, static_cast<off_t>(size)) == 0) return true;
    return errno != ENOSPC && errno != EDQUOT && errno != EFBIG;
}

// Writes over the file itself, for where no new file can take its place. The room is claimed
// before the old contents are touched, so a full disk or the size limit leaves them as they
// were.
bool WriteInPlace(const fs::path& target, std::string_view contents) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool written = ClaimRoom(fd, contents.size()) && WriteAll(fd, contents) &&
                   ::ftruncate(fd, static_cast<off_t>(contents.size())) == 0 && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    return written;
}

} // namespace

bool ReplaceFileContents(const fs::path& requested, std::string_view contents) {
    const std::optional<fs::path> target = FollowLinks(requested);
    if (!target || !target->has_filename()) return false;

    struct stat existing {};
    const bool exists = ::stat(target->c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::access(target->c_str(), W_OK) != 0))
        return false;

    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
    RemoveLeftTemporaryFiles(folder);
    fs::path temporary;
    const int fd = CreateTemporaryFile(folder, temporary);
    if (fd < 0) return exists && WriteInPlace(*target, contents);
    if (exists && !TakeOwnerAndMode(fd, existing)) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return WriteInPlace(*target, contents);
    }
    bool written = WriteAll(fd, contents) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target->c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace zentile
