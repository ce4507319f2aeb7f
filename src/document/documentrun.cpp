#include "document/documentrun.h"

#include "base/errors.h"
#include "document/runhost.h"
#include "document/texturedocument.h"
#include "engine/render.h"
#include "recording/recordstep.h"

#include <QCoreApplication>

namespace mottler {
namespace {

// The run's progress reaches the progress bar through the document.
class DocumentProgressSink : public PartsProgressSink {
public:
    explicit DocumentProgressSink(TextureDocument& document) : doc(document) {}
    void SetTotalParts(int parts) override { total = parts, Q_EMIT doc.RunProgress(0, total); }
    void SetPartsComplete(int parts) override { Q_EMIT doc.RunProgress(parts, total); }

private:
    TextureDocument& doc;
    int total = 0;
};

class HostMessageSink : public MessageSink {
public:
    explicit HostMessageSink(RunHost& runHost) : host(runHost) {}
    void ShowMessage(const QString& text) override { host.ShowMessage(text); }

private:
    RunHost& host;
};

} // namespace

DocumentRun::DocumentRun(TextureDocument& document, RunHost& runHost)
    : doc(document), host(runHost) {
    if (doc.Recording().RecordsToFile())
        direct =
            std::make_unique<DirectRecording>(doc.Recording().FileName, doc.Settings().Iterations);
}

DocumentRun::~DocumentRun() = default;

RunResult DocumentRun::Execute(RunMode mode) {
    RunParameters params;
    params.Mode = mode;
    params.ContinueFrom = doc.ShownIteration().value_or(0);
    params.Iterations = doc.Settings().Iterations;
    params.Animate = doc.Settings().Animate;
    params.AnimateEvery = doc.Settings().AnimateEvery;
    params.Record = doc.Recording().Record;
    params.DriftKind = doc.Settings().DriftKind;
    doc.SetRunning(true);
    RunResult result;
    try {
        result = GrowTexture(doc.Engine, params, *this);
    } catch (...) {
        doc.SetRunning(false);
        doc.AfterFailedRun(renderedIteration);
        throw;
    }
    doc.SetRunning(false);
    // Recording ran out of memory: the run ended without its end-of-run update, but the
    // frames recorded so far are kept, so they are made reachable at once.
    if (!finished && result.Outcome == RunOutcome::Aborted && !doc.Frames.IsEmpty())
        doc.FinishRun(doc.Frames.Last().Iteration);
    else if (!finished)
        doc.AfterFailedRun(renderedIteration);
    return result;
}

void DocumentRun::RunStarting() {
    host.RunStarting(doc.Engine.Switches.ProcessMessagesDuringGrowth);
    Q_EMIT doc.RunProgressText(
        QCoreApplication::translate("mottler::DocumentRun", "Press ESC to stop"));
    refreshNanoseconds = host.RefreshNanoseconds();
    sincePreview.invalidate();
}

void DocumentRun::ClearFrames() {
    DocumentProgressSink progress(doc);
    doc.Frames.ClearFrames(&progress);
    doc.ClearFrames();
}

void DocumentRun::ClearAges() {
    Q_EMIT doc.AgesCleared();
}

// The run takes over the display from a recorded frame; its end shows the last frame again.
void DocumentRun::IterationsPlanned(int n) {
    planned = n;
    doc.ForgetShownFrame();
    Q_EMIT doc.RunProgress(0, n);
}

GrowthFactors DocumentRun::ReadFactors() {
    return doc.Factors();
}

void DocumentRun::ProgressShown() {
    Q_EMIT doc.RunProgress(0, planned);
}

bool DocumentRun::EscapePressed() {
    return host.PollEscape();
}

void DocumentRun::Progress(int iteration) {
    Q_EMIT doc.RunProgress(iteration, planned);
}

void DocumentRun::RenderFrame(int iteration) {
    frameRendered = false;
    pendingIteration = iteration;
}

void DocumentRun::EnsureRendered() {
    if (frameRendered)
        return;
    RenderGrowthFrame(doc.Engine, doc.Gradient.Colours);
    frameRendered = true;
    renderedIteration = pendingIteration;
}

// On the iterations that "Record Every" takes, and on a run's first, which makes the file of
// a direct recording in the frame's size.
bool DocumentRun::ReadsFrame(int iteration, bool firstOfRun) const {
    return (direct && firstOfRun) || IsRecordedIteration(iteration, doc.Recording().Every);
}

void DocumentRun::RecordStep(int iteration, bool firstOfRun) {
    if (ReadsFrame(iteration, firstOfRun))
        EnsureRendered();
    const int every = doc.Recording().Every;
    if (direct) {
        direct->RecordStep(doc.Engine.TextureBitmap, iteration, firstOfRun, every);
        return;
    }
    HostMessageSink messages(host);
    RecordFrameStep(doc.Frames, doc.Engine, iteration, every, messages);
}

bool DocumentRun::PreviewDue() const {
    return !sincePreview.isValid() || sincePreview.nsecsElapsed() >= refreshNanoseconds;
}

void DocumentRun::ShowPreview(int) {
    if (!PreviewDue())
        return;
    sincePreview.start();
    EnsureRendered();
    doc.showsTexture = true;
    doc.SetShownIteration(renderedIteration); // the frame label follows every shown frame
    Q_EMIT doc.TextureRendered();
}

void DocumentRun::PaintAge(int ageIndex, int iteration) {
    doc.SetShownIteration(iteration);
    if (ageIndex < 1 || ageIndex > 9)
        return;
    EnsureRendered();
    Q_EMIT doc.AgePainted(ageIndex, iteration);
}

void DocumentRun::ProcessMessages() {
    host.ProcessEvents();
}

void DocumentRun::FinishRun(int k) {
    finished = true;
    Q_EMIT doc.RunProgressText(QString());
    doc.FinishRun(k);
}

void DocumentRun::RunEnded(double elapsedSeconds) {
    host.RunEnded();
    Q_EMIT doc.RunProgress(0, 0);
    Q_EMIT doc.RunTimeMeasured(elapsedSeconds);
    CloseFile();
}

// The run's clean-up finalises the file of a direct recording. A failure is shown, never
// thrown, because the clean-up runs while the run unwinds.
void DocumentRun::CloseFile() noexcept {
    if (!direct)
        return;
    try {
        direct->Close();
    } catch (const MottlerError& error) {
        host.ShowMessage(error.Message());
    } catch (const std::exception& error) {
        host.ShowMessage(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        // Nothing more can be done for the user here; the run's clean-up must still finish.
    }
}

} // namespace mottler
