#include "videomodule/ffmpegencoder.h"

#include "videomodule/ffmpeglog.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <new>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace mottler {
namespace {

const char* EncoderName(VideoCodec codec) {
    return codec == VideoCodec::Vp9WebM ? "libvpx-vp9" : "libx264";
}

const char* CodecTitle(VideoCodec codec) {
    return codec == VideoCodec::Vp9WebM ? "VP9" : "H.264";
}

// Quality 1 … 100 onto the encoders' constant-quality scales, 100 the best: VP9's 63 … 0;
// H.264's 51 … 1, since 0 would be lossless, which only a profile few players read allows.
int ConstantRateFactor(VideoCodec codec, int quality) {
    const int worse = 100 - quality;
    if (codec == VideoCodec::Vp9WebM)
        return (63 * worse + 49) / 99;
    return 1 + (50 * worse + 49) / 99;
}

/// Thrown inside the module only: every entry from the core catches it.
struct Failed {
    VideoFailure Failure;
};

class FfmpegEncoder final : public VideoEncoder {
public:
    FfmpegEncoder(const VideoEncoding& e, VideoSink& s) : encoding(e), sink(s) {}
    ~FfmpegEncoder() override;

    void Open();
    std::optional<VideoFailure> AddFrame(const unsigned char* bgr, std::ptrdiff_t stride) override;
    std::optional<VideoFailure> Finish() override;

private:
    void OpenCodec();
    void OpenOutput();
    void OpenConverter();
    void Send(const AVFrame* picture);
    void Check(int result, const char* what) {
        if (result < 0)
            throw Failed{{what, FfmpegErrorText(result)}};
    }

    static int WritePacket(void* opaque, std::uint8_t* data, int length);
    static std::int64_t Seek(void* opaque, std::int64_t offset, int whence);

    VideoEncoding encoding;
    VideoSink& sink;
    std::int64_t position = 0;
    std::int64_t end = 0;
    std::int64_t frameCount = 0;
    AVFormatContext* container = nullptr;
    AVIOContext* io = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* converter = nullptr;
};

/// Runs `body`, turning a failure inside it into the failure returned, with the error
/// FFmpeg logged on the way.
template <class Body> std::optional<VideoFailure> Guarded(const Body& body) {
    try {
        body();
        return std::nullopt;
    } catch (Failed& failed) {
        if (const std::string logged = TakeFfmpegError(); !logged.empty())
            failed.Failure.Reason += (failed.Failure.Reason.empty() ? "" : ": ") + logged;
        return std::move(failed.Failure);
    }
}

FfmpegEncoder::~FfmpegEncoder() {
    sws_freeContext(converter);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&codec);
    if (io)
        av_freep(&io->buffer);
    avio_context_free(&io);
    avformat_free_context(container);
}

int FfmpegEncoder::WritePacket(void* opaque, std::uint8_t* data, int length) {
    auto* self = static_cast<FfmpegEncoder*>(opaque);
    if (!self->sink.WriteAt(self->position, data, length))
        return AVERROR(EIO);
    self->position += length;
    self->end = std::max(self->end, self->position);
    return length;
}

// The WebM and MP4 writers go back to fill in sizes and the duration once they are known.
std::int64_t FfmpegEncoder::Seek(void* opaque, std::int64_t offset, int whence) {
    auto* self = static_cast<FfmpegEncoder*>(opaque);
    std::int64_t to = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return self->end;
    case SEEK_SET:
        to = offset;
        break;
    case SEEK_CUR:
        to = self->position + offset;
        break;
    case SEEK_END:
        to = self->end + offset;
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (to < 0)
        return AVERROR(EINVAL);
    self->position = to;
    return to;
}

void FfmpegEncoder::OpenCodec() {
    const AVCodec* encoder = avcodec_find_encoder_by_name(EncoderName(encoding.Codec));
    if (!encoder)
        throw Failed{{std::string("this FFmpeg has no ") + CodecTitle(encoding.Codec) + " encoder",
                      EncoderName(encoding.Codec)}};
    codec = avcodec_alloc_context3(encoder);
    if (!codec)
        throw std::bad_alloc();
    codec->width = encoding.Width;
    codec->height = encoding.Height;
    codec->pix_fmt = AV_PIX_FMT_YUV420P;
    codec->time_base = AVRational{1, encoding.FramesPerSecond};
    codec->framerate = AVRational{encoding.FramesPerSecond, 1};
    // The matrix swscale uses by default, in video range; sRGB's primaries and curve.
    codec->color_range = AVCOL_RANGE_MPEG;
    codec->colorspace = AVCOL_SPC_SMPTE170M;
    codec->color_primaries = AVCOL_PRI_BT709;
    codec->color_trc = AVCOL_TRC_IEC61966_2_1;
    codec->bit_rate = 0; // constant quality
    if (container->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    av_dict_set_int(&options, "crf", ConstantRateFactor(encoding.Codec, encoding.Quality), 0);
    if (encoding.Codec == VideoCodec::Vp9WebM) {
        av_dict_set(&options, "row-mt", "1", 0);
        // libvpx's default effort takes many times as long for a barely smaller file.
        av_dict_set(&options, "cpu-used", "4", 0);
    }
    const int opened = avcodec_open2(codec, encoder, &options);
    av_dict_free(&options);
    Check(opened, encoding.Codec == VideoCodec::Vp9WebM ? "the VP9 encoder could not start"
                                                        : "the H.264 encoder could not start");
}

void FfmpegEncoder::OpenOutput() {
    constexpr int BufferSize = 1 << 16;
    auto* buffer = static_cast<unsigned char*>(av_malloc(BufferSize));
    io = buffer ? avio_alloc_context(buffer, BufferSize, 1, this, nullptr, WritePacket, Seek)
                : nullptr;
    if (!io) {
        av_free(buffer);
        throw std::bad_alloc();
    }
    container->pb = io;
    container->flags |= AVFMT_FLAG_CUSTOM_IO;
    stream = avformat_new_stream(container, nullptr);
    if (!stream)
        throw std::bad_alloc();
    Check(avcodec_parameters_from_context(stream->codecpar, codec), "the stream could not start");
    stream->time_base = codec->time_base;
    Check(avformat_write_header(container, nullptr), "the file could not start");
}

void FfmpegEncoder::OpenConverter() {
    frame = av_frame_alloc();
    packet = av_packet_alloc();
    if (!frame || !packet)
        throw std::bad_alloc();
    frame->format = codec->pix_fmt;
    frame->width = encoding.Width;
    frame->height = encoding.Height;
    Check(av_frame_get_buffer(frame, 0), "no memory for a frame");
    converter = sws_getContext(encoding.Width, encoding.Height, AV_PIX_FMT_BGR24, encoding.Width,
                               encoding.Height, AV_PIX_FMT_YUV420P, SWS_BICUBIC | SWS_ACCURATE_RND,
                               nullptr, nullptr, nullptr);
    if (!converter)
        throw Failed{{"the colour conversion could not start", ""}};
}

void FfmpegEncoder::Open() {
    KeepFfmpegErrors();
    TakeFfmpegError();
    const char* formatName = encoding.Codec == VideoCodec::Vp9WebM ? "webm" : "mp4";
    Check(avformat_alloc_output_context2(&container, nullptr, formatName, nullptr),
          "the container could not start");
    OpenCodec();
    OpenOutput();
    OpenConverter();
}

void FfmpegEncoder::Send(const AVFrame* picture) {
    Check(avcodec_send_frame(codec, picture), "the encoder refused a frame");
    for (;;) {
        const int received = avcodec_receive_packet(codec, packet);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return;
        Check(received, "the encoder failed");
        packet->duration = 1; // one frame: the MP4 writer ends the video by the last one's
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        Check(av_interleaved_write_frame(container, packet), "a frame could not be written");
    }
}

std::optional<VideoFailure> FfmpegEncoder::AddFrame(const unsigned char* bgr,
                                                    std::ptrdiff_t stride) {
    return Guarded([&] {
        Check(av_frame_make_writable(frame), "no memory for a frame");
        const std::uint8_t* planes[1] = {bgr};
        const int strides[1] = {int(stride)};
        sws_scale(converter, planes, strides, 0, encoding.Height, frame->data, frame->linesize);
        frame->pts = frameCount++;
        Send(frame);
    });
}

std::optional<VideoFailure> FfmpegEncoder::Finish() {
    return Guarded([&] {
        Send(nullptr);
        Check(av_write_trailer(container), "the file could not be finished");
        avio_flush(io);
        if (io->error < 0)
            Check(io->error, "the file could not be finished");
    });
}

} // namespace

std::unique_ptr<VideoEncoder> OpenFfmpegEncoder(const VideoEncoding& encoding, VideoSink& sink,
                                                VideoFailure& failure) {
    auto encoder = std::make_unique<FfmpegEncoder>(encoding, sink);
    if (auto failed = Guarded([&] { encoder->Open(); })) {
        failure = std::move(*failed);
        return nullptr;
    }
    return encoder;
}

std::string FfmpegVersions() {
    const auto text = [](const char* name, unsigned version) {
        return std::string(name) + " " + std::to_string(AV_VERSION_MAJOR(version)) + "." +
               std::to_string(AV_VERSION_MINOR(version)) + "." +
               std::to_string(AV_VERSION_MICRO(version));
    };
    return text("libavcodec", avcodec_version()) + ", " + text("libavformat", avformat_version()) +
           ", " + text("libswscale", swscale_version());
}

} // namespace mottler
