#include "addresslimit.h"
#include "base/largeblock.h"
#include "childprocess.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <utility>

namespace mottler {
namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

bool AllZero(const LargeBlock& block) {
    const auto* bytes = static_cast<const unsigned char*>(block.Data());
    for (std::size_t i = 0; i < block.Bytes(); ++i)
        if (bytes[i] != 0)
            return false;
    return true;
}

// Sizes below, at and past a huge page, and one that ends just past a whole number of them:
// every byte is there, zeroed and writable, and a large block starts on a huge page.
TEST(LargeBlock, EverySizeIsZeroedWritableAndLargeOnesStartOnAHugePage) {
    for (const std::size_t bytes : {std::size_t(1), std::size_t(4000), HugePage - 1, HugePage,
                                    3 * HugePage + 5, std::size_t(7'680'000)}) {
        SCOPED_TRACE(bytes);
        LargeBlock block = LargeBlock::Allocate(bytes);
        ASSERT_NE(block.Data(), nullptr);
        EXPECT_EQ(block.Bytes(), bytes);
        EXPECT_TRUE(AllZero(block));
        if (bytes >= HugePage) {
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block.Data()) % HugePage, 0u);
        }
        std::memset(block.Data(), 0xab, bytes);
        EXPECT_EQ(static_cast<unsigned char*>(block.Data())[bytes - 1], 0xab);
    }
    EXPECT_NE(LargeBlock::Allocate(0).Data(), nullptr); // an empty field still has an address
}

// A moved block is released once, by its new owner (the sanitizer build sees a second free).
TEST(LargeBlock, MovingHandsTheMemoryOn) {
    LargeBlock large = LargeBlock::Allocate(HugePage);
    void* const memory = large.Data();
    LargeBlock other = std::move(large);
    EXPECT_EQ(other.Data(), memory);
    EXPECT_EQ(large.Data(), nullptr); // NOLINT(bugprone-use-after-move): the moved-from state
    other = LargeBlock::Allocate(16); // the huge page goes back as the small block comes in
    EXPECT_NE(other.Data(), nullptr);
    EXPECT_EQ(other.Bytes(), 16u);
}

TEST(LargeBlock, AskingForMoreThanThereIsGivesNoMemoryRatherThanACrash) {
    EXPECT_EQ(LargeBlock::Allocate(SIZE_MAX).Data(), nullptr);
    EXPECT_EQ(LargeBlock::Allocate(SIZE_MAX / 2).Data(), nullptr);
    EXPECT_TRUE(test::InChildProcess([] {
        test::LimitAddressSpaceGrowth(std::uint64_t(1) << 30);
        return LargeBlock::Allocate(std::size_t(8) << 30).Data() == nullptr &&
               LargeBlock::Allocate(std::size_t(64) << 20).Data() != nullptr;
    }));
}

} // namespace
} // namespace mottler
