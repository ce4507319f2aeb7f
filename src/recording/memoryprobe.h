#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

namespace mottler {

/// The memory the system can still hand out without swapping ("MemAvailable" of
/// /proc/meminfo), or nothing where that is not known.
std::optional<std::uint64_t> AvailableMemoryBytes();

/// A block for one recorded frame, or nullptr when memory has run out. Linux promises memory
/// it may not have and kills the program when it is used, so a frame that would leave less
/// than a small reserve of available memory is refused here, while the frames recorded so far
/// can still be kept.
std::unique_ptr<float[]> AllocateFrameBlock(std::size_t cells);

} // namespace mottler
