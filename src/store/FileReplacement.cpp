#include "store/FileReplacement.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/limits.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace zentile {

namespace fs = std::filesystem;

namespace {

// Closes the descriptor when the save is done with it.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    // Where a failing close means lost data, as on network file systems.
    bool Close() { return ::close(std::exchange(fd, -1)) == 0; }
    int fd;
};

// The name through which the kernel reaches an open file, whatever its links and wherever the
// file now lies.
std::string Reach(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

// A write that makes no progress is a failure, never a reason to try again.
bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Gives the new file the extended attributes of the old one, its ACL among them. An ACL that
// the new file took from the folder's default goes first: the old file's, or none, stays.
bool CopyAttributes(const std::string& from, int to) {
    if (::fremovexattr(to, "system.posix_acl_access") != 0 && errno != ENODATA &&
        errno != EOPNOTSUPP)
        return false;
    std::string names(XATTR_LIST_MAX, '\0'), value(XATTR_SIZE_MAX, '\0');
    const ssize_t length = ::listxattr(from.c_str(), names.data(), names.size());
    if (length < 0) return errno == EOPNOTSUPP;
    for (const char* name = names.data(); name < names.data() + length;
         name += std::strlen(name) + 1) {
        const ssize_t size = ::getxattr(from.c_str(), name, value.data(), value.size());
        if (size < 0 || ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(size), 0) != 0)
            return false;
    }
    return true;
}

// Makes a new hidden name in the folder through make, trying another while one is taken.
template <class Make> std::string NewName(Make make) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = ".zentile-" + std::to_string(random()) + ".tmp";
        if (make(name.c_str())) return name;
        if (errno != EEXIST) break;
    }
    return {};
}

} // namespace

bool ReplaceFileContents(const fs::path& requested, std::string_view contents) {
    // The kernel follows the links, with its own limits and rules.
    Descriptor old(::open(requested.c_str(), O_PATH | O_CLOEXEC));
    const bool missing = old.fd < 0 && errno == ENOENT;
    struct stat status {};
    std::error_code error;
    fs::path real;
    if (old.fd >= 0) {
        if (::fstat(old.fd, &status) != 0 || !S_ISREG(status.st_mode) ||
            ::access(Reach(old.fd).c_str(), W_OK) != 0)
            return false;
        real = fs::read_symlink(Reach(old.fd), error);
    } else if (missing && !fs::is_symlink(requested, error)) {
        real = fs::absolute(requested, error);
    } else if (missing) {
        // Where a link that leads nowhere ends is known once the kernel has made the file there.
        const Descriptor made(::open(requested.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        if (made.fd < 0) return false;
        real = fs::read_symlink(Reach(made.fd), error);
        if (!error) ::unlink(real.c_str());
    }
    if (real.empty() || error) return false;

    const Descriptor folder(::open(real.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    Descriptor file(::openat(folder.fd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    std::string temporary;
    if (file.fd < 0 && errno == EOPNOTSUPP) // a file system without unnamed files
        temporary = NewName([&](const char* name) {
            file.fd = ::openat(folder.fd, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return file.fd >= 0;
        });
    if (file.fd < 0) return false;

    bool written = WriteAll(file.fd, contents);
    if (written && old.fd >= 0) {
        // Owner and group where the player may, else the group alone; a file the player may not
        // give back becomes the player's, as any file another program replaces does.
        if (::fchown(file.fd, status.st_uid, status.st_gid) != 0)
            (void)!::fchown(file.fd, static_cast<uid_t>(-1), status.st_gid);
        written = CopyAttributes(Reach(old.fd), file.fd) &&
                  ::fchmod(file.fd, status.st_mode & 07777) == 0;
    }
    written = written && ::fsync(file.fd) == 0;
    if (written && temporary.empty())
        temporary = NewName([&](const char* name) {
            return ::linkat(AT_FDCWD, Reach(file.fd).c_str(), folder.fd, name, AT_SYMLINK_FOLLOW) ==
                   0;
        });
    written = file.Close() && written && !temporary.empty() &&
              ::renameat(folder.fd, temporary.c_str(), folder.fd, real.filename().c_str()) == 0;
    if (!written) {
        if (!temporary.empty()) ::unlinkat(folder.fd, temporary.c_str(), 0);
        return false;
    }
    // Makes the new name survive a power cut; the file is complete either way.
    ::fsync(folder.fd);
    return true;
}

} // namespace zentile
