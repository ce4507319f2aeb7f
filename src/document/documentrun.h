#pragma once

#include "engine/growth.h"
#include "recording/directrecording.h"

#include <QElapsedTimer>
#include <memory>
#include <optional>

namespace mottler {

class RunHost;
class TextureDocument;

/// One growth run of the document: the run's observer, which renders, records, paints the
/// ages and reports progress through the document's signals, with the interface's side
/// (cursor, Escape, events) in a RunHost.
///
/// Rendering costs only what is seen or kept. A frame is rendered when the first hook of its
/// iteration reads it (a recorded iteration, a shown preview, an age thumbnail), all before
/// the pattern drifts or the next sweep, so each gets exactly the frame of its iteration; an
/// iteration nobody reads is not rendered. The preview is shown at most once per refresh of
/// the screen: a frame due while the screen cannot show it yet is left out (the screen would
/// only ever have shown the latest), and the end of the run shows the final state.
class DocumentRun : public GrowthObserver {
public:
    /// Reads the recording options for the whole run.
    DocumentRun(TextureDocument& document, RunHost& host);
    ~DocumentRun() override;

    /// Runs the growth; however it ends, the document shows the state its fields hold
    /// afterwards and the run gate is open again.
    RunResult Execute(RunMode mode);

    void RunStarting() override;
    void ClearFrames() override;
    void ClearAges() override;
    void IterationsPlanned(int n) override;
    GrowthFactors ReadFactors() override;
    void ProgressShown() override;
    bool EscapePressed() override;
    void Progress(int iteration) override;
    void RenderFrame(int iteration) override;
    void RecordStep(int iteration, bool firstOfRun) override;
    void ShowPreview(int iteration) override;
    void PaintAge(int ageIndex, int iteration) override;
    void ProcessMessages() override;
    void FinishRun(int k) override;
    void RunEnded(double elapsedSeconds) override;

private:
    /// Renders the frame of this iteration unless that is done already.
    void EnsureRendered();
    bool PreviewDue() const;
    bool ReadsFrame(int iteration, bool firstOfRun) const;
    void CloseFile() noexcept;

    TextureDocument& doc;
    RunHost& host;
    std::unique_ptr<DirectRecording> direct; ///< only while recording straight into a file
    int planned = 0;
    bool finished = false;                ///< the run reached its end-of-run update
    bool frameRendered = true;            ///< false from RenderFrame until a hook reads the frame
    int pendingIteration = 0;             ///< the iteration RenderFrame was last called for
    std::optional<int> renderedIteration; ///< the iteration the texture bitmap shows
    QElapsedTimer sincePreview;           ///< since the preview was last shown in this run
    qint64 refreshNanoseconds{};          ///< one refresh of the preview's screen
};

} // namespace mottler
