#pragma once

#include "output/exportfeedback.h"
#include "palette/palette.h"

#include <QByteArray>
#include <QImage>
#include <functional>
#include <optional>

namespace mottler {

/// Every frame of an animated GIF shows for this many hundredths of a second.
inline constexpr int AnimatedGifFrameDelay = 10;

/// The bitmap of the frame at a position of the animation (0 … count − 1). Asked twice per
/// frame, so that only one bitmap is held at a time.
using GifFrameSource = std::function<QImage(int position)>;

/// An animated GIF89a that loops forever, each frame shown for AnimatedGifFrameDelay.
/// The colours: one global table for all frames, exactly their colours when they have no more
/// than 256 together, else an optimised palette of at most 256 colours. A frame whose colours
/// are all in the global table is written exactly; one that is not but has at most 256
/// colours gets its own exact table; any other is Floyd–Steinberg dithered to the global table.
/// With a transparent colour, every frame whose table holds exactly that colour marks that
/// index transparent (disposal: restore to background); a colour in no table gives no
/// transparency.
/// Returns nothing when the feedback reports a cancel. Throws MottlerError when there are no
/// frames or they cannot be encoded; the logical screen is as large as the largest frame.
std::optional<QByteArray> EncodeAnimatedGif(int count, const GifFrameSource& frames,
                                            std::optional<PackedColour> transparent,
                                            const ExportFeedback& feedback = {});

/// The same GIF written into the file as it is made, frame by frame, so that no more than one
/// frame is held in memory; the finished file replaces any earlier one, and a cancelled or
/// failed one replaces nothing. Returns false when cancelled. Throws MottlerError as
/// EncodeAnimatedGif, and FileWriteError when the file cannot be written.
bool WriteAnimatedGif(const QString& path, int count, const GifFrameSource& frames,
                      std::optional<PackedColour> transparent, const ExportFeedback& feedback = {});

} // namespace mottler
