#include "base/largeblock.h"

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <utility>

namespace mottler {

namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

std::size_t RoundUp(std::size_t n, std::size_t to) {
    return (n + to - 1) / to * to;
}

// `length` bytes (a whole number of huge pages) mapped on a huge page's boundary: a mapping
// one huge page longer, with the unaligned ends given back. Null when the kernel refuses.
void* MapAligned(std::size_t length) {
    const std::size_t wide = length + HugePage;
    void* raw = mmap(nullptr, wide, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = RoundUp(start, HugePage);
    if (aligned > start)
        munmap(raw, aligned - start);
    const std::uintptr_t end = start + wide;
    if (end > aligned + length)
        munmap(reinterpret_cast<void*>(aligned + length), end - (aligned + length));
    // Only a hint: where huge pages are off the block works the same with small ones.
    madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

} // namespace

LargeBlock LargeBlock::Allocate(std::size_t bytes) noexcept {
    LargeBlock block;
    if (bytes > SIZE_MAX - 2 * HugePage)
        return block;
    if (bytes >= HugePage) {
        const std::size_t length = RoundUp(bytes, HugePage);
        block.data = MapAligned(length);
        block.mapped = block.data ? length : 0;
    } else {
        block.data = std::calloc(bytes ? bytes : 1, 1); // an empty block has an address too
    }
    if (block.data)
        block.bytes = bytes;
    return block;
}

LargeBlock::~LargeBlock() {
    Release();
}

LargeBlock::LargeBlock(LargeBlock&& other) noexcept
    : data(std::exchange(other.data, nullptr)), bytes(std::exchange(other.bytes, 0)),
      mapped(std::exchange(other.mapped, 0)) {}

LargeBlock& LargeBlock::operator=(LargeBlock&& other) noexcept {
    if (this != &other) {
        Release();
        data = std::exchange(other.data, nullptr);
        bytes = std::exchange(other.bytes, 0);
        mapped = std::exchange(other.mapped, 0);
    }
    return *this;
}

void LargeBlock::Release() noexcept {
    if (mapped)
        munmap(data, mapped);
    else
        std::free(data);
    data = nullptr;
    bytes = 0;
    mapped = 0;
}

} // namespace mottler
