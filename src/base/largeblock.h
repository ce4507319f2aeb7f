#pragma once

#include <cstddef>

namespace mottler {

/// Zeroed memory for a large block of numbers: a texture's fields, its lanes and checkpoints.
/// A block of 2 MiB or more comes straight from the kernel, starts on a 2 MiB boundary and is
/// offered to transparent huge pages, so that its first touch costs a page fault every 2 MiB
/// rather than every 4 KiB (at 1600 × 1200 some 20 ms a run) and its release returns the
/// memory at once. Smaller blocks come from the heap.
class LargeBlock {
public:
    LargeBlock() = default;
    ~LargeBlock();
    LargeBlock(LargeBlock&& other) noexcept;
    LargeBlock& operator=(LargeBlock&& other) noexcept;
    LargeBlock(const LargeBlock&) = delete;
    LargeBlock& operator=(const LargeBlock&) = delete;

    /// `bytes` of zeroed memory, aligned as the heap aligns; a block without memory (Data()
    /// null) when memory runs out.
    static LargeBlock Allocate(std::size_t bytes) noexcept;

    void* Data() const { return data; }
    std::size_t Bytes() const { return bytes; }

private:
    void Release() noexcept;

    void* data = nullptr;
    std::size_t bytes = 0;
    std::size_t mapped = 0; ///< the length mapped from the kernel; 0 for a block from the heap
};

} // namespace mottler
