#include "base/memoryprobe.h"
#include "childprocess.h"
#include "filebytes.h"
#include "testenv.h"

#include <QDir>
#include <QFileInfo>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace mottler {
namespace {

/// Writes a cgroup control file, making its folder first.
void Put(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    test::WriteBytes(path, text);
}

TEST(MemoryProbe, AnAddressSpaceLimitBoundsWhatFramesMayTake) {
    EXPECT_TRUE(test::InChildProcess([] {
        std::ifstream statm("/proc/self/statm");
        rlim_t pages = 0;
        statm >> pages;
        const rlim_t size = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
        const rlim_t gigabyte = rlim_t(1) << 30;
        const rlimit limit{size + gigabyte, size + gigabyte};
        setrlimit(RLIMIT_AS, &limit);
        const auto left = AddressSpaceLeftBytes();
        // 900 MB would still fit the limit, but would leave no room for anything else.
        const std::size_t bigFrame = (std::size_t(900) << 20) / sizeof(float);
        const std::size_t smallFrame = (std::size_t(100) << 20) / sizeof(float);
        return left && *left <= gigabyte && UsableMemoryBytes() <= left &&
               AllocateFrameBlock(bigFrame) == nullptr && AllocateFrameBlock(smallFrame) != nullptr;
    }));
}

TEST(MemoryProbe, ReadsTheLimitOfEitherCgroupVersion) {
    const QString v2 = test::TestHome() + "/cgroup-v2";
    Put(v2 + "/memory.max", "1000000000\n");
    Put(v2 + "/memory.current", "400000000\n");
    EXPECT_EQ(CgroupMemoryLeftBytes(v2.toStdString()), std::uint64_t{600000000});

    const QString unlimited = test::TestHome() + "/cgroup-max";
    Put(unlimited + "/memory.max", "max\n");
    Put(unlimited + "/memory.current", "400000000\n");
    EXPECT_EQ(CgroupMemoryLeftBytes(unlimited.toStdString()), std::nullopt);

    const QString v1 = test::TestHome() + "/cgroup-v1";
    Put(v1 + "/memory/memory.limit_in_bytes", "500000000\n");
    Put(v1 + "/memory/memory.usage_in_bytes", "600000000\n");
    EXPECT_EQ(CgroupMemoryLeftBytes(v1.toStdString()), std::uint64_t{0});
    Put(v1 + "/memory/memory.limit_in_bytes", "9223372036854771712\n");
    EXPECT_EQ(CgroupMemoryLeftBytes(v1.toStdString()), std::nullopt);
}

} // namespace
} // namespace mottler
