#include "store/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace varnel::fileio {

namespace {

Fault g_fault;
long g_counted = 0;

// True when this call is the one that must fail; an Exit fault never returns.
bool faultHere(Call call) {
    if (!(g_fault.calls & call)) return false;
    ++g_counted;
    if (g_fault.nth == 0 || g_counted != g_fault.nth) return false;
    if (g_fault.action == Fault::Exit) ::_exit(kFaultExitStatus);
    return true;
}

template <typename F>
auto retried(F f) {
    for (;;) {
        auto r = f();
        if (r >= 0 || errno != EINTR) return r;
    }
}

}  // namespace

ssize_t write(int fd, const void* data, std::size_t size) {
    if (faultHere(Write)) {
        if (size > 1) (void)retried([&] { return ::write(fd, data, size / 2); });
        errno = g_fault.error;
        return -1;
    }
    return retried([&] { return ::write(fd, data, size); });
}

ssize_t pwrite(int fd, const void* data, std::size_t size, off_t offset) {
    if (faultHere(Write)) {
        if (size > 1) (void)retried([&] { return ::pwrite(fd, data, size / 2, offset); });
        errno = g_fault.error;
        return -1;
    }
    return retried([&] { return ::pwrite(fd, data, size, offset); });
}

int fsync(int fd) {
    if (faultHere(Sync)) {
        errno = g_fault.error;
        return -1;
    }
    return retried([&] { return ::fsync(fd); });
}

int rename(const char* from, const char* to) {
    if (faultHere(Rename)) {
        errno = g_fault.error;
        return -1;
    }
    return ::rename(from, to);
}

int ftruncate(int fd, off_t length) {
    if (faultHere(Truncate)) {
        errno = g_fault.error;
        return -1;
    }
    return retried([&] { return ::ftruncate(fd, length); });
}

namespace {

// Repeats `step(data, size, done)` over short writes until the whole buffer is written.
template <typename Step>
bool whole(const char* data, std::size_t size, Step step) {
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = step(data + done, size - done, done);
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool writeAll(int fd, const char* data, std::size_t size) {
    return whole(data, size,
                 [&](const char* p, std::size_t n, std::size_t) { return write(fd, p, n); });
}

bool pwriteAll(int fd, const char* data, std::size_t size, off_t offset) {
    return whole(data, size, [&](const char* p, std::size_t n, std::size_t done) {
        return pwrite(fd, p, n, offset + static_cast<off_t>(done));
    });
}

RunError errorFromErrno(int err) {
    switch (err) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return RunError(RunError::DiskFull);
        case ENOENT:
        case ENOTDIR:
            return RunError(RunError::PathNotFound);
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ELOOP:
        case ETXTBSY:
            return RunError(RunError::PathFileAccessError);
        case EMFILE:
        case ENFILE:
            return RunError(RunError::TooManyFiles);
        default:
            return RunError(RunError::DeviceIoError);
    }
}

void setFault(const Fault& fault) {
    g_fault = fault;
    g_counted = 0;
}

void clearFault() { setFault(Fault{}); }

long countedCalls() { return g_counted; }

}  // namespace varnel::fileio
