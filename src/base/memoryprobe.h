#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace mottler {

/// The memory the system can still hand out without swapping ("MemAvailable" of
/// /proc/meminfo), or nothing where that is not known.
std::optional<std::uint64_t> AvailableMemoryBytes();

/// What an address-space limit (RLIMIT_AS, `ulimit -v`) leaves beyond the process's
/// current size, or nothing when there is no such limit.
std::optional<std::uint64_t> AddressSpaceLeftBytes();

/// What the memory limit of the process's control group leaves (cgroup v2 "memory.max"
/// less "memory.current", v1 "memory.limit_in_bytes" less "memory.usage_in_bytes"), with
/// the cgroup file system mounted at `root`; nothing when there is no limit.
std::optional<std::uint64_t> CgroupMemoryLeftBytes(const std::string& root);

/// The least of the three above: what this process can still use.
std::optional<std::uint64_t> UsableMemoryBytes();

/// Whether `bytes` more can be allocated and still leave a small reserve of the available
/// memory to the rest of the system. Where the available memory is not known (nothing),
/// only the allocation itself can tell, so this says yes.
bool FitsAvailableMemory(std::uint64_t bytes, std::optional<std::uint64_t> available);

/// FitsAvailableMemory with what this process can still use now (UsableMemoryBytes).
bool FitsAvailableMemory(std::uint64_t bytes);

/// A block for one recorded frame, or nullptr when memory has run out. Linux promises memory
/// it may not have and kills the program when it is used, so a frame that would leave less
/// than a small reserve of usable memory is refused here, while the frames recorded so far
/// can still be kept.
std::unique_ptr<float[]> AllocateFrameBlock(std::size_t cells);

} // namespace mottler
