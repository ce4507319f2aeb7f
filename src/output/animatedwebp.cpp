#include "output/animatedwebp.h"

#include "base/errors.h"
#include "base/filereplacement.h"
#include "output/imagefile.h"

#include <webp/encode.h>
#include <webp/mux.h>

namespace mottler {

QString WebpLibraryVersion() {
    const int version = WebPGetEncoderVersion();
    return QStringLiteral("libwebp %1.%2.%3")
        .arg(version >> 16)
        .arg((version >> 8) & 0xFF)
        .arg(version & 0xFF);
}

struct AnimatedWebpFile::Encoder {
    ~Encoder() { WebPAnimEncoderDelete(animation); }

    [[noreturn]] void Fail(const char* what) const {
        const char* reason = animation ? WebPAnimEncoderGetError(animation) : nullptr;
        throw MottlerError(
            QStringLiteral("Could not write the animated WebP \"%1\": %2%3.")
                .arg(path, QLatin1String(what),
                     reason && *reason ? QStringLiteral(" (%1)").arg(reason) : QString()));
    }
    int Timestamp() const { return int(qint64(frameCount) * 1000 / settings.FramesPerSecond); }

    QString path;
    QSize size;
    AnimatedWebpSettings settings;
    WebPConfig config{};
    WebPAnimEncoder* animation = nullptr;
    int frameCount = 0;
};

AnimatedWebpFile::AnimatedWebpFile(const QString& path, QSize size,
                                   const AnimatedWebpSettings& settings)
    : encoder(std::make_unique<Encoder>()) {
    Encoder& e = *encoder;
    e.path = path;
    e.size = size;
    e.settings = settings;
    if (const QString fault = ImageSizeFault(ImageFormat::Webp, size); !fault.isEmpty())
        throw MottlerError(
            QStringLiteral("Could not write the animated WebP \"%1\": %2.").arg(path, fault));
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&e.config))
        e.Fail("this libwebp does not match the one the program was built with");
    options.anim_params.loop_count = 0; // play forever
    e.config.lossless = settings.Lossless ? 1 : 0;
    // Lossless, the quality is how hard the encoder tries: libwebp's default effort.
    e.config.quality = settings.Lossless ? 75.0f : float(settings.Quality);
    if (!WebPValidateConfig(&e.config))
        e.Fail("the quality is not one libwebp accepts");
    e.animation = WebPAnimEncoderNew(size.width(), size.height(), &options);
    if (!e.animation)
        e.Fail("the encoder could not start");
}

AnimatedWebpFile::~AnimatedWebpFile() = default;

void AnimatedWebpFile::AddFrame(const QImage& bitmap) {
    Encoder& e = *encoder;
    if (bitmap.size() != e.size || bitmap.format() != QImage::Format_BGR888)
        throw MottlerError(
            QStringLiteral("Could not add frame: it is %1 x %2 pixels, the animation %3 x %4.")
                .arg(bitmap.width())
                .arg(bitmap.height())
                .arg(e.size.width())
                .arg(e.size.height()));
    WebPPicture picture;
    if (!WebPPictureInit(&picture))
        e.Fail("this libwebp does not match the one the program was built with");
    picture.use_argb = 1;
    picture.width = e.size.width();
    picture.height = e.size.height();
    const bool imported =
        WebPPictureImportBGR(&picture, bitmap.constBits(), int(bitmap.bytesPerLine()));
    const bool added =
        imported && WebPAnimEncoderAdd(e.animation, &picture, e.Timestamp(), &e.config);
    WebPPictureFree(&picture);
    if (!imported)
        throw std::bad_alloc();
    if (!added)
        e.Fail("a frame could not be compressed");
    ++e.frameCount;
}

void AnimatedWebpFile::Finish() {
    Encoder& e = *encoder;
    // The last frame lasts as long as the others: the end is one frame after its start.
    if (!WebPAnimEncoderAdd(e.animation, nullptr, e.Timestamp(), nullptr))
        e.Fail("the last frame could not be compressed");
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAssemble(e.animation, &data))
        e.Fail("the file could not be assembled");
    try {
        WriteFileAtomically(e.path,
                            QByteArray::fromRawData(reinterpret_cast<const char*>(data.bytes),
                                                    qsizetype(data.size)));
    } catch (...) {
        WebPDataClear(&data);
        throw;
    }
    WebPDataClear(&data);
}

} // namespace mottler
