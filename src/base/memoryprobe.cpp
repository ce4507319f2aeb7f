#include "base/memoryprobe.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace mottler {
namespace {

// Memory left to the rest of the system (and to the program's own windows) when frames stop.
constexpr std::uint64_t ReserveBytes = 128ull * 1024 * 1024;

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

bool FitsAvailableMemory(std::uint64_t bytes, std::optional<std::uint64_t> available) {
    return !available || (*available >= ReserveBytes && bytes <= *available - ReserveBytes);
}

bool FitsAvailableMemory(std::uint64_t bytes) {
    return FitsAvailableMemory(bytes, AvailableMemoryBytes());
}

std::unique_ptr<float[]> AllocateFrameBlock(std::size_t cells) {
    if (!FitsAvailableMemory(std::uint64_t{cells} * sizeof(float)))
        return nullptr;
    return std::unique_ptr<float[]>(new (std::nothrow) float[cells]);
}

} // namespace mottler
