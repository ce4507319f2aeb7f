#pragma once

#include "palette/palette.h"

#include <QString>
#include <vector>

namespace mottler {

/// The file format of an animation export.
enum class AnimationFormat {
    Gif,
    Bmp,
    Avi,
    WebM, ///< VP9 video
    Mp4,  ///< H.264 video
    WebP, ///< animated WebP
};

/// Which recorded frames an export takes.
enum class FrameRange { All, Between };

/// What closes the loop when looping is chosen.
enum class LoopStyle {
    PingPong,    ///< play forward, then back without repeating the end frames
    BlendFrames, ///< cross-fade the last n entries toward the first n
};

/// The values of the Export Animation window, as the user set them. The numeric boxes keep
/// their texts: empty or non-numeric text reads as 0, as in every numeric box.
struct ExportOptions {
    FrameRange Range = FrameRange::All;
    QString StartText = QStringLiteral("1"); ///< "Between": first frame, counted from 1
    QString EndText;                         ///< "Between": last frame, counted from 1
    QString SkipText = QStringLiteral("1");  ///< every n-th frame; below 1 counts as 1
    bool Looping = false;
    LoopStyle Loop = LoopStyle::PingPong;
    QString BlendCountText = QStringLiteral("5");
    AnimationFormat Format = AnimationFormat::Gif;
    bool Transparent = false;           ///< GIF only
    PackedColour TransparentColour = 0; ///< GIF only, when Transparent
    int Quality = 80;                   ///< WebM, MP4 and WebP: 1 … 100, 100 the best
    bool Lossless = false;              ///< WebP only: every pixel kept exactly
    int FramesPerSecond = 10;           ///< WebM, MP4 and WebP
};

/// One entry of the exported animation: a recorded frame, mixed with a second one when the
/// loop is blended (BlendWeight / BlendDenominator on BlendFrame, the rest on Frame).
struct ExportEntry {
    int Frame = 0;
    int BlendFrame = -1; ///< −1: the frame is shown as it is
    int BlendWeight = 0;
    int BlendDenominator = 1;

    bool operator==(const ExportEntry&) const = default;
};

/// The one frame sequence that drives the preview and every export format, from the options
/// and the number of recorded frames:
/// - range: All is 0 … count − 1; Between is max(Start − 1, 0) … min(End − 1, count − 1),
///   the frames Start to End counted from 1, both included;
/// - every step-th position of the range from its start, step = max(Skip, 1);
/// - looping with ping-pong appends the entries n − 2 down to 1 (nothing when n ≤ 2);
/// - looping with blending: with b = the blend count limited to 0 … n / 2, entry n − b + k
///   (k = 0 … b − 1) mixes its frame with the frame of entry k, weight (k + 1) / (b + 1) on
///   the latter, and the first b entries are left out: the loop closes without a jump, since
///   its last entry is mostly the frame of entry b − 1 and it starts again at entry b.
/// Empty when the range holds no frame.
std::vector<ExportEntry> BuildFrameSequence(const ExportOptions& options, int frameCount);

} // namespace mottler
