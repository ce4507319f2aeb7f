#include "engine/initialimage.h"

#include "base/errors.h"
#include "base/memoryprobe.h"
#include "engine/seeding.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <sys/stat.h>

namespace mottler {
namespace {

/// What a decoded pixel takes: 32 bits for most pictures, 64 for those of 16 bits a channel.
constexpr std::uint64_t TypicalBytesPerPixel = 4;
constexpr std::uint64_t LargestBytesPerPixel = 8;

} // namespace

QString PictureOpenFilter() {
    return QStringLiteral("GIF,BMP, JPEG (*.jpg *.jpeg *.bmp *.gif);;"
                          "Images (*.gif *.bmp *.jpg *.jpeg *.png *.webp);;All Files (*)");
}

QImage ReadPicture(const QString& file) {
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0)
        throw MottlerError(QCoreApplication::translate("mottler::InitialImage",
                                                       "The picture \"%1\" does not exist.")
                               .arg(file));
    // A FIFO or a device would be read for ever, and a folder holds no picture.
    if (!S_ISREG(info.st_mode))
        throw MottlerError(QCoreApplication::translate("mottler::InitialImage",
                                                       "The picture \"%1\" is not a regular file.")
                               .arg(file));
    QFile device(file);
    return ReadPicture(device, file);
}

QImage ReadPicture(QIODevice& device, const QString& file) {
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    // The header's size decides whether the picture fits the memory; the readers' own limit
    // then follows from that size rather than a fixed allowance.
    const QSize size = reader.size();
    if (size.isValid() && !size.isEmpty()) {
        const auto pixels = std::uint64_t(size.width()) * std::uint64_t(size.height());
        if (!FitsAvailableMemory(pixels * TypicalBytesPerPixel))
            throw MottlerError(
                QCoreApplication::translate("mottler::InitialImage",
                                            "The picture \"%1\" is too large for the memory: "
                                            "it is %2 x %3 pixels.")
                    .arg(file)
                    .arg(size.width())
                    .arg(size.height()));
        const std::uint64_t limitMb = pixels * LargestBytesPerPixel / (1024 * 1024) + 1;
        reader.setAllocationLimit(int(std::min<std::uint64_t>(limitMb, INT_MAX)));
    }
    QImage picture = reader.read();
    if (picture.isNull())
        throw MottlerError(QCoreApplication::translate("mottler::InitialImage",
                                                       "The picture \"%1\" could not be read: %2.")
                               .arg(file, reader.errorString()));
    return picture;
}

void UsePictureAsInitialTexture(TextureEngine& engine, const QImage& picture, PictureFit fit) {
    QImage bitmap;
    if (picture.size() == QSize(engine.Width(), engine.Height())) {
        bitmap = picture.convertToFormat(QImage::Format_RGB888);
    } else if (fit == PictureFit::Stretch) {
        bitmap = picture.convertToFormat(QImage::Format_RGB888)
                     .scaled(engine.Width(), engine.Height(), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    } else {
        engine.SetTextureSize(picture.width(), picture.height());
        bitmap = picture.convertToFormat(QImage::Format_RGB888);
    }
    ImageToInitialFields(engine, bitmap);
    engine.InitialTextureBitmap = bitmap;
}

} // namespace mottler
