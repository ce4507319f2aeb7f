#include "recording/framebitmap.h"

#include "engine/render.h"

#include <algorithm>
#include <new>

namespace mottler {

QImage FrameToBitmap(const Frame& frame, const Palette& palette) {
    QImage bitmap(frame.Width, frame.Height, QImage::Format_BGR888);
    if (bitmap.isNull())
        throw std::bad_alloc(); // QImage reports a failed allocation as a null image
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
