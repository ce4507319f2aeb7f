#include "base/memoryprobe.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <new>
#include <sys/resource.h>
#include <unistd.h>

namespace mottler {
namespace {

// Memory left to the rest of the system (and to the program's own windows) when frames stop.
constexpr std::uint64_t ReserveBytes = 128ull * 1024 * 1024;

// cgroup v1 writes "no limit" as the largest page-aligned 63-bit number.
constexpr std::uint64_t NoCgroupV1Limit = 1ull << 62;

/// The first number of the file, or nothing when it cannot be read ("max" included).
std::optional<std::uint64_t> ReadNumber(const std::string& path) {
    std::ifstream in(path);
    unsigned long long value = 0;
    if (!(in >> value))
        return std::nullopt;
    return std::uint64_t{value};
}

/// The part of a limit not yet used, when both are known.
std::optional<std::uint64_t> Left(std::optional<std::uint64_t> limit,
                                  std::optional<std::uint64_t> used) {
    if (!limit || !used)
        return std::nullopt;
    return *limit > *used ? *limit - *used : 0;
}

/// The cgroup of this process for a hierarchy: the path after "0::" (v2) or after the
/// "memory" controller's entry (v1) in /proc/self/cgroup.
std::string OwnCgroup(bool version2) {
    std::ifstream in("/proc/self/cgroup");
    const std::string prefix = version2 ? "0::" : ":memory:";
    for (std::string line; std::getline(in, line);) {
        const std::size_t at = line.find(prefix);
        if (at != std::string::npos && (!version2 || at == 0))
            return line.substr(at + prefix.size());
    }
    return {};
}

std::optional<std::uint64_t> MemoryLeftIn(const std::string& folder, bool version2) {
    if (version2)
        return Left(ReadNumber(folder + "/memory.max"), ReadNumber(folder + "/memory.current"));
    const std::optional<std::uint64_t> limit = ReadNumber(folder + "/memory.limit_in_bytes");
    if (limit && *limit >= NoCgroupV1Limit)
        return std::nullopt;
    return Left(limit, ReadNumber(folder + "/memory.usage_in_bytes"));
}

std::optional<std::uint64_t> Smaller(std::optional<std::uint64_t> a,
                                     std::optional<std::uint64_t> b) {
    if (!a)
        return b;
    return b ? std::min(*a, *b) : a;
}

} // namespace

std::optional<std::uint64_t> AvailableMemoryBytes() {
    std::FILE* info = std::fopen("/proc/meminfo", "r");
    if (info == nullptr)
        return std::nullopt;
    char line[256];
    std::optional<std::uint64_t> available;
    unsigned long long kilobytes = 0;
    while (std::fgets(line, sizeof line, info) != nullptr)
        if (std::sscanf(line, "MemAvailable: %llu kB", &kilobytes) == 1) {
            available = std::uint64_t{kilobytes} * 1024;
            break;
        }
    std::fclose(info);
    return available;
}

std::optional<std::uint64_t> AddressSpaceLeftBytes() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    std::ifstream statm("/proc/self/statm");
    unsigned long long pages = 0;
    if (!(statm >> pages))
        return std::nullopt;
    const auto used = std::uint64_t{pages} * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
    return Left(std::uint64_t{limit.rlim_cur}, used);
}

std::optional<std::uint64_t> CgroupMemoryLeftBytes(const std::string& root) {
    // The process's own group where the hierarchy shows it, else the root of the mount,
    // which is the container's own group in a container.
    const std::string v2 = root + OwnCgroup(true);
    const std::string v1 = root + "/memory";
    std::optional<std::uint64_t> left =
        Smaller(MemoryLeftIn(v2, true), MemoryLeftIn(v1 + OwnCgroup(false), false));
    return left ? left : Smaller(MemoryLeftIn(root, true), MemoryLeftIn(v1, false));
}

std::optional<std::uint64_t> UsableMemoryBytes() {
    return Smaller(Smaller(AvailableMemoryBytes(), AddressSpaceLeftBytes()),
                   CgroupMemoryLeftBytes("/sys/fs/cgroup"));
}

bool FitsAvailableMemory(std::uint64_t bytes, std::optional<std::uint64_t> available) {
    return !available || (*available >= ReserveBytes && bytes <= *available - ReserveBytes);
}

bool FitsAvailableMemory(std::uint64_t bytes) {
    return FitsAvailableMemory(bytes, UsableMemoryBytes());
}

std::unique_ptr<float[]> AllocateFrameBlock(std::size_t cells) {
    if (!FitsAvailableMemory(std::uint64_t{cells} * sizeof(float)))
        return nullptr;
    return std::unique_ptr<float[]>(new (std::nothrow) float[cells]);
}

} // namespace mottler
