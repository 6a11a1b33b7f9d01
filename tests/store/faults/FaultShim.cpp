// Loaded with LD_PRELOAD into the save driver: makes the system calls that ZENTILE_FAULT names
// fail as a full disk, a lost network file system or a broken one would.
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#define NEXT(call) reinterpret_cast<decltype(&::call)>(::dlsym(RTLD_NEXT, #call))

namespace {

bool Is(const char* fault) {
    const char* chosen = std::getenv("ZENTILE_FAULT");
    return chosen != nullptr && std::strstr(chosen, fault) != nullptr;
}

int Fail(int error = EIO) {
    errno = error;
    return -1;
}

} // namespace

extern "C" {

// Every write short; or a few bytes, then nothing more or a full disk.
ssize_t write(int fd, const void* data, size_t size) {
    static int calls = 0;
    const bool halfway = Is("write-zero") || Is("write-full");
    if (Is("write-error") || (halfway && calls++ > 0))
        return Is("write-zero") ? 0 : Fail(Is("write-full") ? ENOSPC : EIO);
    return NEXT(write)(fd, data, halfway || Is("write-short") ? std::min<size_t>(size, 7) : size);
}

int fsync(int fd) {
    return Is("fsync") ? Fail() : NEXT(fsync)(fd);
}

// The descriptor is closed either way, as the kernel does.
int close(int fd) {
    const int closed = NEXT(close)(fd);
    return Is("close") ? Fail() : closed;
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) {
    return Is("linkat") ? Fail() : NEXT(linkat)(fromFolder, from, toFolder, to, flags);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    return Is("renameat") ? Fail() : NEXT(renameat)(fromFolder, from, toFolder, to);
}

// "no-tmpfile": a file system without unnamed files, such as NFS.
int openat(int folder, const char* path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const mode_t mode = __OPEN_NEEDS_MODE(flags) ? va_arg(rest, mode_t) : 0;
    va_end(rest);
    if ((flags & O_TMPFILE) == O_TMPFILE && Is("no-tmpfile")) return Fail(EOPNOTSUPP);
    return NEXT(openat)(folder, path, flags, mode);
}

} // extern "C"
