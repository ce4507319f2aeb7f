#pragma once

#include <QFile>
#include <cstdint>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mottler::test {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool AddressSanitizer = true;
#else
inline constexpr bool AddressSanitizer = false;
#endif
#else
inline constexpr bool AddressSanitizer = false;
#endif

/// The process's address space now ("VmSize"), in bytes.
inline std::uint64_t AddressSpaceBytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmSize:"))
            return line.mid(7).trimmed().split(' ').first().toULongLong() * 1024;
    return 0;
}

/// Runs `action` in a child process whose address space may grow by only `extraBytes` (as
/// under `ulimit -v`) and returns its exit status: what the action returns, or 128 + the
/// signal that ended it (139 for a crash on a null pointer).
template <typename Action> int ExitUnderAddressLimit(std::uint64_t extraBytes, Action&& action) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{AddressSpaceBytes() + extraBytes, RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        ::_exit(action());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

} // namespace mottler::test
