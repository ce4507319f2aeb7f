#include "cli/outputcheck.h"

#include "base/filereplacement.h"
#include "recording/frameseries.h"

namespace mottler::cli {

void CheckOutputPaths(const GrowOptions& o) {
    for (const QString& path : {o.Output, o.RawA, o.RawB})
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

} // namespace mottler::cli
