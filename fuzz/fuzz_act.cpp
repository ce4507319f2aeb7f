// libFuzzer entry point for ReadActPalette: any bytes must give colours or a MottlerError.
#include "base/errors.h"
#include "palette/palettefile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // fromRawData keeps the fuzzer's exact buffer, so any read past its end is caught.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        mottler::ReadActPalette(bytes);
    } catch (const mottler::MottlerError&) {
    }
    return 0;
}
