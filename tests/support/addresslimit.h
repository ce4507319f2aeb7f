#pragma once

#include <QFile>
#include <cstdint>
#include <sys/resource.h>

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

/// Lets the process's address space grow by only `extraBytes` more (as under `ulimit -v`).
/// For a child process (InChildProcess): the limit cannot be raised again.
inline void LimitAddressSpaceGrowth(std::uint64_t extraBytes) {
    const rlimit limit{AddressSpaceBytes() + extraBytes, RLIM_INFINITY};
    ::setrlimit(RLIMIT_AS, &limit);
}

} // namespace mottler::test
