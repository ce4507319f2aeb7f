#include "recording/directrecording.h"

#include "recording/recordstep.h"

#include <algorithm>

namespace mottler {

DirectRecording::DirectRecording(QString filePath, int length)
    : path(std::move(filePath)), streamLength(length) {}

void DirectRecording::RecordStep(const QImage& textureBitmap, int iteration, bool firstOfRun,
                                 int recordEvery) {
    if (firstOfRun && !file) {
        AviStreamInfo info;
        info.Length = static_cast<std::uint32_t>(std::max(streamLength, 0));
        file = CreateAviFile(path, info, textureBitmap);
    }
    if (file && IsRecordedIteration(iteration, recordEvery))
        AddAviFrame(textureBitmap, *file);
}

void DirectRecording::Close() {
    if (!file)
        return;
    const std::unique_ptr<AviFile> closing = std::move(file);
    framesWritten = closing->FrameCount();
    closing->Close();
}

} // namespace mottler
