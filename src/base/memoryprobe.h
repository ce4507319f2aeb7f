#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

namespace mottler {

/// The memory the system can still hand out without swapping ("MemAvailable" of
/// /proc/meminfo), or nothing where that is not known.
std::optional<std::uint64_t> AvailableMemoryBytes();

/// Whether `bytes` more can be allocated and still leave a small reserve of the available
/// memory to the rest of the system. Where the available memory is not known (nothing),
/// only the allocation itself can tell, so this says yes.
bool FitsAvailableMemory(std::uint64_t bytes, std::optional<std::uint64_t> available);

/// FitsAvailableMemory with the system's available memory now.
bool FitsAvailableMemory(std::uint64_t bytes);

/// A block for one recorded frame, or nullptr when memory has run out. Linux promises memory
/// it may not have and kills the program when it is used, so a frame that would leave less
/// than a small reserve of available memory is refused here, while the frames recorded so far
/// can still be kept.
std::unique_ptr<float[]> AllocateFrameBlock(std::size_t cells);

} // namespace mottler
