#include "output/texturesize.h"

#include "base/errors.h"

namespace mottler {

TextureSizeChange TextureSizeChangeFor(const TextureEngine& engine, int width, int height) {
    if (width < MinTextureSide || height < MinTextureSide)
        throw MottlerError(TextureTooSmallMessage);
    return width == engine.Width() && height == engine.Height() ? TextureSizeChange::KeepTexture
                                                                : TextureSizeChange::NewTexture;
}

} // namespace mottler
