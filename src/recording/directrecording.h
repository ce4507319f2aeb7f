#pragma once

#include "recording/aviwriter.h"

#include <QImage>
#include <QString>
#include <memory>

namespace mottler {

/// Records one growth run straight into an AVI file instead of memory. The growth observer
/// makes one per run and hands it each iteration's texture bitmap; the file is complete
/// however the run ends, because destroying the recording (or Close) finalises it.
class DirectRecording {
public:
    /// Nothing is created until the first iteration of the run.
    /// @param streamLength the run's iteration count, announced until the file is closed
    DirectRecording(QString path, int streamLength);

    /// The recording step after iteration i, with the bitmap rendered for it. The first
    /// iteration of the run creates the file (replacing an existing one); then the bitmap is
    /// appended when i mod n = 0 (n below 1 reads as 1). Throws MottlerError when the file
    /// cannot be created or written; after a failed creation no later step touches a file.
    void RecordStep(const QImage& textureBitmap, int iteration, bool firstOfRun, int recordEvery);

    /// Finalises the file if one is open (the frames written so far stay); throws
    /// MottlerError when that fails. Later calls do nothing. The observer's RunEnded runs in
    /// the run's clean-up and must not throw: catch the error there and show it.
    void Close();

    bool IsOpen() const { return file != nullptr; }
    int FrameCount() const { return file ? file->FrameCount() : framesWritten; }

private:
    QString path;
    int streamLength;
    std::unique_ptr<AviFile> file;
    int framesWritten = 0; ///< the count once the file is closed
};

} // namespace mottler
