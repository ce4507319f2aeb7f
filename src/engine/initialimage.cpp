#include "engine/initialimage.h"

#include "base/errors.h"
#include "engine/seeding.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace mottler {

QImage ReadPicture(const QString& file) {
    if (!QFileInfo::exists(file))
        throw MottlerError(QStringLiteral("The picture \"%1\" does not exist.").arg(file));
    QFile device(file);
    return ReadPicture(device, file);
}

QImage ReadPicture(QIODevice& device, const QString& file) {
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        throw MottlerError(QStringLiteral("The picture \"%1\" could not be read: %2.")
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
