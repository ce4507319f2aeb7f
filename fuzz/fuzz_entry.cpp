// libFuzzer entry point of one target: MOTTLER_FUZZ_BODY names its body in fuzzinputs.h.
#include "fuzzinputs.h"

#include <QCoreApplication>
#include <QDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The picture readers are plugins, found through the application object. The scratch
// folder goes when the run ends.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    std::atexit([] { QDir(mottler::fuzz::ScratchFolder()).removeRecursively(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // fromRawData keeps the fuzzer's exact buffer, so any read past its end is caught.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    mottler::fuzz::MOTTLER_FUZZ_BODY(bytes);
    return 0;
}
