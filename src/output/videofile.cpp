#include "output/videofile.h"

#include "base/errors.h"
#include "base/filereplacement.h"
#include "base/imagememory.h"

#include <QMutex>
#include <cerrno>
#include <cstring>
#include <utility>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace mottler {
namespace {

// FFmpeg tells the detail of a failure (an encoder's refusal) only in its log: the last
// error logged is kept for the message, and nothing is printed.
QMutex logLock;
QString lastLoggedError;

void KeepLoggedError(void* object, int level, const char* format, va_list arguments) {
    if (level > AV_LOG_ERROR)
        return;
    char line[1024] = {};
    int prefix = 0;
    av_log_format_line2(object, level, format, arguments, line, sizeof line, &prefix);
    const QMutexLocker lock(&logLock);
    lastLoggedError = QString::fromUtf8(line).trimmed();
}

QString TakeLoggedError() {
    const QMutexLocker lock(&logLock);
    return std::exchange(lastLoggedError, QString());
}

QString AvErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

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

} // namespace

QString VideoLibraryVersions() {
    const auto text = [](const char* name, unsigned version) {
        return QStringLiteral("%1 %2.%3.%4")
            .arg(QLatin1String(name))
            .arg(AV_VERSION_MAJOR(version))
            .arg(AV_VERSION_MINOR(version))
            .arg(AV_VERSION_MICRO(version));
    };
    return text("libavcodec", avcodec_version()) + QStringLiteral(", ") +
           text("libavformat", avformat_version()) + QStringLiteral(", ") +
           text("libswscale", swscale_version());
}

QSize VideoFrameSize(VideoCodec codec, QSize texture) {
    if (codec == VideoCodec::Vp9WebM)
        return texture;
    return {texture.width() + texture.width() % 2, texture.height() + texture.height() % 2};
}

struct VideoFile::Encoder {
    Encoder(const QString& target, QSize textureSize, const VideoSettings& s)
        : path(target), file(target), settings(s), texture(textureSize),
          size(VideoFrameSize(s.Codec, textureSize)) {}
    ~Encoder();

    void Open();
    void OpenCodec();
    void OpenOutput();
    void Send(const AVFrame* picture);
    const QImage& Padded(const QImage& bitmap);
    [[noreturn]] void Fail(const QString& what, int code);
    void Check(int result, const char* what) {
        if (result < 0)
            Fail(QString::fromLatin1(what), result);
    }

    static int WritePacket(void* opaque, std::uint8_t* data, int length);
    static std::int64_t Seek(void* opaque, std::int64_t offset, int whence);

    QString path;
    FileReplacement file;
    VideoSettings settings;
    QSize texture;
    QSize size;
    qint64 position = 0;
    qint64 end = 0;
    bool writeFailed = false;
    std::int64_t frameCount = 0;
    QImage canvas; // the padded frame when the encoded size is larger than the texture
    AVFormatContext* container = nullptr;
    AVIOContext* io = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* converter = nullptr;
};

VideoFile::Encoder::~Encoder() {
    sws_freeContext(converter);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&codec);
    if (io)
        av_freep(&io->buffer);
    avio_context_free(&io);
    avformat_free_context(container);
}

void VideoFile::Encoder::Fail(const QString& what, int code) {
    if (writeFailed)
        throw FileWriteError(path, file.ErrorText());
    QString reason = AvErrorText(code);
    if (const QString logged = TakeLoggedError(); !logged.isEmpty())
        reason += QStringLiteral(": ") + logged;
    throw MottlerError(
        QStringLiteral("Could not write the video \"%1\": %2 (%3).").arg(path, what, reason));
}

int VideoFile::Encoder::WritePacket(void* opaque, std::uint8_t* data, int length) {
    auto* self = static_cast<Encoder*>(opaque);
    if (!self->file.WriteAt(self->position, reinterpret_cast<const char*>(data), length)) {
        self->writeFailed = true;
        return AVERROR(EIO);
    }
    self->position += length;
    self->end = std::max(self->end, self->position);
    return length;
}

// The WebM and MP4 writers go back to fill in sizes and the duration once they are known.
std::int64_t VideoFile::Encoder::Seek(void* opaque, std::int64_t offset, int whence) {
    auto* self = static_cast<Encoder*>(opaque);
    qint64 to = 0;
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

void VideoFile::Encoder::OpenCodec() {
    const AVCodec* encoder = avcodec_find_encoder_by_name(EncoderName(settings.Codec));
    if (!encoder)
        throw MottlerError(QStringLiteral("Could not write the video \"%1\": this FFmpeg has no "
                                          "%2 encoder (%3).")
                               .arg(path, CodecTitle(settings.Codec), EncoderName(settings.Codec)));
    codec = avcodec_alloc_context3(encoder);
    if (!codec)
        throw std::bad_alloc();
    codec->width = size.width();
    codec->height = size.height();
    codec->pix_fmt = AV_PIX_FMT_YUV420P;
    codec->time_base = AVRational{1, settings.FramesPerSecond};
    codec->framerate = AVRational{settings.FramesPerSecond, 1};
    // The matrix swscale uses by default, in video range; sRGB's primaries and curve.
    codec->color_range = AVCOL_RANGE_MPEG;
    codec->colorspace = AVCOL_SPC_SMPTE170M;
    codec->color_primaries = AVCOL_PRI_BT709;
    codec->color_trc = AVCOL_TRC_IEC61966_2_1;
    codec->bit_rate = 0; // constant quality
    if (container->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    av_dict_set_int(&options, "crf", ConstantRateFactor(settings.Codec, settings.Quality), 0);
    if (settings.Codec == VideoCodec::Vp9WebM) {
        av_dict_set(&options, "row-mt", "1", 0);
        // libvpx's default effort takes many times as long for a barely smaller file.
        av_dict_set(&options, "cpu-used", "4", 0);
    }
    const int opened = avcodec_open2(codec, encoder, &options);
    av_dict_free(&options);
    Check(opened, settings.Codec == VideoCodec::Vp9WebM ? "the VP9 encoder could not start"
                                                        : "the H.264 encoder could not start");
}

void VideoFile::Encoder::OpenOutput() {
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

void VideoFile::Encoder::Open() {
    {
        static const bool logKept = (av_log_set_callback(KeepLoggedError), true);
        (void)logKept;
    }
    TakeLoggedError();
    const char* formatName = settings.Codec == VideoCodec::Vp9WebM ? "webm" : "mp4";
    Check(avformat_alloc_output_context2(&container, nullptr, formatName, nullptr),
          "the container could not start");
    OpenCodec();
    OpenOutput();
    frame = av_frame_alloc();
    packet = av_packet_alloc();
    if (!frame || !packet)
        throw std::bad_alloc();
    frame->format = codec->pix_fmt;
    frame->width = size.width();
    frame->height = size.height();
    Check(av_frame_get_buffer(frame, 0), "no memory for a frame");
    converter = sws_getContext(size.width(), size.height(), AV_PIX_FMT_BGR24, size.width(),
                               size.height(), AV_PIX_FMT_YUV420P, SWS_BICUBIC | SWS_ACCURATE_RND,
                               nullptr, nullptr, nullptr);
    if (!converter)
        throw MottlerError(
            QStringLiteral("Could not write the video \"%1\": the colour conversion could not "
                           "start.")
                .arg(path));
}

// A frame larger than the texture continues it as a tile: column W repeats column 0 and row
// H repeats row 0.
const QImage& VideoFile::Encoder::Padded(const QImage& bitmap) {
    if (size == texture)
        return bitmap;
    if (canvas.isNull())
        canvas = NewImage(size.width(), size.height(), QImage::Format_BGR888);
    const qsizetype rowBytes = qsizetype(texture.width()) * 3;
    for (int y = 0; y < size.height(); ++y) {
        const uchar* from = bitmap.constScanLine(y % texture.height());
        uchar* to = canvas.scanLine(y);
        std::memcpy(to, from, std::size_t(rowBytes));
        if (size.width() > texture.width())
            std::memcpy(to + rowBytes, from, 3);
    }
    return canvas;
}

void VideoFile::Encoder::Send(const AVFrame* picture) {
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

VideoFile::VideoFile(const QString& path, QSize texture, const VideoSettings& settings)
    : encoder(std::make_unique<Encoder>(path, texture, settings)) {
    encoder->Open();
}

VideoFile::~VideoFile() = default;

void VideoFile::AddFrame(const QImage& bitmap) {
    Encoder& e = *encoder;
    if (bitmap.size() != e.texture || bitmap.format() != QImage::Format_BGR888)
        throw MottlerError(
            QStringLiteral("Could not add frame: it is %1 x %2 pixels, the video %3 x %4.")
                .arg(bitmap.width())
                .arg(bitmap.height())
                .arg(e.texture.width())
                .arg(e.texture.height()));
    const QImage& source = e.Padded(bitmap);
    e.Check(av_frame_make_writable(e.frame), "no memory for a frame");
    const std::uint8_t* planes[1] = {source.constBits()};
    const int strides[1] = {int(source.bytesPerLine())};
    sws_scale(e.converter, planes, strides, 0, e.size.height(), e.frame->data, e.frame->linesize);
    e.frame->pts = e.frameCount++;
    e.Send(e.frame);
}

void VideoFile::Finish() {
    Encoder& e = *encoder;
    e.Send(nullptr);
    e.Check(av_write_trailer(e.container), "the file could not be finished");
    avio_flush(e.io);
    if (e.writeFailed || e.io->error < 0)
        e.Fail(QStringLiteral("the file could not be finished"), e.io->error);
    e.file.Commit();
}

} // namespace mottler
