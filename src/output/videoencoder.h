#pragma once

// What the core and the video module (libmottler-video.so, src/videomodule/) share. The
// module holds the WebM and MP4 encoders, so FFmpeg's many libraries are loaded only when a
// video is written, not every time a program starts. Only the standard library crosses
// between the two: the module links neither Qt nor the core. Both are built from the same
// tree with the same compiler; VideoModuleVersion guards against a module of another build.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace mottler {

/// The compressed video formats an animation can be written as.
enum class VideoCodec {
    Vp9WebM, ///< VP9 in a WebM file
    H264Mp4, ///< H.264 in an MP4 file
};

/// What an encoder makes: the codec and its container, the size of the encoded frames (even
/// for H.264), the frame rate and the quality, 1 (smallest file) … 100 (best picture).
struct VideoEncoding {
    VideoCodec Codec = VideoCodec::Vp9WebM;
    int Width = 0;
    int Height = 0;
    int FramesPerSecond = 10;
    int Quality = 80;
};

/// Where an encoder writes the file: the core's file beside the target.
class VideoSink {
public:
    /// Writes `length` bytes at byte `position`; false when the write failed, whose reason
    /// the sink keeps.
    virtual bool WriteAt(std::int64_t position, const unsigned char* data, int length) = 0;

protected:
    ~VideoSink() = default;
};

/// A failure in the module: what failed ("the encoder refused a frame") and FFmpeg's reason,
/// empty when it gave none.
struct VideoFailure {
    std::string What;
    std::string Reason;
};

/// An open encoder writing one file through its sink. Throws only std::bad_alloc.
class VideoEncoder {
public:
    virtual ~VideoEncoder() = default;
    /// Encodes the next frame: 24-bit pixels in the order blue, green, red, of the encoding's
    /// size, rows `stride` bytes apart.
    virtual std::optional<VideoFailure> AddFrame(const unsigned char* bgr,
                                                 std::ptrdiff_t stride) = 0;
    /// Encodes what the encoder still holds and writes the end of the file.
    virtual std::optional<VideoFailure> Finish() = 0;
};

/// What the module offers; its first field stays the version in every build.
struct VideoModuleInterface {
    int Version;
    /// The versions of FFmpeg's libraries ("libavcodec 59.37.100, ...").
    std::string (*LibraryVersions)();
    /// An encoder writing through `sink`, or nothing with `failure` filled in.
    std::unique_ptr<VideoEncoder> (*Open)(const VideoEncoding& encoding, VideoSink& sink,
                                          VideoFailure& failure);
};

inline constexpr int VideoModuleVersion = 1;
/// The module's file, and the function in it that returns its VideoModuleInterface.
inline constexpr const char* VideoModuleFileName = "libmottler-video.so";
inline constexpr const char* VideoModuleEntryName = "MottlerVideoModule";

} // namespace mottler
