#pragma once
// The system calls through which every change to a user's file reaches the
// disk. They are thin wrappers, so a test can make the Nth of them fail with
// an error number or end the process right there, as a kill would.
#include <sys/types.h>

#include <cerrno>
#include <cstddef>

#include "text/run_error.h"

namespace varnel::fileio {

enum Call : unsigned { Write = 1, Sync = 2, Rename = 4, Truncate = 8, AnyCall = 15 };

// Each is one system call, retried on EINTR; -1 with errno on failure.
ssize_t write(int fd, const void* data, std::size_t size);
ssize_t pwrite(int fd, const void* data, std::size_t size, off_t offset);
int fsync(int fd);
int rename(const char* from, const char* to);
int ftruncate(int fd, off_t length);

// The whole buffer, over as many calls as short writes need; false with errno.
bool writeAll(int fd, const char* data, std::size_t size);
bool pwriteAll(int fd, const char* data, std::size_t size, off_t offset);

// The classic run-time error for a failed system call: 61 for a full disk,
// 75 for a refused access, 76 for a missing folder, 57 for the rest.
RunError errorFromErrno(int err);

// Test hook: the `nth` call (from 1) of the kinds in `calls`, counted from
// setFault, misbehaves. A failing write first writes half its bytes, as a
// disk that fills up in the middle of a write does.
struct Fault {
    enum Action { Fail, Exit };
    unsigned calls = AnyCall;
    long nth = 0;  // 0: never
    Action action = Fail;
    int error = ENOSPC;
};
// The exit status of a process ended by an Exit fault.
inline constexpr int kFaultExitStatus = 86;

void setFault(const Fault& fault);
void clearFault();
// Calls of the fault's kinds since setFault.
long countedCalls();

}  // namespace varnel::fileio
