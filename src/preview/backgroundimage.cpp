#include "preview/backgroundimage.h"

#include "base/bmpfile.h"
#include "output/jpegfile.h"
#include "presets/datafolder.h"

namespace mottler {

WrittenBackground WriteBackgroundImage(const PreviewBackground& background) {
    const int quality = background.Source == BackgroundSource::Texture ? TextureBackgroundQuality
                                                                       : GradientBackgroundQuality;
    const QByteArray jpeg = EncodeJpeg(background.Image, quality);
    const QString path = DataFile(BackgroundFileName);
    WriteFileAtomically(path, jpeg, NameChoice::Program);
    return {path, jpeg.size()};
}

} // namespace mottler
