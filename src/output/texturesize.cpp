#include "output/texturesize.h"

#include "base/errors.h"

#include <QCoreApplication>

namespace mottler {

TextureSizeChange TextureSizeChangeFor(const TextureEngine& engine, int width, int height) {
    if (width < MinTextureSide || height < MinTextureSide)
        throw MottlerError(
            QCoreApplication::translate("mottler::TextureSize", TextureTooSmallMessage));
    return width == engine.Width() && height == engine.Height() ? TextureSizeChange::KeepTexture
                                                                : TextureSizeChange::NewTexture;
}

} // namespace mottler
