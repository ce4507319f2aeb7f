#pragma once

#include "base/errors.h"

#include <QImage>
#include <QSize>

namespace mottler {

/// A picture that could not be made for want of memory: "There is not enough memory for a
/// picture of W x H pixels."
class ImageMemoryError : public MottlerError {
public:
    explicit ImageMemoryError(QSize size);
    /// The message without its capital and full stop, to follow "Could not write "x": ".
    const QString& Reason() const { return reason; }

private:
    QString reason;
};

/// A new image of that size and format. QImage reports a failed allocation only as a null
/// image, whose scan lines are null: every image of a size the user chose is made here, so
/// it throws ImageMemoryError instead.
QImage NewImage(int width, int height, QImage::Format format);

/// Starts the threads that Qt's image conversions and scaling share (the global thread pool)
/// and keeps them for the life of the program. Qt creates them only when a large picture is
/// first converted; when memory is short by then, a thread that cannot be created leaves the
/// conversion waiting for ever. Called once at start-up, while memory is plentiful.
void KeepImageThreadsStarted();

/// The image converted to the format (itself when it has it), throwing ImageMemoryError when
/// the converted copy cannot be made.
QImage ConvertedImage(const QImage& image, QImage::Format format);

} // namespace mottler
