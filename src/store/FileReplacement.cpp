#include "store/FileReplacement.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zentile {

namespace fs = std::filesystem;

namespace {

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

// A new, empty file in the folder whose name starts with the target's, hidden; -1 if none
// can be made there.
int CreateTemporaryFile(const fs::path& folder, const fs::path& name, fs::path& temporary) {
    const std::string stem = "." + name.string() + "." + std::to_string(::getpid()) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / (stem + std::to_string(attempt) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

bool ReplaceFileContents(const fs::path& requested, std::string_view contents) {
    std::error_code error;
    fs::path target = requested;
    // Saving onto a link replaces the file it leads to and keeps the link.
    if (fs::is_symlink(target, error)) {
        target = fs::weakly_canonical(target, error);
        if (error) return false;
    }
    if (!target.has_filename()) return false;

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0)) return false;

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temporary;
    const int fd = CreateTemporaryFile(folder, target.filename(), temporary);
    if (fd < 0) return false;
    // The replacement keeps the permissions of the file it replaces.
    if (exists) ::fchmod(fd, existing.st_mode & 07777);
    bool written = WriteAll(fd, contents) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace zentile
