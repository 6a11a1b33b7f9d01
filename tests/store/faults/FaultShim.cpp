// Loaded with LD_PRELOAD into the save driver: makes the system call that ZENTILE_FAULT names
// fail the way a full disk, a lost network file system or a broken kernel would.
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>

namespace {

bool Is(const char* fault) {
    const char* chosen = std::getenv("ZENTILE_FAULT");
    return chosen != nullptr && std::strcmp(chosen, fault) == 0;
}

template <class Call> Call Next(const char* name) {
    return reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
}

int Fail(int error) {
    errno = error;
    return -1;
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t size) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    static int calls = 0;
    const size_t some = std::min<size_t>(size, 7);
    if (Is("write")) return Fail(EIO);
    if (Is("write-short")) return next(fd, data, some);
    // A few bytes go, then nothing more, or the disk is full.
    if (Is("write-zero") || Is("write-full"))
        return calls++ == 0 ? next(fd, data, some) : Is("write-zero") ? 0 : Fail(ENOSPC);
    return next(fd, data, size);
}

int fsync(int fd) {
    static const auto next = Next<int (*)(int)>("fsync");
    return Is("fsync") ? Fail(EIO) : next(fd);
}

// The descriptor is closed either way, as the kernel does.
int close(int fd) {
    static const auto next = Next<int (*)(int)>("close");
    const int closed = next(fd);
    return Is("close") ? Fail(EIO) : closed;
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) {
    static const auto next = Next<int (*)(int, const char*, int, const char*, int)>("linkat");
    return Is("linkat") ? Fail(EIO) : next(fromFolder, from, toFolder, to, flags);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    static const auto next = Next<int (*)(int, const char*, int, const char*)>("renameat");
    return Is("renameat") ? Fail(EIO) : next(fromFolder, from, toFolder, to);
}

// ZENTILE_NO_TMPFILE: a file system without unnamed files, such as NFS.
int openat(int folder, const char* path, int flags, ...) {
    static const auto next = Next<int (*)(int, const char*, int, ...)>("openat");
    va_list rest;
    va_start(rest, flags);
    const mode_t mode =
        (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(rest, mode_t) : 0;
    va_end(rest);
    if ((flags & O_TMPFILE) == O_TMPFILE && std::getenv("ZENTILE_NO_TMPFILE") != nullptr)
        return Fail(EOPNOTSUPP);
    return next(folder, path, flags, mode);
}

} // extern "C"
