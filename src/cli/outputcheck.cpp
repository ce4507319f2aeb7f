#include "cli/outputcheck.h"

#include "base/filereplacement.h"
#include "cli/report.h"
#include "output/animationexport.h"
#include "output/imagefile.h"
#include "recording/frameseries.h"

namespace mottler::cli {

void CheckOutputPaths(const GrowOptions& o) {
    for (const QString& path : {o.Output, o.RawA, o.RawB, o.Image.HeightMap, o.Image.NormalMap,
                                o.Recording.Animation.Gif, o.Recording.Animation.Video})
        if (!path.isEmpty())
            CheckWritablePath(path);
    if (!o.Recording.FramesBmp.isEmpty())
        CheckWritablePath(NumberedBmpFileName(o.Recording.FramesBmp, 0));
    if (o.Recording.Avi.isEmpty())
        return;
    try {
        CheckWritablePath(o.Recording.Avi);
    } catch (const FileWriteError& error) {
        throw MottlerError(QStringLiteral("Could not create the AVI file \"%1\": %2.")
                               .arg(o.Recording.Avi, error.Reason()));
    }
}

void CheckOutputSizes(const GrowOptions& o, QSize texture) {
    const auto check = [](const QString& path, QSize size) {
        const QString fault = ImageSizeFault(ImageFormatOf(path), size);
        if (!path.isEmpty() && !fault.isEmpty())
            throw FileWriteError(path, fault);
    };
    check(o.Output, OutputImageSize(texture, o.Image));
    check(o.Recording.Animation.Gif, texture);
    const QString& video = o.Recording.Animation.Video;
    if (video.isEmpty())
        return;
    const AnimationFormat format = *VideoFormatOf(video);
    if (format == AnimationFormat::WebM || format == AnimationFormat::Mp4)
        CheckVideoModule(video);
    if (const QString fault = AnimationSizeFault(format, texture); !fault.isEmpty())
        throw FileWriteError(video, fault);
    if (const QString note = AnimationSizeNote(format, texture); !note.isEmpty())
        ReportWarning(QStringLiteral("%1: %2").arg(EscapedForTerminal(video), note));
}

} // namespace mottler::cli
