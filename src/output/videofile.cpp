#include "output/videofile.h"

#include "base/errors.h"
#include "base/filereplacement.h"
#include "base/imagememory.h"
#include "output/videomodule.h"

#include <QCoreApplication>
#include <cstring>

namespace mottler {
namespace {

QString CannotLoadMessage(const QString& path, const QString& reason) {
    return QCoreApplication::translate(
               "mottler::VideoFile",
               "Could not write the video \"%1\": the video module could not be loaded (%2).")
        .arg(path, reason);
}

const VideoModuleInterface& VideoModuleFor(const QString& path) {
    QString reason;
    const VideoModuleInterface* module = LoadedVideoModule(reason);
    if (!module)
        throw MottlerError(CannotLoadMessage(path, reason));
    return *module;
}

/// The file beside the target that the encoder writes through.
class ReplacementSink final : public VideoSink {
public:
    explicit ReplacementSink(const QString& path) : file(path) {}

    bool WriteAt(std::int64_t position, const unsigned char* data, int length) override {
        failed |= !file.WriteAt(position, reinterpret_cast<const char*>(data), length);
        return !failed;
    }

    FileReplacement file;
    bool failed = false;
};

} // namespace

QString VideoLibraryVersions() {
    QString reason;
    if (const VideoModuleInterface* module = LoadedVideoModule(reason))
        return QString::fromStdString(module->LibraryVersions());
    return QCoreApplication::translate("mottler::VideoFile",
                                       "FFmpeg: the video module could not be loaded (%1)")
        .arg(reason);
}

void CheckVideoModule(const QString& path) {
    VideoModuleFor(path);
}

QSize VideoFrameSize(VideoCodec codec, QSize texture) {
    if (codec == VideoCodec::Vp9WebM)
        return texture;
    return {texture.width() + texture.width() % 2, texture.height() + texture.height() % 2};
}

struct VideoFile::Parts {
    Parts(const QString& target, QSize textureSize, VideoCodec codec)
        : path(target), sink(target), texture(textureSize),
          size(VideoFrameSize(codec, textureSize)) {}

    const QImage& Padded(const QImage& bitmap);
    /// Throws for the module's failure, or for a failed write whatever the module says.
    void Check(const std::optional<VideoFailure>& failure) const;

    QString path;
    ReplacementSink sink;
    QSize texture;
    QSize size;
    QImage canvas; // the padded frame when the encoded size is larger than the texture
    std::unique_ptr<VideoEncoder> encoder;
};

void VideoFile::Parts::Check(const std::optional<VideoFailure>& failure) const {
    if (sink.failed)
        throw FileWriteError(path, sink.file.ErrorText());
    if (!failure)
        return;
    const QString what = QString::fromStdString(failure->What);
    if (failure->Reason.empty())
        throw MottlerError(QStringLiteral("Could not write the video \"%1\": %2.").arg(path, what));
    throw MottlerError(QStringLiteral("Could not write the video \"%1\": %2 (%3).")
                           .arg(path, what, QString::fromStdString(failure->Reason)));
}

// A frame larger than the texture continues it as a tile: column W repeats column 0 and row
// H repeats row 0.
const QImage& VideoFile::Parts::Padded(const QImage& bitmap) {
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

VideoFile::VideoFile(const QString& path, QSize texture, const VideoSettings& settings) {
    const VideoModuleInterface& module = VideoModuleFor(path);
    parts = std::make_unique<Parts>(path, texture, settings.Codec);
    const VideoEncoding encoding{settings.Codec, parts->size.width(), parts->size.height(),
                                 settings.FramesPerSecond, settings.Quality};
    VideoFailure failure;
    parts->encoder = module.Open(encoding, parts->sink, failure);
    if (!parts->encoder)
        parts->Check(failure);
}

VideoFile::~VideoFile() = default;

void VideoFile::AddFrame(const QImage& bitmap) {
    Parts& p = *parts;
    if (bitmap.size() != p.texture || bitmap.format() != QImage::Format_BGR888)
        throw MottlerError(
            QStringLiteral("Could not add frame: it is %1 x %2 pixels, the video %3 x %4.")
                .arg(bitmap.width())
                .arg(bitmap.height())
                .arg(p.texture.width())
                .arg(p.texture.height()));
    const QImage& source = p.Padded(bitmap);
    p.Check(p.encoder->AddFrame(source.constBits(), source.bytesPerLine()));
}

void VideoFile::Finish() {
    parts->Check(parts->encoder->Finish());
    parts->sink.file.Commit();
}

} // namespace mottler
