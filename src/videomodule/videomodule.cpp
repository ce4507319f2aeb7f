// The entry the core looks up after loading the module (output/videomodule.cpp).
#include "output/videoencoder.h"
#include "videomodule/ffmpegencoder.h"

namespace {

const mottler::VideoModuleInterface module{mottler::VideoModuleVersion, mottler::FfmpegVersions,
                                           mottler::OpenFfmpegEncoder};

} // namespace

extern "C" __attribute__((visibility("default"))) const mottler::VideoModuleInterface*
MottlerVideoModule() {
    return &module;
}
