#pragma once

#include "output/videoencoder.h"

#include <memory>

namespace mottler {

/// An encoder of WebM (VP9) or MP4 (H.264) through FFmpeg's libraries, writing through the
/// sink; nothing when it cannot start, with the reason in `failure`.
std::unique_ptr<VideoEncoder> OpenFfmpegEncoder(const VideoEncoding& encoding, VideoSink& sink,
                                                VideoFailure& failure);

/// The versions of the FFmpeg libraries in use ("libavcodec 59.37.100, ...").
std::string FfmpegVersions();

} // namespace mottler
