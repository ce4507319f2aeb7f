#pragma once

#include "recording/directrecording.h"

#include <memory>

namespace mottler {

class MainWindow;

/// The recording side of one growth run started from the main window: frames into the
/// window's frame list, or straight into the AVI file of the record-to-file options. Whether
/// the run records into a file, and which, is read once, when the recorder is made.
class RunRecorder {
public:
    explicit RunRecorder(MainWindow& window);

    /// Fresh runs: frees the recorded frames, counting them down on the progress bar.
    void ClearFrames();
    /// Whether the recording step after iteration i reads the frame rendered for it: on the
    /// iterations that "Record Every" (read now) takes, and on a run's first, which makes the
    /// file of a direct recording in the frame's size.
    bool ReadsFrame(int iteration, bool firstOfRun) const;
    /// After iteration i: adds the frame, or writes the texture bitmap into the file, when i
    /// is one that "Record Every" (read now) takes. Throws what the frame list or the file
    /// throws; the run reports it.
    void RecordStep(int iteration, bool firstOfRun);
    /// The run's clean-up: finalises the file of a direct recording. A failure is shown in a
    /// message box, never thrown, because the clean-up runs while the run unwinds.
    void CloseFile() noexcept;

private:
    void ShowCloseFailure(const QString& text) noexcept;

    MainWindow& window;
    std::unique_ptr<DirectRecording> direct; ///< only while recording straight into a file
};

} // namespace mottler
