#include "recording/framebitmap.h"

#include "base/imagememory.h"
#include "engine/render.h"

#include <algorithm>
#include <new>

namespace mottler {

QImage FrameToBitmap(const Frame& frame, const Palette& palette) {
    QImage bitmap = NewImage(frame.Width, frame.Height, QImage::Format_BGR888);
    ColourField(frame.Data.get(), palette, bitmap);
    return bitmap;
}

bool CopyFrameToDisplayField(const Frame& frame, TextureEngine& engine) {
    if (frame.Width != engine.Width() || frame.Height != engine.Height())
        return false;
    std::copy_n(frame.Data.get(), frame.Cells(), engine.DisplayField.Data());
    return true;
}

} // namespace mottler
