#include "addresslimit.h"
#include "base/bmpfile.h"
#include "base/imagememory.h"
#include "childprocess.h"
#include "output/mirrortile.h"
#include "output/quarterturn.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

/// 0 when the action throws ImageMemoryError, 1 when it returns, 2 for any other exception.
template <typename Action> int MemoryOutcome(Action&& action) {
    try {
        action();
        return 1;
    } catch (const ImageMemoryError&) {
        return 0;
    } catch (...) {
        return 2;
    }
}

TEST(ImageMemory, APictureThatCannotBeMadeIsAnErrorNotANullScanLine) {
    if (test::AddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
    QImage texture(3000, 3000, QImage::Format_BGR888); // 27 MB; the turned copies as much
    texture.fill(Qt::darkCyan);
    constexpr std::uint64_t Room = 16 * 1024 * 1024;
    // The mirrored tile needs 108 MB, the turned copy 27 MB, the new picture 36 MB. A crash on
    // a null scan line ends the child and fails the check as well.
    const auto failsClearly = [&](auto&& action) {
        return test::InChildProcess([&] {
            test::LimitAddressSpaceGrowth(Room);
            return MemoryOutcome(action) == 0;
        });
    };
    EXPECT_TRUE(failsClearly([&] { MirrorTile(texture); }));
    EXPECT_TRUE(failsClearly([&] { TurnedBy(texture, 1); }));
    EXPECT_TRUE(failsClearly([&] { NewImage(3000, 3000, QImage::Format_RGB32); }));
}

TEST(ImageMemory, TheMessageNamesTheSizeAndAnEmptyPictureIsNotWritten) {
    EXPECT_EQ(ImageMemoryError(QSize(6000, 4000)).Message(),
              "There is not enough memory for a picture of 6000 x 4000 pixels.");
    EXPECT_EQ(ImageMemoryError(QSize(6000, 4000)).Reason(),
              "there is not enough memory for a picture of 6000 x 4000 pixels");
    EXPECT_THROW(EncodeBmp24(QImage()), MottlerError);
}

} // namespace
} // namespace mottler
