#pragma once

#include "engine/engine.h"

#include <QIODevice>
#include <QImage>
#include <QString>

namespace mottler {

/// Reads a picture file (BMP, JPEG, GIF, PNG and whatever else Qt's readers know). Throws
/// MottlerError with a clear message when the file is missing, not a regular file (a FIFO
/// or device, which would never end), unknown or damaged.
QImage ReadPicture(const QString& file);

/// The same for a picture read from the device; `file` names it in the messages. A picture
/// whose size does not fit the available memory is refused with its size.
QImage ReadPicture(QIODevice& device, const QString& file);

/// The open dialog's filter for an initial picture, in Qt's form: the first entry the one
/// the dialog has always offered ("GIF,BMP, JPEG") and selected, then every picture format
/// the program reads, PNG and WebP among them, then all files.
QString PictureOpenFilter();

/// How a picture of a size other than the texture's becomes the initial texture.
enum class PictureFit {
    Stretch,    ///< stretched over the current W × H
    KeepOwnSize ///< the texture is resized to the picture's size first
};

/// Makes the picture the initial texture: resizes the texture when asked to keep the
/// picture's size (which may throw the out-of-memory error; nothing else changes then),
/// converts it to 24 bits, fills InitialA/InitialB and keeps a copy as the initial-texture
/// bitmap. The caller grows next.
void UsePictureAsInitialTexture(TextureEngine& engine, const QImage& picture, PictureFit fit);

} // namespace mottler
